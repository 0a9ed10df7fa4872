// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cooking log: one "yyyy/mm/dd" entry per cooking.
#include <QDate>
#include <QStringList>
#include <optional>

// The entries of a stored log: ten-character slices, one every twelve characters (an entry and
// the CR LF after it).
QStringList CookingLogEntries(const QString& cookingLog);

// A typed date as it is stored ("2024/3/9" -> "2024/03/09"), or nothing when it is not a real
// date in year/month/day form.
std::optional<QString> NormaliseCookingDate(const QString& typed);

QString FormatCookingDate(const QDate& date);
