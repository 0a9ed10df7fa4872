// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/rules/recipe_figures.h"

#include <QRegularExpression>
#include <cmath>

namespace web_import {

std::optional<int> DurationMinutes(const QString& iso) {
  static const QRegularExpression duration(
      QStringLiteral(R"(^P(?:(\d+(?:[.,]\d+)?)D)?(?:T(?:(\d+(?:[.,]\d+)?)H)?(?:(\d+(?:[.,]\d+)?)M)?(?:(\d+(?:[.,]\d+)?)S)?)?$)"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = duration.match(iso.trimmed());
  if (!m.hasMatch() || iso.trimmed().size() < 3 || iso.trimmed().endsWith(u'T', Qt::CaseInsensitive)) return std::nullopt;
  const double perPart[] = {24 * 60, 60, 1, 1.0 / 60};
  double minutes = 0;
  for (int part = 1; part <= 4; ++part)
    minutes += m.captured(part).replace(u',', u'.').toDouble() * perPart[part - 1];
  return int(std::lround(minutes));
}

std::optional<double> FirstNumber(const QString& text) {
  static const QRegularExpression number(QStringLiteral(R"(\d[\d,]*(?:\.\d+)?)"));
  const QString plain = text.normalized(QString::NormalizationForm_KC);
  const QRegularExpressionMatch m = number.match(plain);
  if (!m.hasMatch()) return std::nullopt;
  return m.captured().remove(u',').toDouble();
}

std::optional<double> SaltGramsFromSodium(const QString& sodium) {
  const auto amount = FirstNumber(sodium);
  if (!amount) return std::nullopt;
  static const QRegularExpression grams(QStringLiteral(R"(\d\s*g\b|グラム)"), QRegularExpression::CaseInsensitiveOption);
  const bool inGrams = grams.match(sodium.normalized(QString::NormalizationForm_KC)).hasMatch();
  return *amount * 2.54 / (inGrams ? 1.0 : 1000.0);
}

QString FigureText(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.contains(u'.')) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  return text == u"-0" ? QStringLiteral("0") : text;
}

}  // namespace web_import
