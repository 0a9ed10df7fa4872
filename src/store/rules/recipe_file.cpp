#include "store/rules/recipe_file.h"

#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"
#include "platform/rules/text_file.h"

namespace recipe_file {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QString kLabels[11] = {
    QStringLiteral("【料理名　】"), QStringLiteral("【ジャンル】"), QStringLiteral("【種類　　】"),
    QStringLiteral("【調理方法】"), QStringLiteral("【一人分㌍】"), QStringLiteral("【塩分　　】"),
    QStringLiteral("【料理時間】"), QStringLiteral("【自己評価】"), QStringLiteral("【三者評価】"),
    QStringLiteral("【回数　　】"), QStringLiteral("【参考　　】")};
const QString kSectionLabels[4] = {QStringLiteral("【材料】"), QStringLiteral("【作り方】"),
                                   QStringLiteral("【メモ】"), QStringLiteral("【調理実績】")};

// The texts of one record's lines, whichever way the record was made.
struct RecordText {
  QString fields[11];   // name .. reference, each the text after its label
  QString sections[4];  // ingredients, steps, memo, cooking log; lines joined by CR LF
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
  for (int f = 0; f < 11; ++f) line(kLabels[f], record.fields[f]);
  for (int s = 0; s < 4; ++s) {
    line(kSectionEnd);
    line(kSectionLabels[s]);
    const QString& value = record.sections[s];
    if (!value.isEmpty() || empty == EmptySection::OneEmptyLine) line(value);
  }
  line(kRecordEnd);
}

RecordText textOf(const Recipe& r) {
  return {{r.DishName, r.Genre, r.Kind, r.CookingMethod, numbers::FormatSingle(r.CaloriesPerPerson),
           numbers::FormatSingle(r.Salt), numbers::FormatSingle(r.CookingTime), r.SelfRating,
           r.OthersRating, r.CookCount, r.Reference},
          {r.Ingredients, r.Steps, r.Memo, r.CookingLog}};
}

RecordText textOf(const RecipeForm& f) {
  auto number = [](const QString& text) { return numbers::FormatDouble(numbers::ReadNumber(text)); };
  return {{f.DishName, f.Genre, f.Kind, f.CookingMethod, number(f.Calories), number(f.Salt),
           number(f.CookingTime), f.SelfRating, f.OthersRating, number(f.CookCount), f.Reference},
          {f.Ingredients, f.Steps, f.Memo, f.CookingLog.join(kCrLf)}};
}

const QString kFieldNames[11] = {QStringLiteral("料理名"), QStringLiteral("ジャンル"), QStringLiteral("種類"),
                                 QStringLiteral("調理方法"), QStringLiteral("一人分㌍"), QStringLiteral("塩分"),
                                 QStringLiteral("調理時間"), QStringLiteral("自己評価"), QStringLiteral("三者評価"),
                                 QStringLiteral("調理回数"), QStringLiteral("参考")};
const QString kSectionNames[4] = {QStringLiteral("材料"), QStringLiteral("作り方"), QStringLiteral("メモ"),
                                  QStringLiteral("調理実績")};

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
  for (int f = 0; f < 11; ++f) {
    if (hasLineBreak(record.fields[f]))
      return QStringLiteral("%1に改行は入れられません。").arg(kFieldNames[f]);
    if (auto problem = unencodable(kFieldNames[f], record.fields[f])) return problem;
  }
  for (int s = 0; s < 4; ++s) {
    const QString& value = record.sections[s];
    if (auto problem = unencodable(kSectionNames[s], value)) return problem;
    if (value.isEmpty()) continue;
    for (QStringView line : QStringView(value).tokenize(kCrLf)) {
      if (hasLineBreak(line))
        return QStringLiteral("%1の改行が正しくありません。").arg(kSectionNames[s]);
      if (s < 3 && line == kSectionEnd)
        return QStringLiteral("%1に「----------」だけの行は保存できません。").arg(kSectionNames[s]);
      if (s == 3 && line == kRecordEnd)
        return QStringLiteral("%1に「'」だけの行は保存できません。").arg(kSectionNames[s]);
    }
  }
  return std::nullopt;
}

std::optional<FileError> refused(const QString& path, const std::optional<QString>& problem) {
  if (!problem) return std::nullopt;
  return FileError{FileError::Kind::Refused, path, 0, *problem};
}

std::optional<FileError> writeTable(const QString& path, const RecipeTable& table, int without,
                                    EmptySection empty) {
  QString text;
  for (int i = 1; i <= table.count(); ++i) {
    if (i == without) continue;
    const RecordText record = textOf(table[i]);
    if (auto error = refused(path, check(record))) return error;
    appendRecordText(text, record, empty);
  }
  return text_file::writeText(path, text);
}

FileError malformed(const QString& path, int line, const QString& detail) {
  return FileError{FileError::Kind::Malformed, path, line, detail};
}

}  // namespace

