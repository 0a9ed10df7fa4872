#pragma once
// "Today" for the cooking log. Tests set their own day.
#include <QDate>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDate today() const { return QDate::currentDate(); }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(QDate day) : day_(day) {}
  QDate today() const override { return day_; }
  void set(QDate day) { day_ = day; }

 private:
  QDate day_;
};
