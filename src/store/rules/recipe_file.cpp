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

void appendRecordLines(QStringList& out, const RecordText& record, EmptySection empty) {
  out.append(kSeparator);
  for (int f = 0; f < 11; ++f) out.append(kLabels[f] + record.fields[f]);
  for (int s = 0; s < 4; ++s) {
    out.append(kSectionEnd);
    out.append(kSectionLabels[s]);
    const QString& value = record.sections[s];
    if (!value.isEmpty()) out.append(value.split(kCrLf));
    else if (empty == EmptySection::OneEmptyLine) out.append(QString());
  }
  out.append(kRecordEnd);
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

bool hasLineBreak(const QString& text) { return text.contains(u'\r') || text.contains(u'\n'); }

std::optional<QString> unencodable(const QString& name, const QString& text) {
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
    for (const QString& line : value.split(kCrLf)) {
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
  QStringList lines;
  lines.reserve(qsizetype(table.count()) * 30);
  for (int i = 1; i <= table.count(); ++i) {
    if (i == without) continue;
    const RecordText text = textOf(table[i]);
    if (auto error = refused(path, check(text))) return error;
    appendRecordLines(lines, text, empty);
  }
  return text_file::writeLines(path, lines);
}

FileError malformed(const QString& path, int line, const QString& detail) {
  return FileError{FileError::Kind::Malformed, path, line, detail};
}

}  // namespace

std::optional<QString> checkStorable(const RecipeForm& form) { return check(textOf(form)); }
std::optional<QString> checkStorable(const Recipe& recipe) { return check(textOf(recipe)); }

QStringList recordLines(const Recipe& recipe) {
  QStringList lines;
  appendRecordLines(lines, textOf(recipe), EmptySection::NoLine);
  return lines;
}

std::variant<RecipeTable, FileError> parseRecipeLines(const QStringList& lines, const QString& path,
                                                      const Progress& progress) {
  const qsizetype n = lines.size();
  // Trailing empty lines are tolerated; any other text after the last record is not.
  qsizetype end = n;
  while (end > 0 && lines[end - 1].isEmpty()) --end;

  int counted = 0;
  for (qsizetype i = 0; i < end; ++i)
    if (lines[i] == kSeparator) ++counted;
  if (progress) progress(0, counted, QString());

  RecipeTable table;
  table.reserve(counted);
  qsizetype i = 0;
  auto truncated = [&]() {
    return malformed(path, int(end),
                     QStringLiteral("レシピの途中でファイルが終わっています（最後のレシピに終わりの行「'」がありません）。"));
  };
  while (i < end) {
    if (lines[i] != kSeparator)
      return malformed(path, int(i) + 1,
                       QStringLiteral("レシピの始まりの行（*が31個）があるはずの所に別の文字があります。"));
    if (table.count() == kMaxRecipes)
      return malformed(path, int(i) + 1,
                       QStringLiteral("レシピが%1件を超えています。").arg(kMaxRecipes));
    if (i + 14 > end) return truncated();
    Recipe r;
    auto value = [&](int k) { return lines[i + k].mid(6); };
    r.DishName = value(1);
    r.Genre = value(2);
    r.Kind = value(3);
    r.CookingMethod = value(4);
    r.CaloriesPerPerson = numbers::ReadSingle(value(5));
    r.Salt = numbers::ReadSingle(value(6));
    r.CookingTime = numbers::ReadSingle(value(7));
    r.SelfRating = value(8);
    r.OthersRating = value(9);
    r.CookCount = numbers::FormatDouble(numbers::ReadNumber(value(10)));
    r.Reference = value(11);
    i += 14;  // the header lines, the first section end and the "【材料】" line
    QString* sections[4] = {&r.Ingredients, &r.Steps, &r.Memo, &r.CookingLog};
    for (int s = 0; s < 4; ++s) {
      if (s > 0) {
        if (i >= end) return truncated();
        ++i;  // the section's label line
      }
      const QString& stop = s < 3 ? kSectionEnd : kRecordEnd;
      QString& text = *sections[s];
      while (true) {
        if (i >= end) return truncated();
        const QString& line = lines[i++];
        if (line == stop) break;
        text += line;
        text += kCrLf;
      }
      if (!text.isEmpty()) text.chop(2);
    }
    table.append(std::move(r));
    if (progress) progress(table.count(), counted, table[table.count()].DishName);
  }
  return table;
}

std::variant<RecipeTable, FileError> LoadRecipeFile(const QString& path, const Progress& progress) {
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  return parseRecipeLines(std::get<QStringList>(lines), path, progress);
}

std::optional<FileError> AppendRecipe(const QString& path, const RecipeForm& form) {
  const RecordText text = textOf(form);
  if (auto error = refused(path, check(text))) return error;
  QStringList lines;
  appendRecordLines(lines, text, EmptySection::NoLine);
  return text_file::appendLines(path, lines);
}

std::optional<FileError> RewriteRecipeFile(const QString& path, const RecipeTable& table) {
  return writeTable(path, table, 0, EmptySection::NoLine);
}

std::optional<FileError> WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n) {
  return writeTable(path, table, n, EmptySection::OneEmptyLine);
}

}  // namespace recipe_file
