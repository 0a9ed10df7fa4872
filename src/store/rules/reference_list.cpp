// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/reference_list.h"

#include "platform/rules/text_file.h"

std::variant<QStringList, FileError> LoadReferenceList(const QString& path) {
  return text_file::readLines(path);
}

std::optional<FileError> AppendReference(const QString& path, const QString& source) {
  if (text_file::holdsLineBreak(source))
    return FileError{FileError::Kind::Refused, path, 0, QStringLiteral("参考に改行は入れられません。")};
  return text_file::appendLines(path, {source});
}
