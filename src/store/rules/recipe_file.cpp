#include "store/rules/recipe_file.h"

#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"
#include "platform/rules/text_file.h"

namespace recipe_file {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The record's header lines, in file order: the label that opens the line, the field's name in
// messages, and where the value lives in a record and in the form. The reader, the writers and
// the checks all go by this table.
struct HeaderField {
  enum class Type { Text, Single, Count };
  QString label;
  QString name;
  Type type;
  QString Recipe::*text = nullptr;      // Text and Count
  float Recipe::*single = nullptr;      // Single
  QString RecipeForm::*typed = nullptr; // Text and Single; the form holds the count as a number
  bool repeats = false;                 // the same few values recur from record to record
};

using T = HeaderField::Type;
const HeaderField kHeader[] = {
    {QStringLiteral("【料理名　】"), QStringLiteral("料理名"), T::Text, &Recipe::DishName, nullptr, &RecipeForm::DishName},
    {QStringLiteral("【ジャンル】"), QStringLiteral("ジャンル"), T::Text, &Recipe::Genre, nullptr, &RecipeForm::Genre, true},
    {QStringLiteral("【種類　　】"), QStringLiteral("種類"), T::Text, &Recipe::Kind, nullptr, &RecipeForm::Kind, true},
    {QStringLiteral("【調理方法】"), QStringLiteral("調理方法"), T::Text, &Recipe::CookingMethod, nullptr,
     &RecipeForm::CookingMethod, true},
    {QStringLiteral("【一人分㌍】"), QStringLiteral("一人分㌍"), T::Single, nullptr, &Recipe::CaloriesPerPerson,
     &RecipeForm::Calories},
    {QStringLiteral("【塩分　　】"), QStringLiteral("塩分"), T::Single, nullptr, &Recipe::Salt, &RecipeForm::Salt},
    {QStringLiteral("【料理時間】"), QStringLiteral("調理時間"), T::Single, nullptr, &Recipe::CookingTime,
     &RecipeForm::CookingTime},
    {QStringLiteral("【自己評価】"), QStringLiteral("自己評価"), T::Text, &Recipe::SelfRating, nullptr,
     &RecipeForm::SelfRating, true},
    {QStringLiteral("【三者評価】"), QStringLiteral("三者評価"), T::Text, &Recipe::OthersRating, nullptr,
     &RecipeForm::OthersRating, true},
    {QStringLiteral("【回数　　】"), QStringLiteral("調理回数"), T::Count, &Recipe::CookCount, nullptr, nullptr, true},
    {QStringLiteral("【参考　　】"), QStringLiteral("参考"), T::Text, &Recipe::Reference, nullptr, &RecipeForm::Reference},
};
constexpr int kHeaderCount = int(std::size(kHeader));
constexpr qsizetype kLabelLength = 6;  // every header label is six characters

// The sections after the header, each opened by a line "----------" and its label. The last
// one, the cooking log, ends at the record's end line; the form holds it as a list of entries.
struct Section {
  QString label;
  QString name;
  QString Recipe::*text;
  QString RecipeForm::*typed;  // null for the cooking log
};

const Section kSections[] = {
    {QStringLiteral("【材料】"), QStringLiteral("材料"), &Recipe::Ingredients, &RecipeForm::Ingredients},
    {QStringLiteral("【作り方】"), QStringLiteral("作り方"), &Recipe::Steps, &RecipeForm::Steps},
    {QStringLiteral("【メモ】"), QStringLiteral("メモ"), &Recipe::Memo, &RecipeForm::Memo},
    {QStringLiteral("【調理実績】"), QStringLiteral("調理実績"), &Recipe::CookingLog, nullptr},
};
constexpr int kSectionCount = int(std::size(kSections));

// The texts of one record's lines, whichever way the record was made.
struct RecordText {
  QString fields[kHeaderCount];     // each the text after its label
  QString sections[kSectionCount];  // lines joined by CR LF
};

enum class EmptySection { NoLine, OneEmptyLine };

// Appends the record's lines, each ending in CR LF. A multi-line value is written as one piece:
// its CR LF breaks become the file's line ends.
void appendRecordText(QString& out, const RecordText& record, EmptySection empty) {
  auto line = [&out](QStringView a, QStringView b = {}) {
    out += a;
    out += b;
    out += kCrLf;
  };
  line(kSeparator);
  for (int f = 0; f < kHeaderCount; ++f) line(kHeader[f].label, record.fields[f]);
  for (int s = 0; s < kSectionCount; ++s) {
    line(kSectionEnd);
    line(kSections[s].label);
    const QString& value = record.sections[s];
    if (!value.isEmpty() || empty == EmptySection::OneEmptyLine) line(value);
  }
  line(kRecordEnd);
}

RecordText textOf(const Recipe& r) {
  RecordText out;
  for (int f = 0; f < kHeaderCount; ++f) {
    const HeaderField& field = kHeader[f];
    out.fields[f] = field.type == T::Single ? numbers::FormatSingle(r.*field.single) : r.*field.text;
  }
  for (int s = 0; s < kSectionCount; ++s) out.sections[s] = r.*kSections[s].text;
  return out;
}

RecordText textOf(const RecipeForm& form) {
  RecordText out;
  for (int f = 0; f < kHeaderCount; ++f) {
    const HeaderField& field = kHeader[f];
    switch (field.type) {
      case T::Text: out.fields[f] = form.*field.typed; break;
      case T::Single: out.fields[f] = numbers::FormatDouble(numbers::ReadNumber(form.*field.typed)); break;
      case T::Count: out.fields[f] = numbers::FormatDouble(form.CookCount); break;
    }
  }
  for (int s = 0; s < kSectionCount; ++s)
    out.sections[s] = kSections[s].typed ? form.*kSections[s].typed : form.CookingLog.join(kCrLf);
  return out;
}

// Only a line feed ends a line for the reader; a carriage return inside a line (an old file may
// hold one) reads back as it was written, so it must not stop a rewrite of the whole book.
bool hasLineBreak(QStringView text) { return text.contains(u'\n'); }

std::optional<QString> unencodable(const QString& name, QStringView text) {
  if (auto bad = cp932::firstUnencodable(text))
    return QStringLiteral("%1に保存できない文字%2があります。").arg(name, cp932::describeCharacter(bad->character));
  return std::nullopt;
}

// A record the reader would not read back as written is refused, field by field.
std::optional<QString> check(const RecordText& record) {
  for (int f = 0; f < kHeaderCount; ++f) {
    if (hasLineBreak(record.fields[f]))
      return QStringLiteral("%1に改行は入れられません。").arg(kHeader[f].name);
    if (auto problem = unencodable(kHeader[f].name, record.fields[f])) return problem;
  }
  for (int s = 0; s < kSectionCount; ++s) {
    const QString& value = record.sections[s];
    const QString& name = kSections[s].name;
    if (auto problem = unencodable(name, value)) return problem;
    if (value.isEmpty()) continue;
    for (QStringView line : QStringView(value).tokenize(kCrLf)) {
      if (hasLineBreak(line)) return QStringLiteral("%1の改行が正しくありません。").arg(name);
      const bool last = s == kSectionCount - 1;
      if (!last && line == kSectionEnd)
        return QStringLiteral("%1に「----------」だけの行は保存できません。").arg(name);
      if (last && line == kRecordEnd) return QStringLiteral("%1に「'」だけの行は保存できません。").arg(name);
    }
  }
  return std::nullopt;
}

std::optional<FileError> refused(const QString& path, const std::optional<QString>& problem) {
  if (!problem) return std::nullopt;
  return FileError{FileError::Kind::Refused, path, 0, *problem};
}

FileError malformed(const QString& path, int line, const QString& detail) {
  return FileError{FileError::Kind::Malformed, path, line, detail};
}

}  // namespace

