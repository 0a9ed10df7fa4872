// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/saves_together.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/rules/text_file.h"

namespace saves_together {
namespace {

// Renames over an existing file in one step (QFile::rename refuses an existing target).
bool replace(const QString& from, const QString& to) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool isPlainName(const QString& name) {
  return !name.isEmpty() && !name.contains(u'/') && name != QStringLiteral(".") && name != QStringLiteral("..");
}

void removeWaiting(const QDir& dir) {
  for (const QFileInfo& info : dir.entryInfoList({u'*' + kWaitingSuffix}, QDir::Files | QDir::Hidden | QDir::NoSymLinks))
    QFile::remove(info.filePath());
}

}  // namespace

std::optional<FileError> Save(const QString& folder, const std::vector<std::pair<QString, QByteArray>>& files) {
  const QDir dir(folder);
  QStringList names;
  for (const auto& [name, bytes] : files) {
    if (auto error = text_file::writeBytes(dir.filePath(name + kWaitingSuffix), bytes)) {
      removeWaiting(dir);
      return error;
    }
    names.append(name);
  }
  if (auto error = text_file::writeLines(dir.filePath(kListName), names)) {
    removeWaiting(dir);
    return error;
  }
  for (const QString& name : names)
    if (!replace(dir.filePath(name + kWaitingSuffix), dir.filePath(name)))
      return FileError{FileError::Kind::WriteFailed, dir.filePath(name), 0,
                       QStringLiteral("保存を終えられませんでした。次に起動したときに終えます。")};
  QFile::remove(dir.filePath(kListName));
  return std::nullopt;
}

QStringList FinishSavesTogether(const QString& folder) {
  const QDir dir(folder);
  QStringList finished;
  const QFileInfo list(dir.filePath(kListName));
  if (list.isFile() && !list.isSymLink()) {
    auto names = text_file::readLines(list.filePath());
    for (const QString& name : std::get_if<QStringList>(&names) ? std::get<QStringList>(names) : QStringList()) {
      const QFileInfo waiting(dir.filePath(name + kWaitingSuffix));
      if (isPlainName(name) && waiting.isFile() && !waiting.isSymLink() && replace(waiting.filePath(), dir.filePath(name)))
        finished.append(name);
    }
    QFile::remove(list.filePath());
  }
  removeWaiting(dir);
  return finished;
}

}  // namespace saves_together
