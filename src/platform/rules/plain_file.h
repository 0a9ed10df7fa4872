// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a file that anyone may have put into a folder: a data file, an exchange file from a
// friend, a picture. Only a regular file is read, never a named pipe, a device or a socket (a
// pipe would block the program, a device would fill its memory); a link only when it leads to a
// file in the link's own folder or below it, so that nothing private elsewhere is read in and sent on; and
// never more bytes than a cap.
#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"

namespace plain_file {

// A full book's recipe file is about 23 MB; these leave room for long texts and large photos.
constexpr qint64 kMiB = 1024 * 1024;
constexpr qint64 kDataFileCap = 256 * kMiB;
constexpr qint64 kExchangeFileCap = 64 * kMiB;
constexpr qint64 kPictureCap = 128 * kMiB;

// A file opened under the rules above, to be read piece by piece: a large file need not be held
// whole in memory.
class OpenedFile {
 public:
  ~OpenedFile();
  OpenedFile(OpenedFile&& other) noexcept;
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;
  OpenedFile& operator=(OpenedFile&&) = delete;

  // The next bytes into `into` (at most room of them), 0 at the end of the file; an error when
  // the file cannot be read, or grows past the cap as it is read.
  std::variant<qsizetype, FileError> readSome(char* into, qsizetype room);
  // Back to the first byte, for another reading from the start.
  std::optional<FileError> rewind();
  qint64 sizeWhenOpened() const { return sizeWhenOpened_; }
  // After a reading to the end: true when it met more or fewer bytes than the file held when
  // opened, or the file has another size now (another writer is still writing it).
  bool changedWhileRead() const;

 private:
  // Only open makes one, after its checks.
  friend std::variant<OpenedFile, FileError> open(const QString& path, qint64 cap);
  OpenedFile(int descriptor, QString path, qint64 cap) : fd_(descriptor), path_(std::move(path)), cap_(cap) {}
  FileError tooLarge() const;

  int fd_;
  QString path_;
  qint64 cap_;
  qint64 sizeWhenOpened_ = 0;
  qint64 readSoFar_ = 0;
};

// The file opened for reading, or why not: Missing for no file (or a link to nothing),
// Unreadable with a reason for anything else (a file already over the cap among them).
std::variant<OpenedFile, FileError> open(const QString& path, qint64 cap);

// The file's bytes, or why it was not read, as open says.
std::variant<QByteArray, FileError> read(const QString& path, qint64 cap);

}  // namespace plain_file
