// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/quoted_fields.h"

namespace quoted_fields {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Without the blanks and tabs around it; other spaces (the ideographic space) belong to the text.
QString withoutBlanks(QStringView text) {
  qsizetype first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.sliced(first, last - first).toString();
}

}  // namespace

QStringList split(const QString& line) {
  QStringList fields;
  qsizetype i = 0;
  const qsizetype n = line.size();
  while (true) {
    while (i < n && isBlank(line[i])) ++i;
    if (i < n && line[i] == u'"') {
      const qsizetype close = line.indexOf(u'"', i + 1);
      const qsizetype end = close < 0 ? n : close;
      fields.append(line.mid(i + 1, end - i - 1));
      i = close < 0 ? n : close + 1;
      const qsizetype comma = line.indexOf(u',', i);
      if (comma < 0) break;
      i = comma + 1;
    } else {
      const qsizetype comma = line.indexOf(u',', i);
      const qsizetype end = comma < 0 ? n : comma;
      fields.append(withoutBlanks(QStringView(line).sliced(i, end - i)));
      if (comma < 0) break;
      i = comma + 1;
    }
  }
  return fields;
}

QString first(const QString& line) { return split(line).value(0); }

QString quote(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

bool canQuote(const QString& text) { return !text.contains(u'"'); }

}  // namespace quoted_fields
