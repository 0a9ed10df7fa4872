// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's backups, kept in the book's folder "バックアップ", gzip-compressed. Two kinds are
// kept for each data file:
//   - the state at the start of each day: a whole copy taken before the first write of a day,
//     for the last kDaysKept days that had writes;
//   - the history of writes that remove or change records: what each write took away (the old
//     records with their positions, or a whole copy where the write replaced the whole file),
//     the time and what the write was, for the last kWritesKept such writes.
// Every entry carries a sequence number the program records; entries are ordered by it, never by
// their names or the clock. Copies of earlier versions of the program (uncompressed, named by
// time alone) are listed and read as they are, older than every numbered entry.
// A backup never stops the write it guards: without room for both, the entry is not kept.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

#include "platform/rules/clock.h"
#include "platform/rules/file_error.h"

namespace backups {

inline const QString kFolderName = QStringLiteral("バックアップ");
constexpr int kDaysKept = 7;
constexpr int kWritesKept = 200;

// What a write does to the records of its file.
enum class Change { Keeps, Removes };

enum class Kind {
  DayStart,  // the whole file before the day's first write
  Whole,     // the whole file before a write that replaced it
  Records,   // the records a write removed or changed
  Earlier,   // an uncompressed copy of an earlier version of the program
  Damaged,   // an entry whose head cannot be read
};

// A record a write is about to remove or replace: its bytes as the file holds them, and its
// number (1-based) in the file before the write.
struct OldRecord {
  int position = 0;
  QByteArray bytes;
};

// What a write is about to do. A Removes write without records replaces the whole file.
struct Write {
  Change change = Change::Keeps;
  QString what;                    // "削除: 肉じゃが"; words for the history
  std::vector<OldRecord> records;  // for a write of single records
};

struct Backup {
  QString path;
  QString fileName;
  QString ofFile;  // the book's file it keeps, as named in the entry's name ("レシピ.TXT")
  Kind kind = Kind::Damaged;
  qint64 sequence = 0;  // 0 for earlier copies and damaged entries
  QDateTime takenAt;    // to the second
  QString what;         // "削除: 肉じゃが", "その日の最初の状態"
  std::vector<int> positions;  // Records: the old position of each record kept, in order
};

// The words of the day's first state in the history.
inline const QString kDayStartWords = QStringLiteral("その日の最初の状態");

// "レシピ_20261208-183738_000042.TXT.gz": the file's name with the time and sequence number of
// the entry before its extension.
QString NameFor(const QString& fileName, const QDateTime& at, qint64 sequence);

// The backup folder of the book folder.
QString FolderOf(const QString& bookFolder);

// The entries of the file named fileName (letter case aside), oldest first: earlier copies by
// name, then numbered entries by sequence. Only regular files count; links and names of any
// other shape are passed over.
std::vector<Backup> List(const QString& bookFolder, const QString& fileName);

// The entries of every file, newest first.
std::vector<Backup> ListAll(const QString& bookFolder);

// What an entry keeps: the whole file, or the old records one after another. An entry that is
// cut short or does not decompress is an error.
std::variant<QByteArray, FileError> Contents(const Backup& backup);

// Free bytes on the disk of a folder.
using FreeSpace = std::function<qint64(const QString& folder)>;
qint64 SystemFreeSpace(const QString& folder);

// What a backup before a write did.
struct Outcome {
  QStringList made;                  // entries written
  std::optional<FileError> notKept;  // why an entry the write needed was not kept
  int droppedForRoom = 0;            // old entries removed to make room
};

// Compresses and writes an entry whose bytes are already read; an error when it is not written.
using LaterEntry = std::function<std::optional<FileError>()>;

// Before a write of the book's file at path: keeps the day's first state when the file has none
// of today, and what a Removes write takes away; then removes the entries beyond what is kept.
// Only a regular file is kept (a missing one needs nothing). An entry is written only when the
// disk has room for it and for the rewritten file; the oldest entries of the file give way when
// that makes room, or else the entry is not kept.
// With later given, the day's first state, once read, may be handed over there to be compressed
// and written while the write goes on (when the disk has room for it even uncompressed).
Outcome BeforeWrite(const QString& path, const Write& write, const QDateTime& now,
                    const FreeSpace& freeSpace = SystemFreeSpace, LaterEntry* later = nullptr);

// Removes the entries a backup made, for a write that then failed: the disk may have room for
// the write alone.
void Discard(const Outcome& outcome);

}  // namespace backups

// The book's backups as a run takes them: the time comes from the clock (the system's unless
// one is set), the free space from the disk (unless a measure is set).
class BookBackups {
 public:
  BookBackups() = default;
  ~BookBackups() { finish(); }
  BookBackups(const BookBackups&) = delete;
  BookBackups& operator=(const BookBackups&) = delete;

  void setClock(const Clock& clock) { clock_ = &clock; }
  const Clock& clock() const { return *clock_; }
  void setFreeSpace(backups::FreeSpace freeSpace) { freeSpace_ = std::move(freeSpace); }
  // Waits for an entry still being written; its failure, if any, goes with the next backup.
  void finish();
  // Removes the entries a backup made, for a write that then failed.
  void discard(const backups::Outcome& outcome);

  // The day's first state of a large file is compressed and written beside the write, on a
  // thread of its own; a failure there is told with the next backup.
  backups::Outcome beforeWrite(const QString& path, const backups::Write& write);
  backups::Outcome beforeWrite(const QString& path, backups::Change change) {
    return beforeWrite(path, backups::Write{change, {}, {}});
  }

 private:
  Clock systemClock_;
  const Clock* clock_ = &systemClock_;
  backups::FreeSpace freeSpace_ = backups::SystemFreeSpace;
  std::thread writing_;
  std::optional<FileError> laterFailure_;  // set by writing_, read once it is joined
};

// What the user is told when a backup did not keep what it should have, or made room by
// removing old entries; empty when there is nothing to tell. The save itself goes on.
QString BackupFailureMessage(const backups::Outcome& outcome);
inline const QString kBackupFailureTitle = QStringLiteral("バックアップ");
