// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/picture_files.h"

#include <QFileInfo>

#include "platform/rules/plain_file.h"
#include "platform/rules/text_file.h"

QStringList PictureCandidates(const DataFolder& folder, const QString& dishName) {
  QStringList found;
  if (PictureNameProblem(dishName)) return found;
  for (const char* extension : {".jpg", ".gif", ".bmp"}) {
    const QString path = folder.existing(dishName + QLatin1String(extension));
    if (!path.isEmpty()) found.append(path);
  }
  return found;
}

std::optional<QString> PictureNameProblem(const QString& dishName) {
  if (dishName.isEmpty()) return QStringLiteral("料理名が空です。先に料理名を入力してください。");
  if (dishName.contains(u'/') || dishName.contains(QChar(0)))
    return QStringLiteral("料理名に「/」が入っているため、ファイル名にできません。");
  if (dishName == QLatin1String(".") || dishName == QLatin1String(".."))
    return QStringLiteral("この料理名はファイル名にできません。");
  return std::nullopt;
}

QString PictureTargetName(const QString& dishName, const QString& sourceFileName) {
  return dishName + sourceFileName.right(4);
}

std::optional<QString> CopyPictureFile(const QString& source, const QString& target) {
  auto bytes = plain_file::read(source, plain_file::kPictureCap);
  if (auto* error = std::get_if<FileError>(&bytes)) return error->message();
  if (auto error = text_file::writeBytes(target, std::get<QByteArray>(bytes))) return error->detail;
  return std::nullopt;
}