std::optional<QString> checkStorable(const RecipeForm& form) {
  if (auto problem = check(textOf(form))) return problem;
  // A number too large for single precision would read back as 0.
  for (const HeaderField& field : kHeader)
    if (field.type == T::Single && !numbers::FitsSingle(form.*field.typed))
      return QStringLiteral("%1の数値が大きすぎます。").arg(field.name);
  return std::nullopt;
}

void ApplyForm(Recipe& r, const RecipeForm& form) {
  for (const HeaderField& field : kHeader) {
    if (field.text == &Recipe::DishName) continue;  // a change keeps the stored name
    switch (field.type) {
      case T::Text: r.*field.text = form.*field.typed; break;
      case T::Single: r.*field.single = numbers::ReadSingle(form.*field.typed); break;
      case T::Count: r.*field.text = numbers::FormatDouble(form.CookCount); break;
    }
  }
  for (const Section& section : kSections)
    r.*section.text = section.typed ? form.*section.typed : form.CookingLog.join(kCrLf);
}

namespace {

// Where each line of a text starts and ends (the end excludes the line's CR LF or LF), so that
// the reader compares views and copies out only the values it keeps.
struct LineIndex {
  const QString& text;
  std::vector<qsizetype> starts, ends;

  explicit LineIndex(const QString& t) : text(t) {
    const char16_t* data = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    starts.reserve(size_t(n / 24));
    ends.reserve(size_t(n / 24));
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
      if (data[i] != u'\n') continue;
      starts.push_back(start);
      ends.push_back(i > start && data[i - 1] == u'\r' ? i - 1 : i);
      start = i + 1;
    }
    if (start < n) {
      starts.push_back(start);
      ends.push_back(n);
    }
  }
  qsizetype count() const { return qsizetype(starts.size()); }
  QStringView line(qsizetype i) const {
    return QStringView(text).sliced(starts[size_t(i)], ends[size_t(i)] - starts[size_t(i)]);
  }
  // Most lines differ from the marker lines in length, so that is compared first.
  bool is(qsizetype i, const QString& marker) const {
    return ends[size_t(i)] - starts[size_t(i)] == marker.size() && line(i) == marker;
  }
  // Lines first..last-1 joined by CR LF: one copy of the text when every line ends in CR LF.
  QString joined(qsizetype first, qsizetype last) const {
    if (first == last) return QString();
    bool crlf = true;
    for (qsizetype i = first; i < last - 1 && crlf; ++i) crlf = starts[size_t(i + 1)] - ends[size_t(i)] == 2;
    if (crlf) return text.mid(starts[size_t(first)], ends[size_t(last - 1)] - starts[size_t(first)]);
    QString out;
    for (qsizetype i = first; i < last; ++i) {
      if (i > first) out += kCrLf;
      out += line(i);
    }
    return out;
  }
};

