// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refrigerator's dates are texts "yyyy/MM/dd", written and read the same way whatever the
// machine's locale, so days left and the purchase-date sort keep working when it changes.
#include <QDate>
#include <QStringList>
#include <optional>

namespace fridge_dates {

// "2024/03/09".
QString DateText(QDate date);

// The date a text names: year/month/day with '/' between them (blanks around the text ignored,
// month and day with or without a leading zero). Nothing for any other text.
std::optional<QDate> ParseDate(QStringView text);

// The purchase-date choices: the empty text, then today - 6 up to today, ascending.
QStringList PurchaseDateChoices(QDate today);

// The best-before choices: today up to today + 89, ascending.
QStringList BestBeforeChoices(QDate today);

// The day-count choices "1" .. "90".
QStringList DayCountChoices();

}  // namespace fridge_dates
