#include "platform/windows/picture_reading.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/rules/plain_file.h"

QImage ReadPicture(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);
  return reader.read();
}

QImage ReadPictureFile(const QString& path) {
  auto bytes = plain_file::read(path, plain_file::kPictureCap);
  if (std::holds_alternative<FileError>(bytes)) return {};
  return ReadPicture(std::get<QByteArray>(bytes));
}

QImage ReadLastPicture(const QStringList& paths) {
  for (qsizetype i = paths.size() - 1; i >= 0; --i) {
    QImage image = ReadPictureFile(paths[i]);
    if (!image.isNull()) return image;
  }
  return {};
}
