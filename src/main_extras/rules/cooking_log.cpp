// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/rules/cooking_log.h"

#include <QRegularExpression>
#include <cmath>

QStringList CookingLogEntries(const QString& cookingLog) {
  // Entries of 10 characters joined by CR LF: m entries are 12m - 2 characters long.
  const int entries = int(std::nearbyint((double(cookingLog.size()) + 2) / 12));
  QStringList list;
  for (int i = 1; i <= entries; ++i) list.append(cookingLog.mid(12 * i - 12, 10));
  return list;
}

std::optional<QString> NormaliseCookingDate(const QString& typed) {
  // Full-width digits and slashes, as a Japanese input method types them, count as their ASCII forms.
  QString text = typed;
  for (QChar& c : text) {
    if (c >= QChar(0xFF10) && c <= QChar(0xFF19)) c = QChar(u'0' + (c.unicode() - 0xFF10));
    else if (c == QChar(0xFF0F)) c = u'/';
  }
  static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]{4})\\s*/\\s*([0-9]{1,2})\\s*/\\s*([0-9]{1,2})\\s*$"));
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
  if (!date.isValid()) return std::nullopt;
  return FormatCookingDate(date);
}

QString FormatCookingDate(const QDate& date) { return date.toString(QStringLiteral("yyyy/MM/dd")); }
