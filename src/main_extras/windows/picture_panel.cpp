#include "main_extras/windows/picture_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

#include "platform/rules/help_texts.h"
#include "main_extras/rules/picture_files.h"
#include "platform/windows/help_tour.h"
#include "platform/windows/clickable_label.h"
#include "store/rules/profile_file.h"

namespace {

// Sizes of the photo frame and the picture, in pixels (twips / 15).
constexpr QSize kSmallFrame(328, 247), kSmallPicture(328, 238);
constexpr QSize kLargeFrame(580, 419), kLargePicture(575, 415);
constexpr int kLargeDrop = 36;

QPixmap loadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
  return QPixmap::fromImage(reader.read());
}

}  // namespace

PicturePanel::PicturePanel(Module1& module, Dialogs& dialogs, QWidget* host, std::function<QString()> dishName)
    : QObject(host), module_(module), dialogs_(dialogs), dishName_(std::move(dishName)) {
  fraGazou = new QFrame(host);
  fraGazou->setObjectName(QStringLiteral("fraGazou"));
  fraGazou->setFrameShape(QFrame::StyledPanel);
  fraGazou->setAutoFillBackground(true);  // the large picture covers the fields beneath it
  fraGazou->setAccessibleName(QStringLiteral("料理画像"));
  imgGazou = new ClickableLabel(fraGazou);
  imgGazou->setObjectName(QStringLiteral("imgGazou"));
  imgGazou->setAlignment(Qt::AlignCenter);
  imgGazou->setAccessibleName(QStringLiteral("料理画像"));
  imgGazou->setToolTip(QStringLiteral("クリックで画像の大きさを切り替えます"));
  imgGazou->setCursor(Qt::PointingHandCursor);
  connect(imgGazou, &ClickableLabel::clicked, this, &PicturePanel::imgGazou_Click);

  optGazou = new QRadioButton(QStringLiteral("写真を表示します"), host);
  optGazou->setObjectName(QStringLiteral("optGazou"));
  optMain = new QRadioButton(QStringLiteral("写真を表示しません"), host);
  optMain->setObjectName(QStringLiteral("optMain"));
  optGazou->setChecked(true);
  connect(optGazou, &QRadioButton::clicked, this, &PicturePanel::optGazou_Click);
  connect(optMain, &QRadioButton::clicked, this, &PicturePanel::optMain_Click);

  fraPicget = new QFrame(host);
  fraPicget->setObjectName(QStringLiteral("fraPicget"));
  fraPicget->setFrameShape(QFrame::Panel);
  fraPicget->setAutoFillBackground(true);
  fraPicget->setAccessibleName(QStringLiteral("料理画像取り込み"));
  fraPicget->hide();
  Label1 = new QLabel(QStringLiteral("料理画像取り込み先指定"), fraPicget);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  lblFolder = new QLabel(fraPicget);
  lblFolder->setObjectName(QStringLiteral("lblFolder"));
  lblFolder->setAccessibleName(QStringLiteral("表示中のフォルダ"));
  lblFolder->setStyleSheet(QStringLiteral("color: #505050;"));
  drvZukei_Moto = new QComboBox(fraPicget);
  drvZukei_Moto->setObjectName(QStringLiteral("drvZukei_Moto"));
  drvZukei_Moto->setAccessibleName(QStringLiteral("ドライブ"));
  dirZukei_Moto = new QListView(fraPicget);
  dirZukei_Moto->setObjectName(QStringLiteral("dirZukei_Moto"));
  dirZukei_Moto->setAccessibleName(QStringLiteral("フォルダ"));
  filZukei_Moto = new QListView(fraPicget);
  filZukei_Moto->setObjectName(QStringLiteral("filZukei_Moto"));
  filZukei_Moto->setAccessibleName(QStringLiteral("ファイル"));
  cmdFileCopy = new QPushButton(QStringLiteral("画像を取り込む"), fraPicget);
  cmdFileCopy->setObjectName(QStringLiteral("cmdFileCopy"));
  cmdYame = new QPushButton(QStringLiteral("キャンセル"), fraPicget);
  cmdYame->setObjectName(QStringLiteral("cmdYame"));

  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDot);
  folders_->setRootPath(QString());
  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setRootPath(QString());
  dirZukei_Moto->setModel(folders_);
  filZukei_Moto->setModel(files_);

  connect(drvZukei_Moto, &QComboBox::activated, this, &PicturePanel::drvZukei_Moto_Change);
  connect(dirZukei_Moto, &QListView::activated, this,
          [this](const QModelIndex& index) { dirZukei_Moto_Change(folders_->filePath(index)); });
  connect(filZukei_Moto, &QListView::clicked, this,
          [this](const QModelIndex& index) { filZukei_Moto_Click(files_->fileName(index)); });
  connect(cmdFileCopy, &QPushButton::clicked, this, &PicturePanel::cmdFileCopy_Click);
  connect(cmdYame, &QPushButton::clicked, this, &PicturePanel::cmdYame_Click);

  fillDrives();
  setPickerFolder(module_.Folder.folder());
}