// Category words, ratings and counts repeat from record to record: one shared copy of each of
// the first few dozen distinct values saves a full book hundreds of thousands of allocations.
class SharedValues {
 public:
  QString operator()(QStringView value) {
    for (const QString& known : known_)
      if (known.size() == value.size() && known == value) return known;
    QString copy = value.toString();
    if (known_.size() < 64) known_.push_back(copy);
    return copy;
  }

 private:
  std::vector<QString> known_;
};

// The count as a number turned back into text ("03" -> "3", "" -> "0"); a count already in that
// form is taken as it is.
QString normalisedCount(QStringView text) {
  const bool plain = !text.isEmpty() && text.size() <= 9 && (text[0] != u'0' || text.size() == 1) &&
                     std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return plain ? text.toString() : numbers::FormatDouble(numbers::ReadNumber(text));
}

// The separator, the header lines, the first section's end line and label.
constexpr qsizetype kFirstSectionLine = 1 + kHeaderCount + 2;

std::variant<RecipeTable, FileError> parse(const LineIndex& lines, const QString& path, const Progress& progress) {
  // Trailing empty lines are tolerated; any other text after the last record is not.
  qsizetype end = lines.count();
  while (end > 0 && lines.line(end - 1).isEmpty()) --end;

  int counted = 0;
  for (qsizetype i = 0; i < end; ++i)
    if (lines.is(i, kSeparator)) ++counted;
  if (progress) progress(0, counted, QString());

  RecipeTable table;
  table.reserve(std::min(counted, kMaxRecipes));
  auto truncated = [&]() {
    return malformed(path, int(end),
                     QStringLiteral("レシピの途中でファイルが終わっています（最後のレシピに終わりの行「'」がありません）。"));
  };
  SharedValues shared[kHeaderCount];
  qsizetype i = 0;
  while (i < end) {
    if (!lines.is(i, kSeparator))
      return malformed(path, int(i) + 1,
                       QStringLiteral("レシピの始まりの行（*が31個）があるはずの所に別の文字があります。"));
    if (table.count() == kMaxRecipes)
      return malformed(path, int(i) + 1, QStringLiteral("レシピが%1件を超えています。").arg(kMaxRecipes));
    if (i + kFirstSectionLine > end) return truncated();
    Recipe r;
    for (int f = 0; f < kHeaderCount; ++f) {
      const HeaderField& field = kHeader[f];
      const QStringView value = lines.line(i + 1 + f).mid(kLabelLength);
      switch (field.type) {
        case T::Text: r.*field.text = field.repeats ? shared[f](value) : value.toString(); break;
        case T::Single: r.*field.single = numbers::ReadSingle(value); break;
        case T::Count: r.*field.text = shared[f](normalisedCount(value)); break;
      }
    }
    i += kFirstSectionLine;
    for (int s = 0; s < kSectionCount; ++s) {
      if (s > 0) {
        if (i >= end) return truncated();
        ++i;  // the section's label line
      }
      const QString& stop = s < kSectionCount - 1 ? kSectionEnd : kRecordEnd;
      const qsizetype first = i;
      while (i < end && !lines.is(i, stop)) ++i;
      if (i >= end) return truncated();
      // A section of one empty line is an empty value, as is a section without lines.
      r.*kSections[s].text = lines.joined(first, i);
      ++i;
    }
    table.append(std::move(r));
    if (progress) progress(table.count(), counted, table[table.count()].DishName);
  }
  return table;
}

}  // namespace

