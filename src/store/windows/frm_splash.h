// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up window: shows a picture and the running count while the recipe book loads.
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QFrame;

class frmSplash : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmSplash)
 public:
  explicit frmSplash(QWidget* parent = nullptr);

  // "120件" after counting, then "3 / 120件" and the dish name per record. Lets the window repaint
  // at most every few milliseconds, so a full book still loads fast.
  void showCount(int counted);
  void showProgress(int loaded, int counted, const QString& dishName);

  // The splash stays at least this long after it was first shown (a monotonic clock).
  static constexpr int kMinimumMilliseconds = 1500;
  qint64 remainingMilliseconds() const;

  QLabel* lblKensu;
  QLabel* lblKoumoku;

 private:
  void repaintNow(bool force);

  QLabel* Image2;
  QLabel* Image1;
  QLabel* lblCopyright;
  QLabel* Label1;
  QFrame* Frame1;
  QElapsedTimer shownFor_;
  QElapsedTimer sinceRepaint_;
};
