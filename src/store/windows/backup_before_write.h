// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Called by every window just before it writes a file of the book: takes the backup the write
// needs and tells the user when none could be made. The write goes on either way.
#include "store/rules/backups.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

inline void BackUpBeforeWrite(Module1& module, Dialogs& dialogs, const QString& path, backups::Change change) {
  if (auto error = module.Backups.beforeWrite(path, change)) dialogs.warn(BackupFailureMessage(*error), kBackupFailureTitle);
}
