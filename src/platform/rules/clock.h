#pragma once
// "Today" for the cooking log, and the time of day that names backups. Tests set their own.
#include <QDateTime>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDate today() const { return QDate::currentDate(); }
  virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

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
