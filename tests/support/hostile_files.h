// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries in a folder that are no plain files: a named pipe (reading it blocks until someone
// writes), a link to /dev/zero (reading it never ends), a link to a file outside the folder, and
// a sparse file larger than any cap that costs no disk space.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>

inline void MakeFifo(const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }

inline void MakeLink(const QString& target, const QString& link) {
  ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

inline void MakeSparseFile(const QString& path, qint64 size) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(size));
}
