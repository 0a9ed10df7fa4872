// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipe picture on the main window: the photo frame, the size toggle and the photo-mode
// switch. The main window tells it the dish name as typed (setDishName) and what to show.
#include <QObject>
#include <QPixmap>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class ClickableLabel;
class QFrame;
class QRadioButton;
class QWidget;

class PictureBox : public QObject {
  Q_OBJECT
 public:
  // The controls are made on host.
  PictureBox(Module1& module, Dialogs& dialogs, QWidget* host);

  // Frame at its small size with its top-right corner at (right, top); photo-mode switch below.
  void place(int right, int top);

  // Shows the dish's picture: the last of name.jpg, .gif, .bmp that loads, else NOPIC.JPG.
  void LoadRecipePicture(const QString& dishName);
  void clearPicture();
  bool photosShown() const;          // optGazou selected
  // The file of the picture shown, at its full size; empty when none is shown.
  const QString& shownPictureFile() const { return shownFile_; }
  void selectPhotoMode(bool shown);  // at start-up, without saving
  void setEnlarged(bool enlarged);
  bool PictureEnlarged() const { return enlarged_; }

  void imgGazou_Click();
  void optGazou_Click();
  void optMain_Click();

 public slots:
  void setDishName(const QString& typed) { typedDishName_ = typed; }
  // A file picked in the picture picker, shown when it is a picture.
  void showPreview(const QString& path);

 private:
  void showPixmap(const QPixmap& pixmap, const QString& file);
  void applySize();
  void saveProfile();

  Module1& module_;
  Dialogs& dialogs_;
  QString typedDishName_;
  QPixmap shown_;
  QString shownFile_;
  bool enlarged_ = false;
  int right_ = 0, top_ = 0;

  QFrame* fraGazou;
  ClickableLabel* imgGazou;
  QRadioButton* optGazou;
  QRadioButton* optMain;
};
