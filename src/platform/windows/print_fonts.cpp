// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/print_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <cmath>

#include "platform/rules/cp932.h"
#include "platform/windows/app_look.h"

namespace {

constexpr int kDotsPerMetre = 56693;  // 1440 to the inch

}  // namespace

QFont PrinterFont(const PrintFont& font) {
  QFont qfont;
  qfont.setFamilies(font.family.isEmpty() ? JapaneseFacesFor(font.family)
                                          : QStringList{font.family} + JapaneseFacesFor(font.family));
  qfont.setPointSizeF(font.pointSize > 0 ? font.pointSize : 12);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  return qfont;
}

namespace {

// True when the code page holds the character as itself (U+301C is written as the code page's
// wave dash but read back as U+FF5E).
bool inCodePage(char16_t c) {
  const cp932::Encoded encoded = cp932::encode(QString(QChar(c)));
  return !encoded.error && cp932::decode(encoded.bytes).text == QString(QChar(c));
}

// Punctuation of the code page drawn with the glyph of a character of lower code that the code
// page does not hold (・ U+30FB with ‧ U+2027, 〈 U+3008 with 〈 U+2329, ～ U+FF5E with 〜 U+301C).
LookAlikes PunctuationLookAlikes(const QRawFont& face) {
  QString printed;
  for (char32_t c = 0x3000; c <= 0xFFEF; c = c == 0x30FF ? 0xFF00 : c + 1)
    if (inCodePage(char16_t(c))) printed.append(QChar(char16_t(c)));
  const QList<quint32> printedGlyphs = face.glyphIndexesForString(printed);
  QHash<quint32, char16_t> printedOfGlyph;
  for (qsizetype i = 0; i < printedGlyphs.size() && i < printed.size(); ++i)
    if (printedGlyphs[i] != 0 && !printedOfGlyph.contains(printedGlyphs[i])) printedOfGlyph.insert(printedGlyphs[i], printed[i].unicode());

  QString lower;
  for (char32_t c = 0x00A0; c <= 0x30FF; c = c == 0x2E7F ? 0x3000 : c + 1)
    if (!inCodePage(char16_t(c))) lower.append(QChar(char16_t(c)));
  const QList<quint32> lowerGlyphs = face.glyphIndexesForString(lower);
  LookAlikes meant;
  for (qsizetype i = 0; i < lowerGlyphs.size() && i < lower.size(); ++i)
    if (const auto found = printedOfGlyph.constFind(lowerGlyphs[i]);
        lowerGlyphs[i] != 0 && found != printedOfGlyph.constEnd() && *found > lower[i].unicode())
      meant.insert(lower[i].unicode(), *found);
  return meant;
}

}  // namespace

LookAlikes LookAlikesOf(const QFont& font) {
  // The two blocks of radicals (supplement and Kangxi), and the main block of kanji.
  constexpr char16_t kFirstRadical = 0x2E80, kLastRadical = 0x2FDF, kFirstKanji = 0x4E00, kLastKanji = 0x9FFF;
  const QRawFont face = QRawFont::fromFont(font, QFontDatabase::Japanese);
  auto range = [](char16_t first, char16_t last) {
    QString text;
    for (char32_t c = first; c <= last; ++c) text.append(QChar(char16_t(c)));
    return text;
  };
  const QString kanji = range(kFirstKanji, kLastKanji);
  const QList<quint32> kanjiGlyphs = face.glyphIndexesForString(kanji);
  QHash<quint32, char16_t> kanjiOfGlyph;
  for (qsizetype i = 0; i < kanjiGlyphs.size() && i < kanji.size(); ++i)
    if (kanjiGlyphs[i] != 0 && !kanjiOfGlyph.contains(kanjiGlyphs[i])) kanjiOfGlyph.insert(kanjiGlyphs[i], kanji[i].unicode());

  const QString others = range(kFirstRadical, kLastRadical);
  const QList<quint32> otherGlyphs = face.glyphIndexesForString(others);
  LookAlikes meant;
  for (qsizetype i = 0; i < otherGlyphs.size() && i < others.size(); ++i)
    if (const auto found = kanjiOfGlyph.constFind(otherGlyphs[i]); otherGlyphs[i] != 0 && found != kanjiOfGlyph.constEnd())
      meant.insert(others[i].unicode(), *found);

  meant.insert(PunctuationLookAlikes(face));
  return meant;
}

FontTextMeasure::FontTextMeasure() : device_(1, 1, QImage::Format_ARGB32) {
  device_.setDotsPerMeterX(kDotsPerMetre);
  device_.setDotsPerMeterY(kDotsPerMetre);
}

int FontTextMeasure::width(const QString& text, const PrintFont& font) const {
  return int(std::ceil(QFontMetricsF(PrinterFont(font), &device_).horizontalAdvance(text)));
}

int FontTextMeasure::lineHeight(const PrintFont& font) const {
  return int(std::ceil(QFontMetricsF(PrinterFont(font), &device_).height()));
}
