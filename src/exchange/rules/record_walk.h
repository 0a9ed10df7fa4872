#pragma once
// Records found in the raw CP932 bytes of a recipe file or an exchange file, taken the way the
// book's reader takes them: a separator line, eleven field lines, the ingredients, steps and memo
// each closed by "----------", and the cooking log closed by "'". Working on the bytes lets the
// exchange copy records exactly as they stand, with no round trip through Unicode.
#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

#include "platform/rules/file_error.h"

namespace exchange {

// The bytes cut into lines. A line ends at LF; a CR just before the LF is not part of the line.
class ByteLines {
 public:
  ByteLines() = default;
  explicit ByteLines(QByteArray bytes);

  qsizetype count() const { return qsizetype(starts_.size()); }
  QByteArrayView line(qsizetype i) const;
  // Where line i begins; count() gives the end of the bytes.
  qsizetype startOf(qsizetype i) const;
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  std::vector<qsizetype> starts_, ends_;
};

// Lines [first, end) of one record: the separator through the record end line "'".
struct RecordSpan {
  qsizetype first = 0;
  qsizetype end = 0;
};

// Every record in order. Empty lines after the last record are tolerated, as the reader does;
// a record that does not end, or any other line outside a record, is reported with its line.
std::variant<std::vector<RecordSpan>, FileError> FindRecords(const ByteLines& lines, const QString& path);

// The record's lines, each followed by CR LF.
void AppendRecord(QByteArray& out, const ByteLines& lines, RecordSpan span);

// The dish name: the record's second line from its seventh character on.
QString DishNameOf(const ByteLines& lines, RecordSpan span);

// The dish-name label "【料理名　】" as the file holds it.
const QByteArray& DishNameLabel();

}  // namespace exchange
