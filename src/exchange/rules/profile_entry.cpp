// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/rules/profile_entry.h"

#include <QRegularExpression>

#include "platform/rules/numbers.h"

namespace exchange {

std::optional<TargetEntry> ReadTargetPoints(const QString& typed) {
  // NFKC turns full-width digits, commas and points into their half-width forms.
  const QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
  static const QRegularExpression number(QStringLiteral(R"(^([0-9]{1,3}(,[0-9]{3})+|[0-9]+)(\.[0-9]+)?$|^\.[0-9]+$)"));
  if (!number.match(text).hasMatch()) return std::nullopt;
  QString plain = text;
  plain.remove(u',');
  const double value = numbers::ReadNumber(plain);
  if (!(value > 0) || !numbers::FitsSingle(plain) || float(value) == 0) return std::nullopt;
  return TargetEntry{value, plain};
}

QString PointsText(double totalPoints) { return numbers::FormatDouble(totalPoints) + QStringLiteral(" P"); }

QString LevelText(float levelPercent) { return QString::number(double(levelPercent), 'f', 1) + QStringLiteral(" %"); }

}  // namespace exchange
