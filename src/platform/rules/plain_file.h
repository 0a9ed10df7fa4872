#pragma once
// Reading a file that anyone may have put into a folder: a data file, an exchange file from a
// friend, a picture. Only a regular file is read, never a named pipe, a device or a socket (a
// pipe would block the program, a device would fill its memory); a link only when it leads to a
// file in the link's own folder or below it, so that nothing private elsewhere is read in and sent on; and
// never more bytes than a cap.
#include <QByteArray>
#include <QString>
#include <variant>

#include "platform/rules/file_error.h"

namespace plain_file {

// A full book's recipe file is about 23 MB; these leave room for long texts and large photos.
constexpr qint64 kMiB = 1024 * 1024;
constexpr qint64 kDataFileCap = 256 * kMiB;
constexpr qint64 kExchangeFileCap = 64 * kMiB;
constexpr qint64 kPictureCap = 128 * kMiB;

// The file's bytes, or why it was not read: Missing for no file (or a link to nothing),
// Unreadable with a reason for anything else.
std::variant<QByteArray, FileError> read(const QString& path, qint64 cap);

}  // namespace plain_file
