// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rolling copies of the book's data files, kept in the book's folder "バックアップ". A file is
// copied before its first write of each day and before every write that removes records (a
// delete, a new set of category lists, a restore of a whole file); the newest 20 copies of each
// file are kept. A copy that cannot be made never stops the write it guards.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "platform/rules/clock.h"
#include "platform/rules/file_error.h"

namespace backups {

inline const QString kFolderName = QStringLiteral("バックアップ");
constexpr int kKeptPerFile = 20;

// What a write does to the records of its file.
enum class Change { Keeps, Removes };

struct Backup {
  QString path;
  QString fileName;
  QDateTime takenAt;  // to the second
};

// "レシピ_20261208-183738.TXT": the file's name with the time of the copy before its extension.
// A further copy within the same second gets "_02" to "_99" after the time, so that the names of
// one file's copies sort by time.
QString NameFor(const QString& fileName, const QDateTime& at, int sequence = 1);

// The backup folder of the book folder.
QString FolderOf(const QString& bookFolder);

// The copies of the file named fileName (letter case aside), oldest first. Only regular files
// count; links and names of any other shape are passed over.
std::vector<Backup> List(const QString& bookFolder, const QString& fileName);

// Before a write of the book's file at path: copies it, unchanged, into the backup folder when
// change is Removes or the file has no copy of today yet, then deletes its oldest copies beyond
// kKeptPerFile. Only a regular file is copied (a missing one needs no copy). Returns why no copy
// was made.
std::optional<FileError> BeforeWrite(const QString& path, Change change, const QDateTime& now);

}  // namespace backups

// The book's backups as a run takes them: the time comes from the clock (the system's unless
// one is set). Every write site calls beforeWrite and then writes, whatever it returns.
class BookBackups {
 public:
  BookBackups() = default;
  BookBackups(const BookBackups&) = delete;
  BookBackups& operator=(const BookBackups&) = delete;

  void setClock(const Clock& clock) { clock_ = &clock; }
  const Clock& clock() const { return *clock_; }

  // Takes the copy the write of path needs. A failure is returned the first time only, for the
  // user to be told, and again once a copy has worked in between; the write goes on either way.
  std::optional<FileError> beforeWrite(const QString& path, backups::Change change);

 private:
  Clock systemClock_;
  const Clock* clock_ = &systemClock_;
  bool failureTold_ = false;
};

// What the user is told when a backup could not be made: the save itself went on.
QString BackupFailureMessage(const FileError& error);
inline const QString kBackupFailureTitle = QStringLiteral("バックアップ");
