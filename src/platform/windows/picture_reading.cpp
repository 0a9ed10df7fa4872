// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/picture_reading.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "platform/rules/plain_file.h"

namespace {

// Decodes the bytes by their content, shrunk while decoding (proportions kept) when the picture is
// larger than atMost; an invalid atMost keeps the full size.
QImage Decode(const QByteArray& bytes, QSize atMost) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(true);
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

}  // namespace

QImage ReadPicture(const QByteArray& bytes) { return Decode(bytes, QSize()); }

QImage ReadPictureFile(const QString& path, QSize atMost) {
  auto bytes = plain_file::read(path, plain_file::kPictureCap);
  if (std::holds_alternative<FileError>(bytes)) return {};
  return Decode(std::get<QByteArray>(bytes), atMost);
}

QImage ReadPictureFile(const QString& path) { return ReadPictureFile(path, QSize()); }

QImage ReadLastPicture(const QStringList& paths) {
  for (qsizetype i = paths.size() - 1; i >= 0; --i) {
    QImage image = ReadPictureFile(paths[i]);
    if (!image.isNull()) return image;
  }
  return {};
}
