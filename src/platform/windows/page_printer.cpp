// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/page_printer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/rules/text_file.h"
#include "platform/windows/picture_reading.h"
#include "platform/windows/print_fonts.h"

#include "platform/windows/picture_reading.h"

namespace {

const QString kPrintTitle = QStringLiteral("印刷");
// A PDF stands for paper still to be printed: it keeps clear of the edge that printers cannot
// print on (about 4 to 5 mm on most).
constexpr double kPdfMarginMm = 5;
// Pictures are sent with no more detail than this, however large their files are.
constexpr int kPictureDotsPerInch = 300;

QPageLayout PdfPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
}

// A4 portrait at the smallest margins the printer allows.
void SetUpPage(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
}

TwipsSize PrintableArea(const QPageLayout& layout) {
  const QRectF area = layout.paintRect(QPageLayout::Point);
  return {int(std::floor(area.width() * 20)), int(std::floor(area.height() * 20))};  // 20 twips to the point
}

// The pictures of one job. A file drawn in several places (the stand-in picture of a catalogue)
// is read once and drawn as the same image, so that a PDF holds it once.
class JobPictures {
 public:
  JobPictures(const PageDocument& document, double pixelsPerTwip) : pixelsPerTwip_(pixelsPerTwip) {
    for (const PrintPage& page : document.pages())
      for (const PlacedItem& item : page.items)
        if (const auto* picture = std::get_if<PlacedPicture>(&item); picture && !picture->filePath.isEmpty())
          ++uses_[picture->filePath];
  }

  QImage picture(const PlacedPicture& item) {
    if (item.filePath.isEmpty()) return QImage::fromData(item.imageData);
    if (const auto kept = kept_.constFind(item.filePath); kept != kept_.constEnd()) return *kept;
    const QSize detail(int(std::ceil(item.rect.width * pixelsPerTwip_)), int(std::ceil(item.rect.height * pixelsPerTwip_)));
    QImage image = ReadPictureFile(item.filePath, detail);
    if (uses_.value(item.filePath) > 1) kept_.insert(item.filePath, image);
    return image;
  }

 private:
  double pixelsPerTwip_;
  QHash<QString, int> uses_;
  QHash<QString, QImage> kept_;
};

// Draws items given in twips on a device whose painter origin is the printable area's corner.
class TwipsPainter {
 public:
  TwipsPainter(QPainter& painter, QPaintDevice& device, JobPictures& pictures)
      : painter_(painter), device_(device), pictures_(pictures), unitsPerTwip_(device.logicalDpiX() / 1440.0) {}

  void operator()(const PlacedText& item) {
    const QFont font = PrinterFont(item.font);
    painter_.setFont(font);
    painter_.setPen(colour(item.colour));
    const QFontMetricsF metrics(font, &device_);
    painter_.drawText(QPointF(at(item.x), at(item.y) + metrics.ascent()), item.text);
  }

  void operator()(const PlacedPicture& item) {
    if (item.rect.width <= 0 || item.rect.height <= 0) return;
    const QImage image = pictures_.picture(item);
    if (image.isNull()) return;
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
  JobPictures& pictures_;
  double unitsPerTwip_;
};

// Paints every page, the whole document shrunk by one factor when it does not fit the device's
// printable area; false when the device cannot be painted on or refuses a new page, or when
// progress stops the job (then *stopped is set).
bool Render(const PageDocument& document, QPagedPaintDevice& device, const PrintProgress& progress = {},
            bool* stopped = nullptr) {
  const double scale = FitScale(document, PrintableArea(device.pageLayout()), FontTextMeasure());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  JobPictures pictures(document, std::min(device.logicalDpiX(), kPictureDotsPerInch) / 1440.0 * scale);
  TwipsPainter drawer(painter, device, pictures);
  bool ok = true;
  for (int i = 0; i < document.pageCount() && ok; ++i) {
    if (progress && !progress(i, document.pageCount())) {
      if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
      if (stopped) *stopped = true;
      ok = false;
      break;
    }
    if (i > 0) ok = device.newPage();
    painter.setTransform(QTransform::fromScale(scale, scale));
    for (const PlacedItem& item : document.pages()[size_t(i)].items) std::visit(drawer, item);
  }
  return painter.end() && ok;
}

// Gives the text layer of a PDF made in memory back the characters printed (see
// pdf_text_layer.h), each character keeping its length.
void MendPdfTextLayer(QByteArray& pdf, const PageDocument& document) {
  LookAlikes meant;
  QSet<QString> faces;
  for (const PrintPage& page : document.pages())
    for (const PlacedItem& item : page.items)
      if (const auto* text = std::get_if<PlacedText>(&item)) {
        const QFont font = PrinterFont(text->font);
        if (!faces.contains(font.key())) {
          faces.insert(font.key());
          meant.insert(LookAlikesOf(font));
        }
      }
  if (meant.isEmpty() || pdf.isEmpty()) return;
  MendTextLayer({pdf.data(), size_t(pdf.size())}, meant);
}

}  // namespace

TwipsSize DefaultPrintableArea() {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) return PrintableArea(PdfPageLayout());
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  SetUpPage(printer);
  return PrintableArea(printer.pageLayout());
}

bool PrintOnPrinter(const PageDocument& document, QPrinter& printer, Dialogs& dialogs, const PrintProgress& progress) {
  printer.setDocName(document.title());
  SetUpPage(printer);
  bool stopped = false;
  if (Render(document, printer, progress, &stopped) && printer.printerState() != QPrinter::Error) return true;
  if (stopped) return false;
  const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
  dialogs.error(QStringLiteral("プリンタ「%1」で印刷できませんでした。プリンタの状態を確かめてください。").arg(name),
                kPrintTitle);
  return false;
}

bool WritePdf(const PageDocument& document, const QString& path, const PrintProgress& progress) {
  // Made and mended in memory, then written under a temporary name and renamed into place whole:
  // a killed program or a sync tool never meets a PDF whose text is not yet mended.
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("ZESTRA"));
    writer.setPageLayout(PdfPageLayout());
    if (!Render(document, writer, progress)) return false;
  }
  MendPdfTextLayer(pdf, document);
  return !text_file::writeBytes(path, pdf);
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
