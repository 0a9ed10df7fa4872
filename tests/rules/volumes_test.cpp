// SPDX-License-Identifier: GPL-3.0-or-later
// The drive list names the volume that holds a folder: the longest root the folder lies under.
#include "main_extras/rules/volumes.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(Volumes, TheLongestRootHoldingTheFolderWins) {
  const QList<Volume> volumes{{QStringLiteral("/"), {}}, {QStringLiteral("/media/card"), {}}, {QStringLiteral("/home/hana"), {}}};
  EXPECT_EQ(VolumeHolding(volumes, QStringLiteral("/media/card/写真")), 1);
  EXPECT_EQ(VolumeHolding(volumes, QStringLiteral("/media/card")), 1);
  EXPECT_EQ(VolumeHolding(volumes, QStringLiteral("/media/cardreader")), 0);  // a longer name is no subfolder
  EXPECT_EQ(VolumeHolding(volumes, QStringLiteral("/home/hana/./レシピ/..")), 2);
  EXPECT_EQ(VolumeHolding(volumes.mid(1), QStringLiteral("/tmp")), -1);
}

TEST(Volumes, TheMachinesVolumesIncludeTheHomeFolder) {
  const QList<Volume> volumes = MountedVolumes();
  ASSERT_FALSE(volumes.isEmpty());
  EXPECT_GE(VolumeHolding(volumes, QDir::homePath()), 0);
}
