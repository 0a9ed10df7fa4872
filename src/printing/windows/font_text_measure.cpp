#include "printing/windows/font_text_measure.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

constexpr int kDotsPerMetre = 56693;  // 1440 to the inch

// The font as the page printer sets it up: the named face with a Japanese face behind it.
QFont printerFont(const PrintFont& font) {
  QFont qfont;
  qfont.setFamilies({font.family.isEmpty() ? qfont.family() : font.family, QStringLiteral("Noto Sans CJK JP")});
  qfont.setPointSizeF(font.pointSize > 0 ? font.pointSize : 12);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  return qfont;
}

}  // namespace

FontTextMeasure::FontTextMeasure() : device_(1, 1, QImage::Format_ARGB32) {
  device_.setDotsPerMeterX(kDotsPerMetre);
  device_.setDotsPerMeterY(kDotsPerMetre);
}

int FontTextMeasure::width(const QString& text, const PrintFont& font) const {
  return int(std::ceil(QFontMetricsF(printerFont(font), &device_).horizontalAdvance(text)));
}

int FontTextMeasure::lineHeight(const PrintFont& font) const {
  return int(std::ceil(QFontMetricsF(printerFont(font), &device_).height()));
}
