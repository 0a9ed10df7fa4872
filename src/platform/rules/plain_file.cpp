#include "platform/rules/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

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

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::variant<QByteArray, FileError> read(const QString& path, qint64 cap) {
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
  const Descriptor file(::open(QFile::encodeName(opened).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return fromErrno(path, errno);
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return fromErrno(path, errno);
  if (!S_ISREG(status.st_mode))
    return unreadable(path, QStringLiteral("普通のファイルではない（名前付きパイプや装置などの）ため、読み込みません。"));
  const auto tooLarge = [&] {
    return unreadable(path, QStringLiteral("大きすぎるため読み込みません（%1 MBまで）。").arg(cap / kMiB));
  };
  if (status.st_size > cap) return tooLarge();

  // Read to the end, which may come later than the size said when the file is still growing.
  QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
  qsizetype filled = 0;
  while (true) {
    if (filled == bytes.size()) {
      if (bytes.size() > cap) return tooLarge();
      bytes.resize(std::min<qsizetype>(bytes.size() + 64 * 1024, cap + 1));
    }
    const ssize_t n = ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fromErrno(path, errno);
    if (n == 0) break;
    filled += n;
  }
  bytes.truncate(filled);
  return bytes;
}

}  // namespace plain_file
