// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/picture_picker.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "store/rules/picture_files.h"
#include "platform/rules/help_texts.h"
#include "platform/rules/typed_text.h"
#include "store/windows/help_tour.h"
#include "platform/windows/user_text.h"

PicturePicker::PicturePicker(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QFrame(parent), module_(module), dialogs_(dialogs) {
  setObjectName(QStringLiteral("fraPicget"));
  setFrameShape(QFrame::Panel);
  setAutoFillBackground(true);
  setAccessibleName(QStringLiteral("料理画像取り込み"));
  hide();
  Label1 = new QLabel(QStringLiteral("料理画像取り込み先指定"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  lblFolder = new QLabel(this);
  lblFolder->setObjectName(QStringLiteral("lblFolder"));
  lblFolder->setAccessibleDescription(QStringLiteral("表示中のフォルダ"));
  lblFolder->setStyleSheet(QStringLiteral("color: #505050;"));
  drvZukei_Moto = new QComboBox(this);
  drvZukei_Moto->setObjectName(QStringLiteral("drvZukei_Moto"));
  drvZukei_Moto->setAccessibleName(QStringLiteral("ドライブ"));
  dirZukei_Moto = new QListView(this);
  dirZukei_Moto->setObjectName(QStringLiteral("dirZukei_Moto"));
  dirZukei_Moto->setAccessibleName(QStringLiteral("フォルダ"));
  filZukei_Moto = new QListView(this);
  filZukei_Moto->setObjectName(QStringLiteral("filZukei_Moto"));
  filZukei_Moto->setAccessibleName(QStringLiteral("ファイル"));
  cmdFileCopy = new QPushButton(QStringLiteral("画像を取り込む"), this);
  cmdFileCopy->setObjectName(QStringLiteral("cmdFileCopy"));
  cmdYame = new QPushButton(QStringLiteral("キャンセル"), this);
  cmdYame->setObjectName(QStringLiteral("cmdYame"));

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDot);
  folders_->setRootPath(QString());
  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setRootPath(QString());
  dirZukei_Moto->setModel(folders_);
  filZukei_Moto->setModel(files_);

  connect(drvZukei_Moto, &QComboBox::activated, this, &PicturePicker::drvZukei_Moto_Change);
  connect(dirZukei_Moto, &QListView::activated, this,
          [this](const QModelIndex& index) { dirZukei_Moto_Change(folders_->filePath(index)); });
  connect(filZukei_Moto, &QListView::clicked, this,
          [this](const QModelIndex& index) { filZukei_Moto_Click(files_->fileName(index)); });
  connect(cmdFileCopy, &QPushButton::clicked, this, &PicturePicker::cmdFileCopy_Click);
  connect(cmdYame, &QPushButton::clicked, this, &PicturePicker::cmdYame_Click);

  fillDrives();
  setPickerFolder(module_.Folder.folder());
}

void PicturePicker::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  const int w = width(), h = height();
  const int column = (w - 36) / 2;
  Label1->setGeometry(12, 8, column, 22);
  lblFolder->setGeometry(24 + column, 8, column, 22);
  drvZukei_Moto->setGeometry(12, 36, column, 26);
  dirZukei_Moto->setGeometry(12, 68, column, h - 116);
  filZukei_Moto->setGeometry(24 + column, 36, column, h - 84);
  cmdFileCopy->setGeometry(w - 260, h - 40, 130, 30);
  cmdYame->setGeometry(w - 122, h - 40, 110, 30);
}

void PicturePicker::setVolumeSource(VolumeSource source) {
  volumes_ = std::move(source);
  fillDrives();
  dirZukei_Moto_Change(pickerFolder());
}

void PicturePicker::fillDrives() {
  drvZukei_Moto->clear();
  shownVolumes_ = volumes_();
  for (const Volume& volume : shownVolumes_) drvZukei_Moto->addItem(volume.label, volume.rootPath);
}

void PicturePicker::lblRyoriNm_DblClick() {
  setVisible(true);
  raise();
  Explain(module_, dialogs_, help_texts::PicturePicker());
}

void PicturePicker::drvZukei_Moto_Change(int index) {
  const QString root = shownVolumes_.value(index).rootPath;
  if (!QDir(root).isReadable()) {
    dialogs_.message({QStringLiteral("ﾃﾞﾊﾞｲｽが準備されていません"), QStringLiteral("ﾃﾞﾊﾞｲｽ未準備"),
                      MessageBox::Buttons::Ok, MessageBox::Icon::Critical});
    fillDrives();
    dirZukei_Moto_Change(pickerFolder());
    return;
  }
  setPickerFolder(root);
}

void PicturePicker::setPickerFolder(const QString& folder) {
  dirZukei_Moto->setRootIndex(folders_->setRootPath(folder));
  dirZukei_Moto_Change(folder);
}

QString PicturePicker::pickerFolder() const { return files_->rootPath(); }

void PicturePicker::dirZukei_Moto_Change(const QString& folder) {
  const QString clean = QDir::cleanPath(folder);
  dirZukei_Moto->setRootIndex(folders_->setRootPath(clean));
  filZukei_Moto->setRootIndex(files_->setRootPath(clean));
  ShowUserText(lblFolder, QDir::toNativeSeparators(clean));
  lblFolder->setToolTip(UserTextOf(lblFolder));
  pickedFile_.clear();
  // The drive list names the volume that holds the folder.
  const int holder = VolumeHolding(shownVolumes_, clean);
  if (holder >= 0) drvZukei_Moto->setCurrentIndex(holder);
}

QString PicturePicker::chosenFile() const {
  if (pickedFile_.isEmpty()) return {};
  return QDir(pickerFolder()).filePath(pickedFile_);
}

void PicturePicker::filZukei_Moto_Click(const QString& fileName) {
  pickedFile_ = fileName;
  emit previewChosen(chosenFile());
}

void PicturePicker::cmdFileCopy_Click() {
  const QString source = chosenFile();
  if (source.isEmpty()) {
    dialogs_.warn(QStringLiteral("コピー元ファイルが指定されていません \n\n先にシンボルファイルを選択して下さい "),
                  QStringLiteral("ファイル未選択"));
    return;
  }
  // Named as the recipe will be stored, so that the stored recipe finds its picture.
  const QString dish = typed_text::ToStored(typedDishName_);
  if (auto problem = PictureNameProblem(dish)) {
    dialogs_.warn(*problem, QStringLiteral("ファイル名エラー"));
    return;
  }
  // An existing picture of the same name in another letter case is the one replaced.
  const QString target = module_.Folder.path(PictureTargetName(dish, pickedFile_));
  if (!dialogs_.confirm(dish + QStringLiteral("はこの画像でＯＫですか？"), QStringLiteral("コピー確認"),
                        MessageBox::Icon::Exclamation))
    return;
  if (QFileInfo::exists(target) &&
      !dialogs_.confirm(QStringLiteral("同じ名前の画像が既に存在します。上書きしますか？"), QStringLiteral("上書き確認"),
                        MessageBox::Icon::Exclamation))
    return;
  if (auto error = CopyPictureFile(source, target)) {
    dialogs_.error(QStringLiteral("画像をコピーできませんでした。\n%1\n%2").arg(target, *error),
                   QStringLiteral("コピーエラー"));
    return;
  }
  dialogs_.inform(QStringLiteral("料理名をファイル名としてコピー終了しました。"), QStringLiteral("コピー終了"));
  hide();
}

void PicturePicker::cmdYame_Click() { hide(); }
