#include "platform/windows/picture_reading.h"

#include <QImageReader>

QImage ReadPictureFile(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
  return reader.read();
}

QImage ReadLastPicture(const QStringList& paths) {
  for (qsizetype i = paths.size() - 1; i >= 0; --i) {
    QImage image = ReadPictureFile(paths[i]);
    if (!image.isNull()) return image;
  }
  return {};
}
