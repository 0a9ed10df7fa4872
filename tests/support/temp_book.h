// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recipe book in a fresh temporary folder, with files written as CP932 bytes.
#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class TempBook {
 public:
  TempBook();
  QString folder() const { return dir_.path(); }
  QString path(const QString& name) const;

  // Writes the lines as CP932 with CR LF after each.
  void writeLines(const QString& name, const QStringList& lines) const;
  void writeBytes(const QString& name, const QByteArray& bytes) const;
  QByteArray bytes(const QString& name) const;
  QStringList lines(const QString& name) const;  // decoded, split at CR LF
  bool exists(const QString& name) const;

  // Every file start-up reads: category lists (和食.. / 主菜.. / 焼く..), settings with the help
  // tour off, a profile for 花子 with a target of 100, an empty reference list and recipe file.
  void writeStandardFiles() const;

 private:
  QTemporaryDir dir_;
};

// The lines of one recipe record: name, genre, kind, method, calories, salt, time, self, others,
// count, reference, then the four sections (lines joined by "\n" here for brevity).
QStringList recordLines(const QStringList& header, const QString& ingredients = {}, const QString& steps = {},
                        const QString& memo = {}, const QString& log = {});

// A text as one CP932 line ending in CR LF.
QByteArray cp932Line(const QString& text);
