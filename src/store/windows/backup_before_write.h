// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Called by every window just before it writes a file of the book: takes the backup the write
// needs and tells the user when it did not keep what it should have. The write goes on either way.
#include <variant>

#include "platform/windows/dialogs.h"
#include "store/rules/backups.h"
#include "store/rules/module1.h"

inline void TellBackupOutcome(Dialogs& dialogs, const backups::Outcome& outcome) {
  if (const QString text = BackupFailureMessage(outcome); !text.isEmpty()) dialogs.warn(text, kBackupFailureTitle);
}

inline backups::Outcome BackUpBeforeWrite(Module1& module, Dialogs& dialogs, const QString& path,
                                          const backups::Write& write) {
  backups::Outcome outcome = module.Backups.beforeWrite(path, write);
  TellBackupOutcome(dialogs, outcome);
  return outcome;
}

inline backups::Outcome BackUpBeforeWrite(Module1& module, Dialogs& dialogs, const QString& path,
                                          backups::Change change) {
  return BackUpBeforeWrite(module, dialogs, path, backups::Write{change, {}, {}});
}

namespace backup_detail {
inline const FileError* errorOf(const std::optional<FileError>& result) { return result ? &*result : nullptr; }
template <typename T>
const FileError* errorOf(const std::variant<T, FileError>& result) {
  return std::get_if<FileError>(&result);
}
template <typename Result>
bool failed(const Result& result) {
  return errorOf(result) != nullptr;
}
template <typename Result>
bool changedOutside(const Result& result) {
  const FileError* error = errorOf(result);
  return error && error->kind == FileError::Kind::ChangedOutside;
}
}  // namespace backup_detail

// Backs the file up, then writes it. When the write fails after an entry was made, the entry
// gives way and the write is tried once more: the disk may have had room for the write alone.
template <typename WriteFile>
auto WriteWithBackup(Module1& module, Dialogs& dialogs, const QString& path, const backups::Write& write,
                     WriteFile writeFile) {
  backups::Outcome outcome = module.Backups.beforeWrite(path, write);
  auto result = writeFile();
  if (backup_detail::failed(result) && !outcome.made.isEmpty()) {
    module.Backups.discard(outcome);
    // A file changed outside is read again by the caller, who then comes back with a new write.
    if (backup_detail::changedOutside(result)) return result;
    result = writeFile();
    if (!backup_detail::failed(result) && !outcome.notKept)
      outcome.notKept = FileError{FileError::Kind::WriteFailed, path, 0,
                                  QStringLiteral("保存する空き容量を作るため、この保存の前の状態は残していません。")};
  }
  if (!backup_detail::failed(result) || outcome.notKept) TellBackupOutcome(dialogs, outcome);
  return result;
}
