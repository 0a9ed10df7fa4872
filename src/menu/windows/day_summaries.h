// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines under each day of the menu: the day's calories and salt per person (lblGoukei(day))
// and, in red, the planned dishes whose stocked ingredient is past its best-before date by that
// day (lblKigen(day)). They follow the plan on screen as it is typed. "冷蔵庫.TXT" is read when the
// window is made and each time it comes back to the front, so a change in the refrigerator shows
// as soon as the user returns, and a keystroke in a dish box reads no file.
#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "fridge/rules/stock.h"
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
  void readStock();

  const Module1& module_;
  Clock& clock_;
  std::function<MenuPlan()> shownPlan_;
  std::optional<std::vector<StockEntry>> stock_;  // none when the file cannot be read
  std::array<QLabel*, kMenuDays> lblGoukei;
  std::array<QLabel*, kMenuDays> lblKigen;
};
