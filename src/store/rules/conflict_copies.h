// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conflict copies a sync tool leaves beside a file when two machines changed it at once: the
// losing version, under a name made from the file's own. Their recipes can be brought back into
// the book as those of a backup can.
//   Syncthing  レシピ.sync-conflict-20261209-101500-ABCDEFG.TXT
//   Nextcloud  レシピ (conflicted copy 2026-12-09 101500).TXT
//   Dropbox    レシピ (花子's conflicted copy 2026-12-09).TXT
#include <QStringList>

// True when fileName is a conflict copy of original (names compared without regard to case).
bool IsConflictCopyOf(const QString& fileName, const QString& original);

// The paths of the regular files in folder that are conflict copies of original, by name.
QStringList FindConflictCopies(const QString& folder, const QString& original);