void PicturePanel::place(int right, int top) {
  right_ = right;
  top_ = top;
  applySize();
  optGazou->setGeometry(right - kSmallFrame.width(), top + kSmallFrame.height() + 4, 160, 22);
  optMain->setGeometry(right - kSmallFrame.width() + 164, top + kSmallFrame.height() + 4, 164, 22);
}

void PicturePanel::placePicker(int x, int y, int width, int height) {
  fraPicget->setGeometry(x, y, width, height);
  const int column = (width - 36) / 2;
  Label1->setGeometry(12, 8, column, 22);
  lblFolder->setGeometry(24 + column, 8, column, 22);
  drvZukei_Moto->setGeometry(12, 36, column, 26);
  dirZukei_Moto->setGeometry(12, 68, column, height - 116);
  filZukei_Moto->setGeometry(24 + column, 36, column, height - 84);
  cmdFileCopy->setGeometry(width - 260, height - 40, 130, 30);
  cmdYame->setGeometry(width - 122, height - 40, 110, 30);
}

void PicturePanel::applySize() {
  const QSize frame = enlarged_ ? kLargeFrame : kSmallFrame;
  const QSize picture = enlarged_ ? kLargePicture : kSmallPicture;
  // The large picture drops below the name row, so the dish's name stays in view.
  const int top = enlarged_ ? top_ + kLargeDrop : top_;
  fraGazou->setGeometry(right_ - frame.width(), top, frame.width(), frame.height());
  imgGazou->setGeometry((frame.width() - picture.width()) / 2, (frame.height() - picture.height()) / 2,
                        picture.width(), picture.height());
  fraGazou->raise();
  showPixmap(shown_);
}

void PicturePanel::setEnlarged(bool enlarged) {
  enlarged_ = enlarged;
  applySize();
}