std::variant<RecipeTable, FileError> LoadRecipeFile(const QString& path, const Progress& progress) {
  auto text = text_file::readText(path);
  if (auto* error = std::get_if<FileError>(&text)) return *error;
  return parse(LineIndex(std::get<QString>(text)), path, progress);
}

namespace {

// Writes the bytes over the file only when they read back as a book, and returns what they read
// as: the table then always mirrors the file, and a file the reader would refuse is never made.
Written writeReadingBack(const QString& path, const QByteArray& bytes) {
  auto text = text_file::decodeForFile(path, bytes);
  if (auto* error = std::get_if<FileError>(&text)) return *error;
  auto table = parse(LineIndex(std::get<QString>(text)), path, {});
  if (std::holds_alternative<FileError>(table)) return table;
  if (auto error = text_file::writeBytes(path, bytes)) return *error;
  return table;
}

Written writeTable(const QString& path, const RecipeTable& table, int without, EmptySection empty) {
  QString text;
  for (int i = 1; i <= table.count(); ++i) {
    if (i == without) continue;
    const RecordText record = textOf(table[i]);
    if (auto error = refused(path, check(record))) return *error;
    appendRecordText(text, record, empty);
  }
  auto bytes = text_file::encodeForFile(path, text);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return writeReadingBack(path, std::get<QByteArray>(bytes));
}

}  // namespace

Written AppendRecipe(const QString& path, const RecipeForm& form) {
  const RecordText record = textOf(form);
  if (auto error = refused(path, check(record))) return *error;
  QString text;
  appendRecordText(text, record, EmptySection::NoLine);
  // The reader stops at empty lines after the last record, so the new record goes before them.
  auto bytes = text_file::withAppended(path, text, text_file::EmptyLinesAtEnd::Drop);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return writeReadingBack(path, std::get<QByteArray>(bytes));
}

Written RewriteRecipeFile(const QString& path, const RecipeTable& table) {
  return writeTable(path, table, 0, EmptySection::NoLine);
}

Written WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n) {
  return writeTable(path, table, n, EmptySection::OneEmptyLine);
}

}  // namespace recipe_file
