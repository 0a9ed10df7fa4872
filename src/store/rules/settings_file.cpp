// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/settings_file.h"

#include "platform/rules/numbers.h"
#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

std::variant<int, FileError> LoadSettings(const QString& path) {
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  const QStringList& all = std::get<QStringList>(lines);
  const QStringList fields = all.isEmpty() ? QStringList() : quoted_fields::split(all.first());
  if (fields.size() < 2)
    return FileError{FileError::Kind::Malformed, path, 1,
                     QStringLiteral("「\"ヘルプツアー\",1」の形の行が必要です。")};
  return numbers::ReadNumber(fields[1]) != 0 ? 1 : 0;
}

std::optional<FileError> SaveSettings(const QString& path, int helpTourOn) {
  const QString line = quoted_fields::quote(QStringLiteral("ヘルプツアー")) + QLatin1Char(',') + QString::number(helpTourOn);
  return text_file::updateLines(path, [&](const QStringList&) -> std::variant<QStringList, FileError> { return QStringList{line}; });
}
