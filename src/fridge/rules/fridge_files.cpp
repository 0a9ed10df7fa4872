// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/fridge_files.h"

#include <QHash>

#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

namespace fridge_files {
namespace {

constexpr int kStockFields = 3;

// The file's lines; a missing file has none.
std::variant<QStringList, FileError> readLinesOrNone(const QString& path) {
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines); error && error->kind == FileError::Kind::Missing)
    return QStringList();
  return lines;
}

// True when every quoted field's closing quote is followed by the next comma or the line end
// (blanks aside): a double quote inside a name would otherwise cut it short unnoticed.
bool quotesCloseFields(QStringView line) {
  enum { FieldStart, Unquoted, Quoted, AfterClose } state = FieldStart;
  for (QChar c : line) {
    const bool blank = c == u' ' || c == u'\t';
    switch (state) {
      case FieldStart:
        if (c == u'"') state = Quoted;
        else if (c != u',' && !blank) state = Unquoted;
        break;
      case Unquoted:
        if (c == u'"') return false;
        if (c == u',') state = FieldStart;
        break;
      case Quoted:
        if (c == u'"') state = AfterClose;
        break;
      case AfterClose:
        if (c == u',') state = FieldStart;
        else if (!blank) return false;
        break;
    }
  }
  return state != Quoted;
}

}  // namespace

std::variant<std::vector<StockEntry>, FileError> ReadStock(const QString& path, QDate today) {
  auto lines = readLinesOrNone(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  std::vector<StockEntry> entries;
  const QStringList& all = std::get<QStringList>(lines);
  entries.reserve(size_t(all.size()));
  for (qsizetype i = 0; i < all.size(); ++i) {
    if (all[i].trimmed().isEmpty()) continue;
    const QStringList fields = quoted_fields::split(all[i]);
    if (fields.size() > kStockFields || !quotesCloseFields(all[i]))
      return FileError{FileError::Kind::Malformed, path, int(i) + 1,
                       QStringLiteral("材料名、購入日、賞味期限の３項目が必要です。")};
    entries.push_back(MakeEntry(fields.value(0), fields.value(1), fields.value(2), today));
  }
  return entries;
}

QString StockLine(const StockEntry& entry) {
  return quoted_fields::quote(entry.IngredientName) + u',' + quoted_fields::quote(entry.PurchaseDate) + u',' +
         quoted_fields::quote(entry.BestBefore);
}

std::optional<FileError> WriteStock(const QString& path, const std::vector<StockEntry>& entries) {
  QStringList lines;
  lines.reserve(qsizetype(entries.size()));
  for (const StockEntry& entry : entries) lines.append(StockLine(entry));
  return text_file::writeLines(path, lines);
}

std::variant<bool, FileError> RemoveStockEntries(const QString& path, const std::vector<StockEntry>& shown,
                                                 const std::vector<StockEntry>& kept) {
  QHash<QString, int> keptLeft, removedLeft;
  for (const StockEntry& entry : kept) ++keptLeft[StockLine(entry)];
  for (const StockEntry& entry : shown) ++removedLeft[StockLine(entry)];
  for (auto it = keptLeft.cbegin(); it != keptLeft.cend(); ++it) removedLeft[it.key()] -= it.value();
  bool onlyKept = true;
  auto error = text_file::updateLines(path, [&](const QStringList& current) -> std::variant<QStringList, FileError> {
    QHash<QString, int> keptToFind = keptLeft, removedToFind = removedLeft, keptFound;
    QStringList added;
    for (const QString& line : current) {
      if (line.trimmed().isEmpty()) continue;
      // The file's own spelling of an entry is compared as the window writes it.
      const QStringList fields = quoted_fields::split(line);
      const QString entry = StockLine({.IngredientName = fields.value(0), .PurchaseDate = fields.value(1), .BestBefore = fields.value(2)});
      if (keptToFind.value(entry) > 0) --keptToFind[entry], ++keptFound[entry];
      else if (removedToFind.value(entry) > 0) --removedToFind[entry];
      else added.append(entry);
    }
    QStringList lines;
    for (const StockEntry& entry : kept) {
      const QString line = StockLine(entry);
      if (keptFound.value(line) > 0) --keptFound[line], lines.append(line);
    }
    onlyKept = added.isEmpty() && lines.size() == qsizetype(kept.size());
    return lines + added;
  });
  if (error) return *error;
  return onlyKept;
}

std::optional<FileError> AppendStockEntry(const QString& path, const StockEntry& entry) {
  return AppendStockEntries(path, {entry});
}

std::optional<FileError> AppendStockEntries(const QString& path, const std::vector<StockEntry>& entries) {
  QStringList lines;
  for (const StockEntry& entry : entries) lines.append(StockLine(entry));
  return text_file::appendLines(path, lines);
}

std::variant<QStringList, FileError> ReadIngredientNames(const QString& path) {
  auto lines = readLinesOrNone(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  QStringList names;
  for (const QString& line : std::get<QStringList>(lines)) {
    for (const QString& name : quoted_fields::split(line))
      if (!name.isEmpty()) names.append(name);
  }
  return names;
}

std::optional<FileError> AppendIngredientName(const QString& path, const QString& name) {
  return text_file::appendLines(path, {name});
}

}  // namespace fridge_files
