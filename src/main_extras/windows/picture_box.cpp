// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/picture_box.h"

#include <QFrame>
#include <QRadioButton>
#include <tuple>

#include "store/rules/picture_files.h"
#include "platform/rules/help_texts.h"
#include "platform/rules/typed_text.h"
#include "store/windows/backup_before_write.h"
#include "platform/windows/clickable_label.h"
#include "store/windows/help_tour.h"
#include "platform/windows/picture_reading.h"
#include "store/rules/profile_file.h"

namespace {

// Sizes of the photo frame and the picture, in pixels (twips / 15).
constexpr QSize kSmallFrame(328, 247), kSmallPicture(328, 238);
constexpr QSize kLargeFrame(580, 419), kLargePicture(575, 415);
constexpr int kLargeDrop = 36;

QPixmap LoadPictureFile(const QString& path) { return QPixmap::fromImage(ReadPictureFile(path)); }

}  // namespace

PictureBox::PictureBox(Module1& module, Dialogs& dialogs, QWidget* host)
    : QObject(host), module_(module), dialogs_(dialogs) {
  setObjectName(QStringLiteral("PictureBox"));
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
  connect(imgGazou, &ClickableLabel::clicked, this, &PictureBox::imgGazou_Click);

  optGazou = new QRadioButton(QStringLiteral("写真を表示します"), host);
  optGazou->setObjectName(QStringLiteral("optGazou"));
  optMain = new QRadioButton(QStringLiteral("写真を表示しません"), host);
  optMain->setObjectName(QStringLiteral("optMain"));
  optGazou->setChecked(true);
  connect(optGazou, &QRadioButton::clicked, this, &PictureBox::optGazou_Click);
  connect(optMain, &QRadioButton::clicked, this, &PictureBox::optMain_Click);
}

void PictureBox::place(int right, int top) {
  right_ = right;
  top_ = top;
  applySize();
  optGazou->setGeometry(right - kSmallFrame.width(), top + kSmallFrame.height() + 4, 160, 22);
  optMain->setGeometry(right - kSmallFrame.width() + 164, top + kSmallFrame.height() + 4, 164, 22);
}

void PictureBox::applySize() {
  const QSize frame = enlarged_ ? kLargeFrame : kSmallFrame;
  const QSize picture = enlarged_ ? kLargePicture : kSmallPicture;
  // The large picture drops below the name row, so the dish's name stays in view.
  const int top = enlarged_ ? top_ + kLargeDrop : top_;
  fraGazou->setGeometry(right_ - frame.width(), top, frame.width(), frame.height());
  imgGazou->setGeometry((frame.width() - picture.width()) / 2, (frame.height() - picture.height()) / 2,
                        picture.width(), picture.height());
  fraGazou->raise();
  showPixmap(shown_, shownFile_);
}

void PictureBox::setEnlarged(bool enlarged) {
  enlarged_ = enlarged;
  applySize();
}

void PictureBox::showPixmap(const QPixmap& pixmap, const QString& file) {
  shown_ = pixmap;
  shownFile_ = pixmap.isNull() ? QString() : file;
  if (pixmap.isNull()) {
    imgGazou->clear();
    return;
  }
  // Scaled to fill the picture box, keeping its proportions.
  imgGazou->setPixmap(pixmap.scaled(imgGazou->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PictureBox::showPreview(const QString& path) {
  const QPixmap preview = LoadPictureFile(path);
  if (!preview.isNull()) showPixmap(preview, path);  // a file that is no picture leaves the preview as it was
}

void PictureBox::LoadRecipePicture(const QString& dishName) {
  QPixmap picture;
  QString file;
  for (const QString& path : PictureCandidates(module_.Folder, dishName)) {
    const QPixmap loaded = LoadPictureFile(path);
    if (!loaded.isNull()) std::tie(picture, file) = std::pair(loaded, path);
  }
  if (picture.isNull()) {
    const QString stand_in = module_.Folder.existing(kNoPictureFileName);
    if (!stand_in.isEmpty()) std::tie(picture, file) = std::pair(LoadPictureFile(stand_in), stand_in);
  }
  showPixmap(picture, file);
  imgGazou->setAccessibleDescription(dishName);
}

void PictureBox::clearPicture() { showPixmap(QPixmap(), QString()); }

bool PictureBox::photosShown() const { return !optMain->isChecked(); }

void PictureBox::selectPhotoMode(bool shown) {
  (shown ? optGazou : optMain)->setChecked(true);
  fraGazou->setVisible(shown);
}

void PictureBox::saveProfile() {
  BackUpBeforeWrite(module_, dialogs_, module_.path(kProfileFileName), backups::Change::Keeps);
  if (auto error = SaveProfile(module_.path(kProfileFileName), module_.Prof, kPhotoModeLine))
    dialogs_.error(error->message(), QStringLiteral("保存エラー"));
}

void PictureBox::optGazou_Click() {
  LoadRecipePicture(typed_text::ToStored(typedDishName_));
  fraGazou->setVisible(true);
  module_.Prof.PhotoMode = kPhotoShown;
  saveProfile();
  Explain(module_, dialogs_, help_texts::PhotoModeOn());
}

void PictureBox::optMain_Click() {
  fraGazou->setVisible(false);
  module_.Prof.PhotoMode = kPhotoHidden;
  saveProfile();
  Explain(module_, dialogs_, help_texts::PhotoModeOff());
}

void PictureBox::imgGazou_Click() { setEnlarged(!enlarged_); }
