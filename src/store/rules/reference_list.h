// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "参考資料.TXT": the sources recipes come from, one per line, in the order they were added.
#include <QStringList>
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"

inline const QString kReferenceFileName = QStringLiteral("参考資料.TXT");

std::variant<QStringList, FileError> LoadReferenceList(const QString& path);

// Adds one line at the end (the file is created when missing). A source with a line break or a
// character the file cannot hold is refused.
std::optional<FileError> AppendReference(const QString& path, const QString& source);
