// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/windows/frm_splash.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>

#include "platform/windows/artwork.h"
#include "platform/windows/user_text.h"

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("ZESTRA"));
  setFixedSize(420, 300);
  setStyleSheet(QStringLiteral("frmSplash { background: #fff8ee; border: 1px solid #c08040; }"));
  setAttribute(Qt::WA_StyledBackground);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(1, 1, 418, 150);
  Image2->setPixmap(SplashPicture(418, 150));
  Image2->setAccessibleName(QStringLiteral("起動画像"));

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(16, 160, 48, 48);
  Image1->setPixmap(ProgramIcon().pixmap(48, 48));
  Image1->setAccessibleName(QStringLiteral("アイコン"));

  lblCopyright = new QLabel(QStringLiteral("～ゼストラ～"), this);
  lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
  lblCopyright->setGeometry(72, 160, 330, 28);
  QFont title = lblCopyright->font();
  title.setPointSize(16);
  title.setBold(true);
  lblCopyright->setFont(title);
  lblCopyright->setStyleSheet(QStringLiteral("color: #a0522d;"));

  Label1 = new QLabel(QStringLiteral("☆  データ読み込み中です  ☆"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(72, 190, 330, 20);

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameShape(QFrame::StyledPanel);
  Frame1->setGeometry(16, 220, 388, 64);

  lblKensu = new QLabel(Frame1);
  lblKensu->setObjectName(QStringLiteral("lblKensu"));
  lblKensu->setGeometry(10, 6, 368, 22);
  lblKensu->setAccessibleDescription(QStringLiteral("読み込み件数"));
  lblKoumoku = new QLabel(Frame1);
  lblKoumoku->setObjectName(QStringLiteral("lblKoumoku"));
  lblKoumoku->setGeometry(10, 32, 368, 22);
  lblKoumoku->setAccessibleDescription(QStringLiteral("読み込み中の料理名"));

  shownFor_.start();
  sinceRepaint_.start();
}

void frmSplash::repaintNow(bool force) {
  if (!force && sinceRepaint_.elapsed() < 40) return;
  sinceRepaint_.restart();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmSplash::showCount(int counted) {
  lblKensu->setText(QString::number(counted) + QStringLiteral("件"));
  repaintNow(true);
}

void frmSplash::showProgress(int loaded, int counted, const QString& dishName) {
  if (loaded != counted && sinceRepaint_.elapsed() < 40) return;  // the labels are only seen when painted
  ShowUserText(lblKoumoku, dishName);
  lblKensu->setText(QStringLiteral("%1 / %2件").arg(loaded).arg(counted));
  repaintNow(loaded == counted);
}

qint64 frmSplash::remainingMilliseconds() const {
  return std::max<qint64>(0, kMinimumMilliseconds - shownFor_.elapsed());
}
