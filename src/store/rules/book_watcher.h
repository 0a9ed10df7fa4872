// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Notices changes made to the book's folder from outside the program: another copy of the program,
// a sync tool bringing a file from another machine, the user. It watches the folder and the data
// files in it, and tells once things have settled for a moment, so that a file written in many
// pieces is looked at once. Whether a file really changed is for the listener to tell, by
// comparing the file's stamp with the one it holds: its own writes are noticed too.
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include "platform/rules/data_folder.h"

class BookWatcher : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSettleMs = 300;

  BookWatcher(const DataFolder& folder, QStringList fileNames, QObject* parent = nullptr);

 signals:
  // Something in the folder changed and nothing more has changed for kSettleMs.
  void settled();

 private:
  void noticed();
  // A file replaced by a rename is a new file: its watch stays with the old one, so the files are
  // watched anew on every notice.
  void arm();

  const DataFolder& folder_;
  QStringList fileNames_;
  QFileSystemWatcher watcher_;
  QTimer settle_;
};
