// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed document described apart from paper: pages of items placed in twips (1440 to the
// inch, 20 to the point). Positions count from the top-left corner of the printable area, x to
// the right and y downwards. A layout builds a PageDocument; the renderer in
// platform/windows/page_printer.h sends it to the default printer, or into a PDF.
//
//   PageDocument doc(QStringLiteral("献立"));
//   doc.addText(0, 200, QStringLiteral("【材料】"), {QStringLiteral("ＭＳ ゴシック"), 12}, kPrintGreen);
//   doc.addPicture({6500, 1000, 4000, 3000}, picturePath);
//   doc.newPage();
//
// Nothing here wraps or breaks text: one addText is one line drawn as given, its top at y.
// A layout that flows lines moves y on by the line height it chooses and calls newPage() when
// the next line would pass the bottom of the printable area it lays out for.
//
// The paper is A4 portrait; how much of it can be printed on depends on the printer. A document
// whose items reach past the printable area is printed smaller, the whole document by one factor
// (FitScale), so that nothing is cut off and every page keeps the same proportions.
#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

struct TwipsSize {
  int width = 0, height = 0;
  bool operator==(const TwipsSize&) const = default;
};

// A4 portrait, the paper every document is printed on.
constexpr TwipsSize kA4Twips{11906, 16838};

struct PrintColour {
  int r = 0, g = 0, b = 0;
  bool operator==(const PrintColour&) const = default;
};
inline constexpr PrintColour kPrintBlack{0, 0, 0};
inline constexpr PrintColour kPrintBlue{0, 0, 128};
inline constexpr PrintColour kPrintGreen{0, 128, 0};
inline constexpr PrintColour kPrintCyan{0, 128, 128};
inline constexpr PrintColour kPrintMagenta{128, 0, 128};

struct PrintFont {
  QString family;  // empty: the printer's default face. "ＭＳ ゴシック" maps to an installed face.
  double pointSize = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const PrintFont&) const = default;
};

struct TwipsRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const TwipsRect&) const = default;
};

// One line of text whose top-left corner is (x, y).
struct PlacedText {
  int x = 0, y = 0;
  QString text;
  PrintFont font;
  PrintColour colour;
  bool operator==(const PlacedText&) const = default;
};

// A picture stretched into its rectangle, whatever its own proportions. It comes from a file
// (JPEG, GIF, BMP, PNG) or from encoded image bytes (a grabbed window saved as PNG). A picture
// that cannot be read is left out of the page without a word, as a missing recipe photo is.
struct PlacedPicture {
  TwipsRect rect;
  QString filePath;
  QByteArray imageData;
  bool operator==(const PlacedPicture&) const = default;
};

// A straight line from (x1, y1) to (x2, y2); width in twips (0: the thinnest the device draws).
struct PlacedRule {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int width = 0;
  PrintColour colour;
  bool operator==(const PlacedRule&) const = default;
};

using PlacedItem = std::variant<PlacedText, PlacedPicture, PlacedRule>;

struct PrintPage {
  std::vector<PlacedItem> items;  // drawn in this order
};

class PageDocument {
 public:
  // The title names the print job, and the PDF file when there is no printer.
  explicit PageDocument(QString title = QStringLiteral("印刷"));

  const QString& title() const { return title_; }

  // Each adds to the last page. A new document has one empty page.
  void addText(int x, int y, const QString& text, const PrintFont& font, PrintColour colour = kPrintBlack);
  void addPicture(TwipsRect rect, const QString& filePath);
  void addPictureData(TwipsRect rect, const QByteArray& encodedImage);
  void addRule(int x1, int y1, int x2, int y2, int width = 0, PrintColour colour = kPrintBlack);
  // Starts a new, empty page.
  void newPage();

  const std::vector<PrintPage>& pages() const { return pages_; }
  int pageCount() const { return int(pages_.size()); }

 private:
  QString title_;
  std::vector<PrintPage> pages_;
};

class TextMeasure;

// The rectangle an item covers on its page; text as wide as measured and one line high.
TwipsRect ItemBounds(const PlacedItem& item, const TextMeasure& measure);

// The factor every page of the document is drawn at so that all its items lie within an area
// of this size whose top-left corner is the origin: 1 when they already do, never more.
double FitScale(const PageDocument& document, TwipsSize area, const TextMeasure& measure);

// The one-page document of a window's image: the picture (encoded bytes of pixelWidth x
// pixelHeight pixels, 15 twips each) at the top-left corner. A window larger than the printable
// area is printed smaller, with its proportions kept (FitScale).
PageDocument WindowImageDocument(const QByteArray& encodedImage, int pixelWidth, int pixelHeight,
                                 const QString& title);

// The first name "<title>001.pdf", "<title>002.pdf", ... not yet in the folder. Characters a file
// name cannot hold (/ \ : * ? " < > |) become "_"; an empty title is "印刷".
class DataFolder;
QString NextPdfFileName(const DataFolder& folder, const QString& title);
