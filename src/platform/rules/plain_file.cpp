// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

namespace plain_file {
namespace {

FileError unreadable(const QString& path, const QString& why) {
  return FileError{FileError::Kind::Unreadable, path, 0, why};
}

FileError fromErrno(const QString& path, int error) {
  if (error == ENOENT) return FileError{FileError::Kind::Missing, path, 0, {}};
  return unreadable(path, QString::fromLocal8Bit(std::strerror(error)));
}

// The file a link leads to when it lies in the link's own folder (or below it); empty otherwise.
QString linkTargetInOwnFolder(const QString& path) {
  const QFileInfo link(path);
  const QString folder = QFileInfo(link.absolutePath()).canonicalFilePath();
  const QString target = link.canonicalFilePath();
  if (folder.isEmpty() || target.isEmpty()) return {};
  const QString inside = folder.endsWith(u'/') ? folder : folder + u'/';
  return target.startsWith(inside) ? target : QString();
}

}  // namespace

OpenedFile::~OpenedFile() {
  if (fd_ >= 0) ::close(fd_);
}

OpenedFile::OpenedFile(OpenedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      cap_(other.cap_),
      sizeWhenOpened_(other.sizeWhenOpened_),
      readSoFar_(other.readSoFar_) {}

FileError OpenedFile::tooLarge() const {
  return unreadable(path_, QStringLiteral("大きすぎるため読み込みません（%1 MBまで）。").arg(cap_ / kMiB));
}

std::variant<qsizetype, FileError> OpenedFile::readSome(char* into, qsizetype room) {
  while (true) {
    // One byte past the cap is enough to tell that the file has grown over it.
    const qint64 allowed = std::min<qint64>(room, cap_ + 1 - readSoFar_);
    const ssize_t n = ::read(fd_, into, size_t(std::max<qint64>(allowed, 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fromErrno(path_, errno);
    readSoFar_ += n;
    if (readSoFar_ > cap_) return tooLarge();
    return qsizetype(n);
  }
}

bool OpenedFile::changedWhileRead() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return true;
  return readSoFar_ != sizeWhenOpened_ || qint64(info.st_size) != sizeWhenOpened_;
}

std::optional<FileError> OpenedFile::rewind() {
  if (::lseek(fd_, 0, SEEK_SET) != 0) return fromErrno(path_, errno);
  readSoFar_ = 0;
  return std::nullopt;
}

std::variant<OpenedFile, FileError> open(const QString& path, qint64 cap) {
  QString opened = path;
  struct stat entry {};
  if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) return fromErrno(path, errno);
  if (S_ISLNK(entry.st_mode)) {
    if (!QFileInfo(path).exists()) return FileError{FileError::Kind::Missing, path, 0, {}};
    opened = linkTargetInOwnFolder(path);
    if (opened.isEmpty())
      return unreadable(path, QStringLiteral("フォルダの外を指すリンクのため、読み込みません。"));
  }
  // Not blocking, so that a pipe put in place of the file meanwhile cannot hang the open; not
  // following a link, so that a link put in place meanwhile is not followed out of the folder.
  OpenedFile file(::open(QFile::encodeName(opened).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY),
                  path, cap);
  if (file.fd_ < 0) return fromErrno(path, errno);
  struct stat status {};
  if (::fstat(file.fd_, &status) != 0) return fromErrno(path, errno);
  if (!S_ISREG(status.st_mode))
    return unreadable(path, QStringLiteral("普通のファイルではない（名前付きパイプや装置などの）ため、読み込みません。"));
  if (status.st_size > cap) return file.tooLarge();
  file.sizeWhenOpened_ = status.st_size;
  return file;
}

std::variant<QByteArray, FileError> read(const QString& path, qint64 cap) {
  auto opened = open(path, cap);
  if (auto* error = std::get_if<FileError>(&opened)) return *error;
  OpenedFile& file = std::get<OpenedFile>(opened);
  // Read to the end, which may come later than the size said when the file is still growing. One
  // byte of room past the size lets the read that meets the end do so without growing the buffer.
  QByteArray bytes(qsizetype(file.sizeWhenOpened()) + 1, Qt::Uninitialized);
  qsizetype filled = 0;
  while (true) {
    if (filled == bytes.size()) bytes.resize(std::min<qsizetype>(bytes.size() + 64 * 1024, cap + 1));
    auto n = file.readSome(bytes.data() + filled, bytes.size() - filled);
    if (auto* error = std::get_if<FileError>(&n)) return *error;
    if (std::get<qsizetype>(n) == 0) break;
    filled += std::get<qsizetype>(n);
  }
  bytes.truncate(filled);
  return bytes;
}

}  // namespace plain_file
