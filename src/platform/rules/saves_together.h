// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several files of one folder replaced as one step. Each new content is first written whole under
// a waiting name beside its file ("ジャンル.TXT.保存待ち"); then the list of the files is written
// (".保存の組.TXT"), which is the step itself; then each waiting file is renamed over its file and
// the list removed. A run killed before the list was written left the old files, one killed after
// it left the step taken: at the next start FinishSavesTogether rolls the first back and finishes
// the second, so the files are never seen part old and part new.
#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "platform/rules/file_error.h"

namespace saves_together {

inline const QString kWaitingSuffix = QStringLiteral(".保存待ち");
inline const QString kListName = QStringLiteral(".保存の組.TXT");

// Replaces the files (names in folder, with their bytes) as one step. An error before the step
// leaves every file as it was; an error after it is finished at the next start.
std::optional<FileError> Save(const QString& folder, const std::vector<std::pair<QString, QByteArray>>& files);

// Finishes or rolls back a save that a killed run left half done; the names of the files it put
// in place.
QStringList FinishSavesTogether(const QString& folder);

}  // namespace saves_together
