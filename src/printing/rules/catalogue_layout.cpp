// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/rules/catalogue_layout.h"

#include <QDir>
#include <QHash>

#include "store/rules/picture_files.h"
#include "printing/rules/print_origin.h"

QString CatalogueCaption(int number, const QString& dishName) {
  return QString::number(number) + QStringLiteral(" : ") + dishName;
}

namespace {

// The folder's files listed once for the whole job: the full book looks up over 130,000 names,
// too many to ask the file system one by one.
class FolderListing {
 public:
  explicit FolderListing(const DataFolder& folder) : folder_(folder.folder()) {
    for (const QString& name : folder_.entryList(QDir::Files | QDir::Hidden))  // no FIFOs or devices
      files_.insert(name.toCaseFolded(), name);
  }

  QString existing(const QString& name) const {
    const auto it = files_.constFind(name.toCaseFolded());
    return it == files_.constEnd() ? QString() : folder_.filePath(*it);
  }

  // As PictureCandidates: the last of name.jpg, name.gif, name.bmp wins; else NOPIC.JPG.
  QString picturePath(const QString& dishName) const {
    QString found;
    for (const char* extension : {".jpg", ".gif", ".bmp"}) {
      QString path = existing(dishName + QLatin1String(extension));
      if (!path.isEmpty()) found = std::move(path);
    }
    return found.isEmpty() ? existing(kNoPictureFileName) : found;
  }

 private:
  QDir folder_;
  QHash<QString, QString> files_;  // case-folded name -> name
};

// The caption as it fits above its picture: whole, else as much of it as fits, then "…".
QString FittedCaption(const QString& caption, const PrintFont& font, const TextMeasure& measure) {
  if (measure.width(caption, font) <= kCataloguePictureWidth) return caption;
  const QString ellipsis = QStringLiteral("…");
  qsizetype low = 0, high = caption.size() - 1;  // the longest start that fits with the ellipsis
  while (low < high) {
    const qsizetype middle = (low + high + 1) / 2;
    if (measure.width(caption.left(middle) + ellipsis, font) <= kCataloguePictureWidth)
      low = middle;
    else
      high = middle - 1;
  }
  if (low > 0 && caption[low - 1].isHighSurrogate()) --low;
  return caption.left(low) + ellipsis;
}

}  // namespace

PageDocument CatalogueDocument(const RecipeTable& recipes, CatalogueRange range, int bindingMarginMm,
                               const DataFolder& folder, const TextMeasure& measure) {
  PageDocument document(QStringLiteral("メニュー印刷"));
  const FolderListing listing(folder);
  const QPoint origin = PrintOrigin(bindingMarginMm);
  const PrintFont font{QString(), kCatalogueTypeSize};  // the printer's own face
  int column = 0, row = 0;
  for (int number = range.first; number <= range.last; ++number) {
    if (row == kCatalogueRows - 1 && column == kCatalogueColumns) {
      document.newPage();
      column = row = 0;
    }
    if (++column > kCatalogueColumns) {
      ++row;
      column = 1;
    }
    const QString& dish = recipes[number].DishName;
    const int x = origin.x() + (column - 1) * kCatalogueCellWidth;
    const int top = origin.y() + row * kCatalogueCellHeight;
    document.addText(x, top + kCatalogueCaptionTop, FittedCaption(CatalogueCaption(number, dish), font, measure), font);
    const QString picture = listing.picturePath(dish);
    if (!picture.isEmpty())
      document.addPicture({x, top + kCataloguePictureTop, kCataloguePictureWidth, kCataloguePictureHeight}, picture);
  }
  return document;
}
