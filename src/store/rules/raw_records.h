// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records of a recipe file kept as the bytes they stand in, for copying them into another file
// exactly as they are: the exchange file, records brought in from another cook or from a backup.
// They are found by the book's own record walker, so a file the reader refuses is refused here.
#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "platform/rules/file_error.h"
#include "store/rules/record_walker.h"

namespace recipe_file {

struct RawRecord {
  QString dishName;
  RecordSpan span;  // in RawRecords::bytes
};

struct RawRecords {
  QString path;
  QByteArray bytes;
  std::vector<RawRecord> records;  // in file order
};

// The records the bytes hold, or why they are not a sound recipe file. A file that ends inside
// a record is reported at the line that record starts on.
std::variant<RawRecords, FileError> FindRawRecords(const QString& path, QByteArray bytes);

// The same for the recipe file at path.
std::variant<RawRecords, FileError> ReadRawRecords(const QString& path);

// The record's lines, each followed by CR LF whatever line end it had.
void AppendRecordLines(QByteArray& out, const RawRecords& from, const RawRecord& record);

// Appends the chosen records (indexes into from.records, in the order given) to the recipe file
// in one atomic write. Refused before anything is written when the recipe file itself is not a
// sound sequence of records or the book would go past kMaxRecipes. Empty lines after the book's
// last record are dropped, so that the appended records read back.
std::optional<FileError> AppendRawRecords(const QString& recipePath, const RawRecords& from,
                                          const std::vector<int>& chosen);

}  // namespace recipe_file
