// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refrigerator's two files in the data folder.
//
// "冷蔵庫.TXT", the stock: one entry a line, three quoted fields (name, purchase date, best-before),
// an empty field as "". "材料.TXT", the ingredient names: one bare name a line, in the order added;
// read back with a comma also ending a name and blanks around a name dropped.
//
// A missing file reads as empty; the first write creates it.
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

#include "fridge/rules/stock.h"
#include "platform/rules/file_error.h"

namespace fridge_files {

inline const QString kStockFileName = QStringLiteral("冷蔵庫.TXT");
inline const QString kIngredientFileName = QStringLiteral("材料.TXT");

// The stock entries in file order with their days left for today. Blank lines are skipped. A line
// with more than three fields, or with text after a field's closing quote, is reported as
// malformed, so that the file is never rewritten from a misreading.
std::variant<std::vector<StockEntry>, FileError> ReadStock(const QString& path, QDate today);

QString StockLine(const StockEntry& entry);

// Replaces the file with the entries, in order.
std::optional<FileError> WriteStock(const QString& path, const std::vector<StockEntry>& entries);

// Takes the shown entries the window removed out of the file as it is now, matched by content:
// the entries the window keeps are written in its order (as far as the file still holds them:
// one that another writer removed stays removed), then every entry another writer added, in
// file order. True when the file then holds exactly the kept entries.
std::variant<bool, FileError> RemoveStockEntries(const QString& path, const std::vector<StockEntry>& shown,
                                                 const std::vector<StockEntry>& kept);

// Adds one entry's line at the end.
std::optional<FileError> AppendStockEntry(const QString& path, const StockEntry& entry);

// Adds the entries' lines at the end in one write.
std::optional<FileError> AppendStockEntries(const QString& path, const std::vector<StockEntry>& entries);

std::variant<QStringList, FileError> ReadIngredientNames(const QString& path);

// Adds the name as one line at the end.
std::optional<FileError> AppendIngredientName(const QString& path, const QString& name);

}  // namespace fridge_files
