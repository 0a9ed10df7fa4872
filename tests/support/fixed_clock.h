// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock that stands still at the day and time a test sets.
#include "platform/rules/clock.h"

class FixedClock : public Clock {
 public:
  explicit FixedClock(QDate day = QDate::currentDate(), QTime time = QTime(12, 0)) : day_(day), time_(time) {}
  QDate today() const override { return day_; }
  QDateTime now() const override { return QDateTime(day_, time_); }
  void set(QDate day) { day_ = day; }
  void set(QDate day, QTime time) {
    day_ = day;
    time_ = time;
  }

 private:
  QDate day_;
  QTime time_;
};
