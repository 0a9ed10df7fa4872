// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every data file is CP932 text of whole lines ending in CR LF. This is the one place that reads
// and writes them. Reads are strict about the encoding; every write replaces the file atomically,
// so a crash or a full disk leaves the old file or the new one, never half of one.
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "platform/rules/file_error.h"
#include "platform/rules/file_stamp.h"
#include "platform/rules/plain_file.h"

class QSaveFile;

namespace text_file {

// The file's lines without their line ends. A line ends at CR LF or at a lone LF; a last line
// without a line end is still a line. An empty file has no lines.
std::variant<QStringList, FileError> readLines(const QString& path);

// The file's bytes as they stand (for copying records without a round trip through Unicode).
// Only a regular file of at most cap bytes is read (see plain_file).
std::variant<QByteArray, FileError> readBytes(const QString& path, qint64 cap = plain_file::kDataFileCap);

// The whole file decoded, line ends as they are.
std::variant<QString, FileError> readText(const QString& path);

// Bytes of the file at path decoded strictly; an error names the line.
std::variant<QString, FileError> decodeForFile(const QString& path, const QByteArray& bytes);

// Splits decoded text into lines as readLines does.
QStringList splitLines(const QString& text);

// True when the text holds a CR or an LF: it cannot be stored as one line of a file.
bool holdsLineBreak(QStringView text);

// Joins lines, each followed by CR LF.
QString joinLines(const QStringList& lines);

// Replaces the file with these lines. Refuses, before touching the file, a character that CP932
// cannot hold.
std::optional<FileError> writeLines(const QString& path, const QStringList& lines);

// Writes text (already holding its CR LF line ends) over the file, atomically.
std::optional<FileError> writeText(const QString& path, const QString& text);

// Adds text (whole lines with their CR LF) at the end, as appendLines does.
std::optional<FileError> appendText(const QString& path, const QString& text);

enum class EmptyLinesAtEnd { Keep, Drop };

// The file's bytes followed by the text (whole lines with their CR LF), as appendText writes
// them; with Drop, empty lines at the end of the old content go first. A missing file is empty.
std::variant<QByteArray, FileError> withAppended(const QString& path, const QString& text, EmptyLinesAtEnd empty);

// Adds lines at the end: the old content plus the new lines are written to a new file that then
// replaces the old one. A missing file is created. The old content is kept byte for byte.
std::optional<FileError> appendLines(const QString& path, const QStringList& lines);

// The bytes of text in CP932, or an error naming the first character that cannot be held.
std::variant<QByteArray, FileError> encodeForFile(const QString& path, const QString& text);

// Replaces the file with the bytes. A write that stops partway (a full disk) is reported and the
// old file stays as it was.
std::optional<FileError> writeBytes(const QString& path, const QByteArray& bytes);

// As writeBytes, but only over the file that stamp describes: when another writer has replaced
// or changed it since, nothing is written and the error is ChangedOutside. After the write the
// stamp is the written file's. Writing bytes equal to the file's stamped content still writes.
std::optional<FileError> writeBytesOver(const QString& path, const QByteArray& bytes, FileStamp& stamp);

// A new content for the file at path, written and synced beside the file but not yet in its
// place: the slow part of a write, which may run on another thread while the caller still proves
// the content. It is then put in place over the file as stamped, or dropped (when it is destroyed
// uncommitted, the file stays as it was).
class PendingWrite {
 public:
  explicit PendingWrite(const QString& path);
  ~PendingWrite();
  PendingWrite(const PendingWrite&) = delete;
  PendingWrite& operator=(const PendingWrite&) = delete;

  // The content is the pieces, in order.
  std::optional<FileError> write(const std::vector<QByteArrayView>& pieces);
  // Puts the content in place: over whatever file is there, or, as writeBytesOver does, only
  // over the file the stamp describes.
  std::optional<FileError> commit();
  std::optional<FileError> commitOver(FileStamp& stamp);

 private:
  QString path_;
  std::unique_ptr<QSaveFile> file_;
  FileStamp written_;
};

// What a change of a small file makes of its lines as they are now (none for a missing file):
// the lines to write, or why not.
using LinesChange = std::function<std::variant<QStringList, FileError>(const QStringList& current)>;

// Reads the file afresh, applies the change and writes the result over the file it read; when
// another writer changes the file in between, all of that again (a few times). Nothing is
// written when the change leaves the lines as they were.
std::optional<FileError> updateLines(const QString& path, const LinesChange& change);

// Replaces several files as one change: all are encoded and written to temporary files first,
// and only when every one is complete are they put in place. The first failure is returned.
std::optional<FileError> writeLinesTogether(const std::vector<std::pair<QString, QStringList>>& files);

}  // namespace text_file
