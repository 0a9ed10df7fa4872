// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture picker (fraPicget): a drive list, a folder list and a file list, from which a
// picture is copied into the book's folder under the dish name. Opened by a double-click on
// the dish-name caption; a file picked in the list is announced for preview (previewChosen).
#include <QFrame>

#include "main_extras/rules/volumes.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QPushButton;

class PicturePicker : public QFrame {
  Q_OBJECT
 public:
  PicturePicker(Module1& module, Dialogs& dialogs, QWidget* parent);

  // Where the drive list comes from (the machine's mounted volumes unless a test fixes it).
  void setVolumeSource(VolumeSource source);
  QString pickerFolder() const;  // the folder the picker shows
  void setPickerFolder(const QString& folder);

  void lblRyoriNm_DblClick();
  void drvZukei_Moto_Change(int index);
  void dirZukei_Moto_Change(const QString& folder);
  void filZukei_Moto_Click(const QString& fileName);
  void cmdFileCopy_Click();
  void cmdYame_Click();

 public slots:
  void setDishName(const QString& typed) { typedDishName_ = typed; }

 signals:
  void previewChosen(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fillDrives();
  QString chosenFile() const;

  Module1& module_;
  Dialogs& dialogs_;
  VolumeSource volumes_ = MountedVolumes;
  QList<Volume> shownVolumes_;  // as the drive list shows them
  QString typedDishName_;
  QString pickedFile_;
  QFileSystemModel* folders_;
  QFileSystemModel* files_;

  QLabel* Label1;
  QLabel* lblFolder;  // the folder shown, as a path
  QComboBox* drvZukei_Moto;
  QListView* dirZukei_Moto;
  QListView* filZukei_Moto;
  QPushButton* cmdFileCopy;
  QPushButton* cmdYame;
};
