// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/data_folder.h"

#include <QDir>
#include <QFileInfo>

DataFolder::DataFolder(QString folder) : folder_(std::move(folder)) {}

void DataFolder::refreshIndex() const {
  // The index is trusted while the folder's time is unchanged, and only when it was built well
  // after that time: a file added within the file system's time resolution leaves it unchanged.
  const QDateTime modified = QFileInfo(folder_).lastModified().toUTC();
  if (modified.isValid() && modified == indexedAt_ && builtAt_ > modified.addSecs(2)) return;
  index_.clear();
  // Files and links to files only: a pipe, a device or a dangling link is no data file.
  const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
  for (const QString& name : names) {
    const QString key = name.toCaseFolded();
    if (!index_.contains(key)) index_.insert(key, name);
  }
  indexedAt_ = modified;
  builtAt_ = QDateTime::currentDateTimeUtc();
}

QString DataFolder::existing(const QString& name) const {
  const QString exact = QDir(folder_).filePath(name);
  if (QFileInfo(exact).isFile()) return exact;
  refreshIndex();
  const auto it = index_.constFind(name.toCaseFolded());
  if (it == index_.constEnd()) return {};
  const QString found = QDir(folder_).filePath(*it);
  if (QFileInfo(found).isFile()) return found;
  index_.clear();  // stale: a file went away within the clock's resolution
  refreshIndex();
  const auto again = index_.constFind(name.toCaseFolded());
  if (again == index_.constEnd()) return {};
  const QString refound = QDir(folder_).filePath(*again);
  return QFileInfo(refound).isFile() ? refound : QString();
}

QString DataFolder::path(const QString& name) const {
  const QString found = existing(name);
  return found.isEmpty() ? QDir(folder_).filePath(name) : found;
}
