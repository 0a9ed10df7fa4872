#pragma once
// The slideshow: every second the next recipe, with the picture enlarged, until the last one has
// been shown; a new start continues where the last run stopped.
#include <QWidget>
#include <functional>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QPushButton;
class QTimer;

class SlideshowPanel : public QWidget {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<int()> recipeCount;        // entries of the name list
    std::function<void(int)> showRecord;     // sets the record scroll bar
    std::function<void()> enlargePicture;
  };
  SlideshowPanel(Module1& module, Dialogs& dialogs, Hooks hooks, QWidget* parent);

  void cmdSaisei_Click();
  void cmdStop_Click();
  void tmrPlay_Timer();

  // Every change of the record scroll bar moves the position to the record shown.
  void setPosition(int record) { SlideshowPosition = record; }

  bool SlideshowPlaying = false;
  int SlideshowPosition = 0;

  QPushButton* cmdSaisei;
  QPushButton* cmdStop;
  QTimer* tmrPlay;

 private:
  bool refuseWhenEmpty();

  Module1& module_;
  Dialogs& dialogs_;
  Hooks hooks_;
};
