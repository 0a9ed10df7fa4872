// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/file_stamp.h"

#include <sys/stat.h>

#include <QFile>
#include <chrono>
#include <variant>

#include "platform/rules/plain_file.h"

namespace file_stamp {
namespace {

qint64 nowNs() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

FileStamp fromStat(const struct stat& info) {
  FileStamp stamp;
  stamp.exists = true;
  stamp.device = quint64(info.st_dev);
  stamp.inode = quint64(info.st_ino);
  stamp.size = qint64(info.st_size);
  stamp.mtimeNs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.inDoubt = nowNs() - stamp.mtimeNs < kDoubtNs;
  return stamp;
}

std::optional<FileStamp> identityOf(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
  return fromStat(info);
}

// The hash of the file's content now; nothing when it cannot be read.
std::optional<size_t> contentHash(const QString& path) {
  auto bytes = plain_file::read(path, plain_file::kDataFileCap);
  if (!std::holds_alternative<QByteArray>(bytes)) return std::nullopt;
  return hashOf(std::get<QByteArray>(bytes));
}

}  // namespace

size_t hashOf(QByteArrayView bytes) { return qHashBits(bytes.data(), size_t(bytes.size()), 0x5eed); }

FileStamp of(const QString& path) {
  std::optional<FileStamp> stamp = identityOf(path);
  if (!stamp) return {};
  if (stamp->inDoubt) {
    if (auto hash = contentHash(path)) stamp->hash = *hash;
    else stamp->inDoubt = false;  // unreadable: the identity is all there is
  }
  return *stamp;
}

FileStamp ofWritten(int descriptor, QByteArrayView bytes) {
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return {};
  FileStamp stamp = fromStat(info);
  if (stamp.inDoubt) stamp.hash = hashOf(bytes);
  return stamp;
}

bool unchanged(const QString& path, FileStamp& stamp) {
  std::optional<FileStamp> now = identityOf(path);
  if (!now) return !stamp.exists;
  if (!stamp.sameIdentity(*now)) return false;
  if (!stamp.inDoubt) return true;
  const std::optional<size_t> hash = contentHash(path);
  if (!hash || *hash != stamp.hash) return false;
  // The content is proven and its time is no longer recent: a change from now on gets a later
  // modification time, so the identity alone tells it and the file need not be read again.
  if (!now->inDoubt) stamp.inDoubt = false;
  return true;
}

}  // namespace file_stamp
