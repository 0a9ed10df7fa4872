// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/slideshow_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include "platform/rules/help_texts.h"
#include "store/windows/help_tour.h"
#include "platform/windows/artwork.h"

SlideshowPanel::SlideshowPanel(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), module_(module), dialogs_(dialogs) {
  setObjectName(QStringLiteral("SlideshowPanel"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  cmdSaisei = new QPushButton(this);
  cmdSaisei->setObjectName(QStringLiteral("cmdSaisei"));
  cmdSaisei->setIcon(PlayIcon());
  cmdSaisei->setIconSize(QSize(20, 20));
  cmdSaisei->setToolTip(QStringLiteral("スライドショーを始めます"));
  cmdSaisei->setAccessibleName(QStringLiteral("スライドショー再生"));
  cmdStop = new QPushButton(this);
  cmdStop->setObjectName(QStringLiteral("cmdStop"));
  cmdStop->setIcon(StopIcon());
  cmdStop->setIconSize(QSize(20, 20));
  cmdStop->setToolTip(QStringLiteral("スライドショーを止めます"));
  cmdStop->setAccessibleName(QStringLiteral("スライドショー停止"));
  for (QPushButton* button : {cmdSaisei, cmdStop}) {
    button->setFixedSize(40, 30);
    layout->addWidget(button);
  }
  connect(cmdSaisei, &QPushButton::clicked, this, &SlideshowPanel::cmdSaisei_Click);
  connect(cmdStop, &QPushButton::clicked, this, &SlideshowPanel::cmdStop_Click);

  tmrPlay = new QTimer(this);
  tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
  tmrPlay->setInterval(1000);
  connect(tmrPlay, &QTimer::timeout, this, &SlideshowPanel::tmrPlay_Timer);
  tmrPlay->start();
}

bool SlideshowPanel::refuseWhenEmpty() {
  if (module_.RecipeCount() > 0) return false;
  dialogs_.warn(QStringLiteral("レシピが１件も登録されていません"), QStringLiteral("データ無し"));
  return true;
}

void SlideshowPanel::cmdSaisei_Click() {
  if (refuseWhenEmpty()) return;
  Explain(module_, dialogs_, help_texts::Slideshow());
  emit enlargePictureRequested();
  playing_ = true;
}

void SlideshowPanel::cmdStop_Click() {
  if (refuseWhenEmpty()) return;
  playing_ = false;
}

void SlideshowPanel::tmrPlay_Timer() {
  if (!playing_) return;
  const int n = module_.RecipeCount();
  if (position_ == n + 1) {
    playing_ = false;
    position_ = 0;
  }
  if (position_ < 1) position_ = 1;
  emit showRecordRequested(position_);  // the shown record comes back through setPosition
  ++position_;
}
