// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Today" for the cooking log, and the time of day that names backups. Tests set their own.
#include <QDateTime>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDate today() const { return QDate::currentDate(); }
  virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};
