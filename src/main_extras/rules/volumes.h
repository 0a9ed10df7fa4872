// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drives the picture picker offers: the machine's mounted volumes, or a fixed list in tests.
#include <QList>
#include <QString>
#include <functional>

struct Volume {
  QString rootPath;
  QString label;  // what the drive list shows
};

using VolumeSource = std::function<QList<Volume>()>;

// The home folder first (when no volume has it as its root), then every mounted volume that is
// ready, labelled "root [name]" when the volume has a name of its own.
QList<Volume> MountedVolumes();

// The volume of the list that holds folder (the longest root it lies under), or -1.
int VolumeHolding(const QList<Volume>& volumes, const QString& folder);
