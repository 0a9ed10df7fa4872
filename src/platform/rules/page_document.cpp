// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/page_document.h"

#include "platform/rules/data_folder.h"
#include "platform/rules/text_measure.h"

#include <algorithm>
#include <cmath>

PageDocument::PageDocument(QString title) : title_(std::move(title)), pages_(1) {}

void PageDocument::addText(int x, int y, const QString& text, const PrintFont& font, PrintColour colour) {
  pages_.back().items.emplace_back(PlacedText{x, y, text, font, colour});
}

void PageDocument::addPicture(TwipsRect rect, const QString& filePath) {
  pages_.back().items.emplace_back(PlacedPicture{rect, filePath, {}});
}

void PageDocument::addPictureData(TwipsRect rect, const QByteArray& encodedImage) {
  pages_.back().items.emplace_back(PlacedPicture{rect, {}, encodedImage});
}

void PageDocument::addRule(int x1, int y1, int x2, int y2, int width, PrintColour colour) {
  pages_.back().items.emplace_back(PlacedRule{x1, y1, x2, y2, width, colour});
}

void PageDocument::newPage() { pages_.emplace_back(); }

TwipsRect ItemBounds(const PlacedItem& item, const TextMeasure& measure) {
  if (const auto* text = std::get_if<PlacedText>(&item))
    return {text->x, text->y, measure.width(text->text, text->font), measure.lineHeight(text->font)};
  if (const auto* picture = std::get_if<PlacedPicture>(&item)) return picture->rect;
  const auto& rule = std::get<PlacedRule>(item);
  const int half = rule.width / 2;
  return {std::min(rule.x1, rule.x2) - half, std::min(rule.y1, rule.y2) - half,
          std::abs(rule.x2 - rule.x1) + rule.width, std::abs(rule.y2 - rule.y1) + rule.width};
}

double FitScale(const PageDocument& document, TwipsSize area, const TextMeasure& measure) {
  double scale = 1;
  for (const PrintPage& page : document.pages())
    for (const PlacedItem& item : page.items) {
      const TwipsRect bounds = ItemBounds(item, measure);
      const int right = bounds.x + bounds.width, bottom = bounds.y + bounds.height;
      if (right > area.width) scale = std::min(scale, double(area.width) / right);
      if (bottom > area.height) scale = std::min(scale, double(area.height) / bottom);
    }
  return std::max(scale, 0.0);
}

PageDocument WindowImageDocument(const QByteArray& encodedImage, int pixelWidth, int pixelHeight,
                                 const QString& title) {
  constexpr int kTwipsPerPixel = 15;
  PageDocument document(title);
  document.addPictureData({0, 0, std::max(pixelWidth, 0) * kTwipsPerPixel, std::max(pixelHeight, 0) * kTwipsPerPixel},
                          encodedImage);
  return document;
}

QString NextPdfFileName(const DataFolder& folder, const QString& title) {
  QString base = title.isEmpty() ? QStringLiteral("印刷") : title;
  for (QChar& c : base)
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20) c = u'_';
  for (int n = 1;; ++n) {
    const QString name = base + QStringLiteral("%1.pdf").arg(n, 3, 10, QLatin1Char('0'));
    if (!folder.exists(name)) return name;
  }
}
