#include "platform/windows/picture_reading.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {

void ReadByContent(QImageReader& reader) {
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
}

}  // namespace

QImage ReadPictureFile(const QString& path) {
  QImageReader reader(path);
  ReadByContent(reader);
  return reader.read();
}

QImage ReadPictureFile(const QString& path, QSize atMost) {
  QImageReader reader(path);
  ReadByContent(reader);
  const QSize stored = reader.size();  // as stored, before a turn the file asks for
  const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
  const QSize shown = turned ? stored.transposed() : stored;
  if (stored.isValid() && atMost.isValid() && (shown.width() > atMost.width() || shown.height() > atMost.height())) {
    const double scale = std::min(double(atMost.width()) / shown.width(), double(atMost.height()) / shown.height());
    reader.setScaledSize(QSize(std::max(1, int(std::lround(stored.width() * scale))),
                               std::max(1, int(std::lround(stored.height() * scale)))));
  }
  return reader.read();
}

QImage ReadLastPicture(const QStringList& paths) {
  for (qsizetype i = paths.size() - 1; i >= 0; --i) {
    QImage image = ReadPictureFile(paths[i]);
    if (!image.isNull()) return image;
  }
  return {};
}
