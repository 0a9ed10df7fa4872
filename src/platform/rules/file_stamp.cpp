// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/file_stamp.h"

#include <sys/stat.h>

#include <QFile>
#include <algorithm>
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

constexpr qsizetype kHashBlock = 1024 * 1024;

// The hash of the file's content now, read a block at a time; nothing when it cannot be read.
std::optional<size_t> contentHash(const QString& path) {
  auto opened = plain_file::open(path, plain_file::kDataFileCap);
  if (!std::holds_alternative<plain_file::OpenedFile>(opened)) return std::nullopt;
  plain_file::OpenedFile& file = std::get<plain_file::OpenedFile>(opened);
  QByteArray block(kHashBlock, Qt::Uninitialized);
  ContentHash hash;
  while (true) {
    auto n = file.readSome(block.data(), block.size());
    if (!std::holds_alternative<qsizetype>(n)) return std::nullopt;
    if (std::get<qsizetype>(n) == 0) return hash.value();
    hash.add(QByteArrayView(block).first(std::get<qsizetype>(n)));
  }
}

}  // namespace

void ContentHash::mix(QByteArrayView block) { hash_ = qHashBits(block.data(), size_t(block.size()), hash_); }

void ContentHash::add(QByteArrayView bytes) {
  while (!bytes.isEmpty()) {
    if (partial_.isEmpty() && bytes.size() >= kHashBlock) {  // a whole block needs no copy
      mix(bytes.first(kHashBlock));
      bytes = bytes.sliced(kHashBlock);
      continue;
    }
    const qsizetype taken = std::min(kHashBlock - partial_.size(), bytes.size());
    partial_.append(bytes.first(taken));
    bytes = bytes.sliced(taken);
    if (partial_.size() == kHashBlock) {
      mix(partial_);
      partial_.clear();
    }
  }
}

size_t ContentHash::value() const {
  if (partial_.isEmpty()) return hash_;
  return qHashBits(partial_.constData(), size_t(partial_.size()), hash_);
}

size_t hashOf(QByteArrayView bytes) {
  ContentHash hash;
  hash.add(bytes);
  return hash.value();
}

FileStamp of(const QString& path) {
  std::optional<FileStamp> stamp = identityOf(path);
  if (!stamp) return {};
  if (stamp->inDoubt) {
    if (auto hash = contentHash(path)) stamp->hash = *hash;
    else stamp->inDoubt = false;  // unreadable: the identity is all there is
  }
  return *stamp;
}

FileStamp beforeRead(const QString& path) { return identityOf(path).value_or(FileStamp{}); }

void provedBy(FileStamp& stamp, QByteArrayView content) {
  if (stamp.inDoubt) stamp.hash = hashOf(content);
}

bool describes(const FileStamp& stamp, const FileStamp& now, QByteArrayView content) {
  if (!stamp.sameIdentity(now)) return false;
  if (!stamp.inDoubt) return true;
  return stamp.hash == (now.inDoubt ? now.hash : hashOf(content));
}

FileStamp ofWritten(int descriptor, const std::vector<QByteArrayView>& pieces) {
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return {};
  FileStamp stamp = fromStat(info);
  if (stamp.inDoubt) {
    ContentHash hash;
    for (QByteArrayView piece : pieces) hash.add(piece);
    stamp.hash = hash.value();
  }
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
