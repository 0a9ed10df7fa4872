// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/fridge_dates.h"

namespace fridge_dates {
namespace {

constexpr int kPurchaseDays = 7;
constexpr int kBestBeforeDays = 90;

// A run of 1 to maxDigits ASCII digits as a number, nothing otherwise.
std::optional<int> digits(QStringView part, int maxDigits) {
  if (part.isEmpty() || part.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (QChar c : part) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

}  // namespace

QString DateText(QDate date) {
  return QStringLiteral("%1/%2/%3")
      .arg(date.year(), 4, 10, QLatin1Char('0'))
      .arg(date.month(), 2, 10, QLatin1Char('0'))
      .arg(date.day(), 2, 10, QLatin1Char('0'));
}

std::optional<QDate> ParseDate(QStringView text) {
  const QList<QStringView> parts = text.trimmed().split(u'/');
  if (parts.size() != 3 || parts[0].size() != 4) return std::nullopt;
  const auto year = digits(parts[0], 4);
  const auto month = digits(parts[1], 2);
  const auto day = digits(parts[2], 2);
  if (!year || !month || !day) return std::nullopt;
  const QDate date(*year, *month, *day);
  if (!date.isValid()) return std::nullopt;
  return date;
}

QStringList PurchaseDateChoices(QDate today) {
  QStringList choices{QString()};
  for (int back = kPurchaseDays - 1; back >= 0; --back) choices.append(DateText(today.addDays(-back)));
  return choices;
}

QStringList BestBeforeChoices(QDate today) {
  QStringList choices;
  for (int ahead = 0; ahead < kBestBeforeDays; ++ahead) choices.append(DateText(today.addDays(ahead)));
  return choices;
}

QStringList DayCountChoices() {
  QStringList choices;
  for (int n = 1; n <= kBestBeforeDays; ++n) choices.append(QString::number(n));
  return choices;
}

}  // namespace fridge_dates
