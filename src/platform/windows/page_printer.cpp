#include "platform/windows/page_printer.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>

#include "platform/windows/picture_reading.h"

namespace {

const QString kPrintTitle = QStringLiteral("印刷");

QPageLayout A4WithMargins() {
  const double marginMm = kPageMarginTwips / 56.7;
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

// Draws items given in twips on a device whose painter origin is the printable area's corner.
class TwipsPainter {
 public:
  TwipsPainter(QPainter& painter, QPaintDevice& device)
      : painter_(painter), device_(device), unitsPerTwip_(device.logicalDpiX() / 1440.0) {}

  void operator()(const PlacedText& item) {
    QFont font;
    // The named face first; a Japanese face behind it so that kana and kanji always show.
    font.setFamilies({item.font.family.isEmpty() ? font.family() : item.font.family,
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(item.font.pointSize > 0 ? item.font.pointSize : 12);
    font.setBold(item.font.bold);
    font.setItalic(item.font.italic);
    font.setUnderline(item.font.underline);
    painter_.setFont(font);
    painter_.setPen(colour(item.colour));
    const QFontMetricsF metrics(font, &device_);
    painter_.drawText(QPointF(at(item.x), at(item.y) + metrics.ascent()), item.text);
  }

  void operator()(const PlacedPicture& item) {
    QImage image;
    const bool loaded = item.filePath.isEmpty() ? image.loadFromData(item.imageData)
                                                : !(image = ReadPictureFile(item.filePath)).isNull();
    if (!loaded || item.rect.width <= 0 || item.rect.height <= 0) return;
    const QRectF target(at(item.rect.x), at(item.rect.y), at(item.rect.width), at(item.rect.height));
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(target, image);
  }

  void operator()(const PlacedRule& item) {
    QPen pen(colour(item.colour));
    pen.setWidthF(at(item.width));
    painter_.setPen(pen);
    painter_.drawLine(QPointF(at(item.x1), at(item.y1)), QPointF(at(item.x2), at(item.y2)));
  }

 private:
  double at(int twips) const { return twips * unitsPerTwip_; }
  static QColor colour(PrintColour c) { return QColor(c.r, c.g, c.b); }

  QPainter& painter_;
  QPaintDevice& device_;
  double unitsPerTwip_;
};

// Paints every page; false when the device cannot be painted on or refuses a new page, or when
// progress stops the job (then *stopped is set).
bool Render(const PageDocument& document, QPagedPaintDevice& device, const PrintProgress& progress = {},
            bool* stopped = nullptr) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  TwipsPainter drawer(painter, device);
  bool ok = true;
  for (int i = 0; i < document.pageCount() && ok; ++i) {
    if (progress && !progress(i, document.pageCount())) {
      if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
      if (stopped) *stopped = true;
      ok = false;
      break;
    }
    if (i > 0) ok = device.newPage();
    for (const PlacedItem& item : document.pages()[size_t(i)].items) std::visit(drawer, item);
  }
  return painter.end() && ok;
}

}  // namespace

bool PrintOnPrinter(const PageDocument& document, QPrinter& printer, Dialogs& dialogs, const PrintProgress& progress) {
  printer.setDocName(document.title());
  printer.setPageLayout(A4WithMargins());
  bool stopped = false;
  if (Render(document, printer, progress, &stopped) && printer.printerState() != QPrinter::Error) return true;
  if (stopped) return false;
  const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
  dialogs.error(QStringLiteral("プリンタ「%1」で印刷できませんでした。プリンタの状態を確かめてください。").arg(name),
                kPrintTitle);
  return false;
}

bool WritePdf(const PageDocument& document, const QString& path, const PrintProgress& progress) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("ZESTRA"));
    writer.setPageLayout(A4WithMargins());
    if (!Render(document, writer, progress)) {
      file.cancelWriting();
      return false;
    }
  }
  return file.commit();
}

bool PrintDocument(const PageDocument& document, const DataFolder& folder, Dialogs& dialogs) {
  return PrintDocument(document, folder, dialogs, {});
}

bool PrintDocument(const PageDocument& document, const DataFolder& folder, Dialogs& dialogs,
                   const PrintProgress& progress) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (!defaultPrinter.isNull()) {
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    return PrintOnPrinter(document, printer, dialogs, progress);
  }
  const QString path = folder.path(NextPdfFileName(folder, document.title()));
  bool stopped = false;
  const PrintProgress watched = [&](int done, int count) {
    stopped = progress && !progress(done, count);
    return !stopped;
  };
  if (!WritePdf(document, path, watched)) {
    if (stopped) return false;
    dialogs.error(QStringLiteral("プリンタが見つからず、PDFファイルも保存できませんでした。\n%1")
                      .arg(QDir::toNativeSeparators(path)),
                  kPrintTitle);
    return false;
  }
  dialogs.inform(QStringLiteral("プリンタが見つからないため、PDFファイルに保存しました。\n%1")
                     .arg(QDir::toNativeSeparators(path)),
                 kPrintTitle);
  return true;
}

PageDocument GrabWindowDocument(QWidget& window, const QString& title) {
  const QImage image = window.grab().toImage();
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
  }
  const double ratio = image.devicePixelRatio();
  return WindowImageDocument(png, int(image.width() / ratio), int(image.height() / ratio), title);
}
