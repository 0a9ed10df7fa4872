// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One walk over the records of a recipe file, in file order: each record's fields decoded from its
// lines and where the record stands in the bytes. A record is a separator line of 31 asterisks,
// eleven header lines, then the ingredients, steps and memo, each opened by "----------" and its
// label line, and the cooking log, which ends at a line holding a single apostrophe. The book's
// reader, the exchange and the restore of a backup all take records this one way.
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/rules/file_error.h"
#include "store/rules/recipe.h"

namespace recipe_file {

class LineCursor;

// Where a record stands: from the first byte of its separator line to just after the line end of
// its end line (the end of the bytes when that line has none).
struct RecordSpan {
  qint64 begin = 0;
  qint64 end = 0;
  int firstLine = 0;  // the separator's line number, from 1
};

class RecordWalker {
 public:
  // Every line is decoded, and so checked, either way; DishName keeps only the dish name.
  enum class Fields { All, DishName };

  RecordWalker(LineCursor& lines, const QString& path, Fields fields = Fields::All);
  ~RecordWalker();
  RecordWalker(const RecordWalker&) = delete;
  RecordWalker& operator=(const RecordWalker&) = delete;

  // Steps onto the next record; false after the last one, or when the bytes are not a sound
  // sequence of records (error() then says why, with its line). Only empty lines may follow the
  // last record, and no more records than the book can number are read.
  bool next();
  Recipe& record() { return record_; }  // the record stepped onto; it may be moved from
  // The record the next one is likely to read as (the one just written there, say), or null:
  // the values that read the same are shared with it instead of made again.
  void expect(const Recipe* known) { known_ = known; }
  const RecordSpan& span() const { return span_; }
  const std::optional<FileError>& error() const { return error_; }
  // True when the error is a record that the file ends inside of; span().firstLine is its start.
  bool endedInsideRecord() const { return endedInside_; }

 private:
  struct Decoder;
  bool readRecord();
  bool nextLine();
  bool decodeLine(bool replacing);
  bool labelInPlace(const QStringList& labels, int expected);
  bool cutShort(const QString& detail);
  bool checkLine();
  bool undecodableAt(qsizetype offset);
  FileError malformed(int line, const QString& detail);

  LineCursor& lines_;
  QString path_;
  Fields fields_;
  std::unique_ptr<Decoder> decoder_;
  Recipe record_;
  const Recipe* known_ = nullptr;
  RecordSpan span_;
  int count_ = 0;
  std::optional<FileError> error_;
  bool endedInside_ = false;
};

}  // namespace recipe_file
