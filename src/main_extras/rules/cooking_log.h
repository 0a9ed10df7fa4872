#pragma once
// The cooking log: one "yyyy/mm/dd" entry per cooking.
#include <QDate>
#include <QStringList>
#include <optional>

// The entries of a stored log, cut into ten-character slices as the file has always been read.
QStringList CookingLogEntries(const QString& cookingLog);

// A typed date as it is stored ("2024/3/9" -> "2024/03/09"), or nothing when it is not a real
// date in year/month/day form.
std::optional<QString> NormaliseCookingDate(const QString& typed);

QString FormatCookingDate(const QDate& date);
