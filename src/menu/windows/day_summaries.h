#pragma once
// The lines under each day of the menu: the day's calories and salt per person (lblGoukei(day))
// and, in red, the planned dishes whose stocked ingredient is past its best-before date by that
// day (lblKigen(day)). They follow the plan on screen and read "冷蔵庫.TXT" afresh each time, also
// when the menu window comes back to the front, so a change in the refrigerator shows at once.
#include <QObject>
#include <array>
#include <functional>

#include "menu/rules/menu_plan.h"
#include "platform/rules/clock.h"
#include "store/rules/module1.h"

class QLabel;
class QWidget;

class DaySummaries : public QObject {
  Q_OBJECT
 public:
  // The labels go into window, each under its day's column: left edges at dayLeft(day), from top.
  DaySummaries(QWidget* window, const Module1& module, Clock& clock, std::function<MenuPlan()> shownPlan,
               std::function<int(int day)> dayLeft, int top, int width);

  void refresh();

  static constexpr int kHeight = 118;  // both labels of a day, in pixels

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const Module1& module_;
  Clock& clock_;
  std::function<MenuPlan()> shownPlan_;
  std::array<QLabel*, kMenuDays> lblGoukei;
  std::array<QLabel*, kMenuDays> lblKigen;
};
