// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/book_watcher.h"

BookWatcher::BookWatcher(const DataFolder& folder, QStringList fileNames, QObject* parent)
    : QObject(parent), folder_(folder), fileNames_(std::move(fileNames)) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &BookWatcher::settled);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &BookWatcher::noticed);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &BookWatcher::noticed);
  watcher_.addPath(folder_.folder());
  arm();
}

void BookWatcher::noticed() {
  arm();
  settle_.start();
}

void BookWatcher::arm() {
  // A watch may still stand on the file a rename replaced; every file is watched anew.
  if (const QStringList watched = watcher_.files(); !watched.isEmpty()) watcher_.removePaths(watched);
  QStringList paths;
  for (const QString& name : fileNames_)
    if (const QString path = folder_.existing(name); !path.isEmpty()) paths.append(path);
  if (!paths.isEmpty()) watcher_.addPaths(paths);
}
