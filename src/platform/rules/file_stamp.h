// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a data file was when the program last read or wrote it, so that a write can prove that
// the file on disk is still that one before it replaces it. Another copy of the program, another
// machine through a sync tool or the user may change any file at any time.
#include <QByteArrayView>
#include <QString>
#include <vector>

struct FileStamp {
  bool exists = false;
  quint64 device = 0;
  quint64 inode = 0;
  qint64 size = 0;
  qint64 mtimeNs = 0;
  // Set when the modification time was too recent to tell a later change in the same clock tick
  // (or a copy that kept the time): the content's hash then decides.
  bool inDoubt = false;
  size_t hash = 0;

  // The same file as far as device, inode, size and modification time tell.
  bool sameIdentity(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           mtimeNs == other.mtimeNs;
  }
};

namespace file_stamp {

// How close to "now" a modification time leaves doubt (coarse file systems count in seconds).
constexpr qint64 kDoubtNs = 2'000'000'000;

// The file as it stands now; a missing file has a stamp too (exists false). When the modification
// time is recent, the content is read and hashed.
FileStamp of(const QString& path);

// The hash a stamp in doubt keeps, taken over the content in pieces of any length, in order: the
// content is hashed a mebibyte at a time, wherever the pieces it comes in begin and end, so that
// a file read a piece at a time hashes as its content held whole does.
class ContentHash {
 public:
  void add(QByteArrayView bytes);
  size_t value() const;

 private:
  void mix(QByteArrayView block);
  size_t hash_ = 0x5eed;
  QByteArray partial_;  // the start of a block that the pieces so far have not filled
};

size_t hashOf(QByteArrayView bytes);

// The stamp of an open file (its descriptor) whose content is the pieces, in order: what a writer
// knows of the file it has just written, before it is renamed into place (a rename keeps all of it).
FileStamp ofWritten(int descriptor, const std::vector<QByteArrayView>& pieces);

// The stamp of a file about to be read whole, taken before the read (so that a change during the
// read shows as a change later); provedBy then gives a stamp in doubt the hash of what was read.
FileStamp beforeRead(const QString& path);
void provedBy(FileStamp& stamp, QByteArrayView content);

// True when stamp describes the file whose stamp is now and whose content is content (read
// after now was taken): the same identity, and in doubt, the same content.
bool describes(const FileStamp& stamp, const FileStamp& now, QByteArrayView content);

// True when the file at path is still the one stamped: the same identity, and in doubt, the same
// content. A stamp whose doubt has passed is settled, so that later checks read no content.
bool unchanged(const QString& path, FileStamp& stamp);

}  // namespace file_stamp
