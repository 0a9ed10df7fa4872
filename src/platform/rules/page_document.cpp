#include "platform/rules/page_document.h"

#include "platform/rules/data_folder.h"

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

TwipsRect WindowImageRect(int pixelWidth, int pixelHeight) {
  constexpr int kTwipsPerPixel = 15;
  const double width = std::max(pixelWidth, 0) * double(kTwipsPerPixel);
  const double height = std::max(pixelHeight, 0) * double(kTwipsPerPixel);
  if (width <= 0 || height <= 0) return {};
  const double scale = std::min({1.0, kPrintableWidthTwips / width, kPrintableHeightTwips / height});
  return {0, 0, int(std::lround(width * scale)), int(std::lround(height * scale))};
}

PageDocument WindowImageDocument(const QByteArray& encodedImage, int pixelWidth, int pixelHeight,
                                 const QString& title) {
  PageDocument document(title);
  document.addPictureData(WindowImageRect(pixelWidth, pixelHeight), encodedImage);
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