std::optional<QString> checkStorable(const RecipeForm& form) {
  if (auto problem = check(textOf(form))) return problem;
  // A number too large for single precision would read back as 0.
  const QString* typedNumbers[3] = {&form.Calories, &form.Salt, &form.CookingTime};
  for (int k = 0; k < 3; ++k)
    if (!numbers::FitsSingle(*typedNumbers[k])) return QStringLiteral("%1の数値が大きすぎます。").arg(kFieldNames[4 + k]);
  return std::nullopt;
}

void ApplyForm(Recipe& r, const RecipeForm& form) {
  r.Genre = form.Genre;
  r.Kind = form.Kind;
  r.CookingMethod = form.CookingMethod;
  r.Reference = form.Reference;
  r.Ingredients = form.Ingredients;
  r.Steps = form.Steps;
  r.Memo = form.Memo;
  r.CaloriesPerPerson = numbers::ReadSingle(form.Calories);
  r.Salt = numbers::ReadSingle(form.Salt);
  r.CookingTime = numbers::ReadSingle(form.CookingTime);
  r.SelfRating = form.SelfRating;
  r.OthersRating = form.OthersRating;
  r.CookCount = numbers::FormatDouble(numbers::ReadNumber(form.CookCount));
  r.CookingLog = form.CookingLog.join(kCrLf);
}
std::optional<QString> checkStorable(const Recipe& recipe) { return check(textOf(recipe)); }

QStringList recordLines(const Recipe& recipe) {
  QString text;
  appendRecordText(text, textOf(recipe), EmptySection::NoLine);
  return text_file::splitLines(text);
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
  QString value(qsizetype i) const {  // the line from its seventh character on
    const qsizetype length = ends[size_t(i)] - starts[size_t(i)];
    return length > 6 ? text.mid(starts[size_t(i)] + 6, length - 6) : QString();
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
  SharedValues genres, kinds, methods, ratings, counts;
  auto valueView = [&lines](qsizetype k) { return lines.line(k).mid(6); };
  qsizetype i = 0;
  while (i < end) {
    if (!lines.is(i, kSeparator))
      return malformed(path, int(i) + 1,
                       QStringLiteral("レシピの始まりの行（*が31個）があるはずの所に別の文字があります。"));
    if (table.count() == kMaxRecipes)
      return malformed(path, int(i) + 1, QStringLiteral("レシピが%1件を超えています。").arg(kMaxRecipes));
    if (i + 14 > end) return truncated();
    Recipe r;
    r.DishName = lines.value(i + 1);
    r.Genre = genres(valueView(i + 2));
    r.Kind = kinds(valueView(i + 3));
    r.CookingMethod = methods(valueView(i + 4));
    r.CaloriesPerPerson = numbers::ReadSingle(lines.line(i + 5).mid(6));
    r.Salt = numbers::ReadSingle(lines.line(i + 6).mid(6));
    r.CookingTime = numbers::ReadSingle(lines.line(i + 7).mid(6));
    r.SelfRating = ratings(valueView(i + 8));
    r.OthersRating = ratings(valueView(i + 9));
    r.CookCount = counts(normalisedCount(valueView(i + 10)));
    r.Reference = lines.value(i + 11);
    i += 14;  // the header lines, the first section end and the "【材料】" line
    QString* sections[4] = {&r.Ingredients, &r.Steps, &r.Memo, &r.CookingLog};
    for (int s = 0; s < 4; ++s) {
      if (s > 0) {
        if (i >= end) return truncated();
        ++i;  // the section's label line
      }
      const QString& stop = s < 3 ? kSectionEnd : kRecordEnd;
      const qsizetype first = i;
      while (i < end && !lines.is(i, stop)) ++i;
      if (i >= end) return truncated();
      // A section of one empty line is an empty value, as is a section without lines.
      *sections[s] = lines.joined(first, i);
      ++i;
    }
    table.append(std::move(r));
    if (progress) progress(table.count(), counted, table[table.count()].DishName);
  }
  return table;
}

}  // namespace

std::variant<RecipeTable, FileError> parseRecipeLines(const QStringList& lines, const QString& path,
                                                      const Progress& progress) {
  const QString text = text_file::joinLines(lines);
  return parse(LineIndex(text), path, progress);
}

std::variant<RecipeTable, FileError> LoadRecipeFile(const QString& path, const Progress& progress) {
  auto text = text_file::readText(path);
  if (auto* error = std::get_if<FileError>(&text)) return *error;
  return parse(LineIndex(std::get<QString>(text)), path, progress);
}

std::optional<FileError> AppendRecipe(const QString& path, const RecipeForm& form) {
  const RecordText record = textOf(form);
  if (auto error = refused(path, check(record))) return error;
  QString text;
  appendRecordText(text, record, EmptySection::NoLine);
  return text_file::appendText(path, text);
}

std::optional<FileError> RewriteRecipeFile(const QString& path, const RecipeTable& table) {
  return writeTable(path, table, 0, EmptySection::NoLine);
}

std::optional<FileError> WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n) {
  return writeTable(path, table, n, EmptySection::OneEmptyLine);
}

}  // namespace recipe_file
