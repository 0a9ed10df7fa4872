// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/rules/volumes.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

QList<Volume> MountedVolumes() {
  QList<Volume> volumes;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    const QString label = volume.displayName() == volume.rootPath()
                              ? volume.rootPath()
                              : QStringLiteral("%1 [%2]").arg(volume.rootPath(), volume.displayName());
    volumes.append({volume.rootPath(), label});
  }
  const QString home = QDir::homePath();
  const bool homeIsARoot =
      std::any_of(volumes.cbegin(), volumes.cend(), [&](const Volume& v) { return v.rootPath == home; });
  if (!homeIsARoot) volumes.prepend({home, QStringLiteral("ホーム (%1)").arg(home)});
  return volumes;
}

int VolumeHolding(const QList<Volume>& volumes, const QString& folder) {
  const QString clean = QDir::cleanPath(folder);
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < volumes.size(); ++i) {
    const QString& root = volumes[i].rootPath;
    const bool holds = clean == root || clean.startsWith(root.endsWith(u'/') ? root : root + u'/');
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  return best;
}