void PicturePanel::showPixmap(const QPixmap& pixmap) {
  shown_ = pixmap;
  if (pixmap.isNull()) {
    imgGazou->clear();
    return;
  }
  // Scaled to fill the picture box, keeping its proportions.
  imgGazou->setPixmap(pixmap.scaled(imgGazou->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PicturePanel::LoadRecipePicture(const QString& dishName) {
  QPixmap picture;
  for (const QString& path : PictureCandidates(module_.Folder, dishName)) {
    const QPixmap loaded = loadPicture(path);
    if (!loaded.isNull()) picture = loaded;
  }
  if (picture.isNull()) {
    const QString stand_in = module_.Folder.existing(kNoPictureFileName);
    if (!stand_in.isEmpty()) picture = loadPicture(stand_in);
  }
  showPixmap(picture);
  imgGazou->setAccessibleDescription(dishName);
}

void PicturePanel::clearPicture() { showPixmap(QPixmap()); }

bool PicturePanel::photosShown() const { return !optMain->isChecked(); }

void PicturePanel::selectPhotoMode(bool shown) {
  (shown ? optGazou : optMain)->setChecked(true);
  fraGazou->setVisible(shown);
}

void PicturePanel::saveProfile() {
  if (auto error = SaveProfile(module_.path(kProfileFileName), module_.Prof))
    dialogs_.error(error->message(), QStringLiteral("保存エラー"));
}

void PicturePanel::optGazou_Click() {
  LoadRecipePicture(dishName_());
  fraGazou->setVisible(true);
  module_.Prof.PhotoMode = kPhotoShown;
  saveProfile();
  Explain(module_, dialogs_, help_texts::PhotoModeOn());
}

void PicturePanel::optMain_Click() {
  fraGazou->setVisible(false);
  module_.Prof.PhotoMode = kPhotoHidden;
  saveProfile();
  Explain(module_, dialogs_, help_texts::PhotoModeOff());
}

void PicturePanel::imgGazou_Click() { setEnlarged(!enlarged_); }

// --- the picker ---

void PicturePanel::fillDrives() {
  drvZukei_Moto->clear();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    const QString label = volume.displayName() == volume.rootPath()
                              ? volume.rootPath()
                              : QStringLiteral("%1 [%2]").arg(volume.rootPath(), volume.displayName());
    drvZukei_Moto->addItem(label, volume.rootPath());
  }
  const QString home = QDir::homePath();
  if (drvZukei_Moto->findData(home) < 0) drvZukei_Moto->insertItem(0, QStringLiteral("ホーム (%1)").arg(home), home);
}

void PicturePanel::lblRyoriNm_DblClick() {
  fraPicget->setVisible(true);
  fraPicget->raise();
  Explain(module_, dialogs_, help_texts::PicturePicker());
}

void PicturePanel::drvZukei_Moto_Change(int index) {
  const QString root = drvZukei_Moto->itemData(index).toString();
  if (!QDir(root).isReadable()) {
    dialogs_.message({QStringLiteral("ﾃﾞﾊﾞｲｽが準備されていません"), QStringLiteral("ﾃﾞﾊﾞｲｽ未準備"),
                      MessageBox::Buttons::Ok, MessageBox::Icon::Critical});
    fillDrives();
    return;
  }
  setPickerFolder(root);
}

void PicturePanel::setPickerFolder(const QString& folder) {
  dirZukei_Moto->setRootIndex(folders_->setRootPath(folder));
  dirZukei_Moto_Change(folder);
}

QString PicturePanel::pickerFolder() const { return files_->rootPath(); }

void PicturePanel::dirZukei_Moto_Change(const QString& folder) {
  const QString clean = QDir::cleanPath(folder);
  dirZukei_Moto->setRootIndex(folders_->setRootPath(clean));
  filZukei_Moto->setRootIndex(files_->setRootPath(clean));
  lblFolder->setText(QDir::toNativeSeparators(clean));
  lblFolder->setToolTip(lblFolder->text());
  pickedFile_.clear();
  // The drive list names the volume that holds the folder.
  int best = -1, bestLength = -1;
  for (int i = 0; i < drvZukei_Moto->count(); ++i) {
    const QString root = drvZukei_Moto->itemData(i).toString();
    const bool holds = clean == root || clean.startsWith(root.endsWith(u'/') ? root : root + u'/');
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = int(root.size());
    }
  }
  if (best >= 0) drvZukei_Moto->setCurrentIndex(best);
}

QString PicturePanel::chosenFile() const {
  if (pickedFile_.isEmpty()) return {};
  return QDir(pickerFolder()).filePath(pickedFile_);
}

void PicturePanel::filZukei_Moto_Click(const QString& fileName) {
  pickedFile_ = fileName;
  const QPixmap preview = loadPicture(chosenFile());
  if (!preview.isNull()) showPixmap(preview);  // a file that is no picture leaves the preview as it was
}

void PicturePanel::cmdFileCopy_Click() {
  const QString source = chosenFile();
  if (source.isEmpty()) {
    dialogs_.warn(QStringLiteral("コピー元ファイルが指定されていません \n\n先にシンボルファイルを選択して下さい "),
                  QStringLiteral("ファイル未選択"));
    return;
  }
  const QString dish = dishName_();
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
  fraPicget->hide();
}

void PicturePanel::cmdYame_Click() { fraPicget->hide(); }
