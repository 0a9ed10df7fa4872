// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipe book's folder. Every data file is opened by its bare name in it, and names match
// without regard to letter case: "レシピ.txt" opens an existing "レシピ.TXT".
#include <QDateTime>
#include <QHash>
#include <QString>

class DataFolder {
 public:
  explicit DataFolder(QString folder = {});

  const QString& folder() const { return folder_; }

  // The path of the existing file whose name matches name without regard to case, or, when there
  // is none, the path a new file of that name gets.
  QString path(const QString& name) const;

  // The existing file's path, or an empty string.
  QString existing(const QString& name) const;

  bool exists(const QString& name) const { return !existing(name).isEmpty(); }

 private:
  void refreshIndex() const;

  QString folder_;
  // Folded name -> actual name, rebuilt when the folder's modification time changes; it keeps a
  // picture lookup cheap in a folder that holds thousands of pictures.
  mutable QHash<QString, QString> index_;
  mutable QDateTime indexedAt_;  // the folder's time when the index was built
  mutable QDateTime builtAt_;
};
