// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The slideshow: every second the next recipe, with the picture enlarged, until the last one has
// been shown; a new start continues where the last run stopped. The panel asks the main window
// to show a record (showRecordRequested) and to enlarge the picture (enlargePictureRequested);
// the main window tells it every record it shows (setPosition).
#include <QWidget>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QPushButton;
class QTimer;

class SlideshowPanel : public QWidget {
  Q_OBJECT
 public:
  SlideshowPanel(Module1& module, Dialogs& dialogs, QWidget* parent);

  void tmrPlay_Timer();

  bool isPlaying() const { return playing_; }
  int position() const { return position_; }  // the record to show next

 public slots:
  // Every change of the record scroll bar moves the position to the record shown.
  void setPosition(int record) { position_ = record; }

 signals:
  void showRecordRequested(int record);
  void enlargePictureRequested();

 private slots:
  void cmdSaisei_Click();
  void cmdStop_Click();

 private:
  bool refuseWhenEmpty();

  Module1& module_;
  Dialogs& dialogs_;
  bool playing_ = false;  // SlideshowPlaying
  int position_ = 0;      // SlideshowPosition
  QPushButton* cmdSaisei;
  QPushButton* cmdStop;
  QTimer* tmrPlay;
};
