#pragma once
// The recipe picture on the main window: the photo frame, the photo-mode switch, the size toggle
// and the picker that brings a picture file in under the dish name.
#include <QObject>
#include <QPixmap>
#include <functional>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class ClickableLabel;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QWidget;

class PicturePanel : public QObject {
  Q_OBJECT
 public:
  // Controls are made on host. dishName gives the text of the name box.
  PicturePanel(Module1& module, Dialogs& dialogs, QWidget* host, std::function<QString()> dishName);

  // Frame at its small size with its top-right corner at (right, top); photo-mode switch below.
  void place(int right, int top);
  void placePicker(int x, int y, int width, int height);

  // Shows the dish's picture: the last of name.jpg, .gif, .bmp that loads, else NOPIC.JPG.
  void LoadRecipePicture(const QString& dishName);
  void clearPicture();
  bool photosShown() const;       // optGazou selected
  void selectPhotoMode(bool shown);  // at start-up, without saving
  void setEnlarged(bool enlarged);
  bool PictureEnlarged() const { return enlarged_; }
  QString pickerFolder() const;   // the folder the picker shows
  void setPickerFolder(const QString& folder);

  void lblRyoriNm_DblClick();
  void drvZukei_Moto_Change(int index);
  void dirZukei_Moto_Change(const QString& folder);
  void filZukei_Moto_Click(const QString& fileName);
  void cmdFileCopy_Click();
  void cmdYame_Click();
  void imgGazou_Click();
  void optGazou_Click();
  void optMain_Click();

  QFrame* fraGazou;
  ClickableLabel* imgGazou;
  QRadioButton* optGazou;
  QRadioButton* optMain;
  QFrame* fraPicget;
  QLabel* Label1;
  QLabel* lblFolder;  // the folder shown, as a path
  QComboBox* drvZukei_Moto;
  QListView* dirZukei_Moto;
  QListView* filZukei_Moto;
  QPushButton* cmdFileCopy;
  QPushButton* cmdYame;

 private:
  void showPixmap(const QPixmap& pixmap);
  void applySize();
  void saveProfile();
  void fillDrives();
  QString chosenFile() const;

  Module1& module_;
  Dialogs& dialogs_;
  std::function<QString()> dishName_;
  QFileSystemModel* folders_;
  QFileSystemModel* files_;
  QPixmap shown_;
  bool enlarged_ = false;
  int right_ = 0, top_ = 0;
  QString pickedFile_;
};
