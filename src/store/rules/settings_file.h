// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "設定.TXT": one line, "ヘルプツアー" in quotes, a comma and 1 (help tour on) or 0 (off).
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"

inline const QString kSettingsFileName = QStringLiteral("設定.TXT");

std::variant<int, FileError> LoadSettings(const QString& path);
std::optional<FileError> SaveSettings(const QString& path, int helpTourOn);
