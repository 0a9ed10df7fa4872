// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap blank(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void smoothly(QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }

}  // namespace

QPixmap FacePicture(int index, int size) {
  static const QColor kFill[4] = {QColor(255, 204, 64), QColor(255, 226, 140), QColor(170, 200, 235),
                                  QColor(225, 225, 225)};
  QPixmap pixmap = blank(size, size);
  QPainter p(&pixmap);
  smoothly(p);
  const qreal s = size;
  p.setPen(QPen(QColor(90, 70, 40), s / 24));
  p.setBrush(kFill[index & 3]);
  p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
  p.setBrush(QColor(60, 45, 30));
  p.setPen(Qt::NoPen);
  const qreal eye = s * 0.09;
  if (index == 3) {  // not yet rated: closed eyes and a flat mouth
    p.setPen(QPen(QColor(60, 45, 30), s / 20, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.30, s * 0.40), QPointF(s * 0.42, s * 0.40));
    p.drawLine(QPointF(s * 0.58, s * 0.40), QPointF(s * 0.70, s * 0.40));
    p.drawLine(QPointF(s * 0.36, s * 0.68), QPointF(s * 0.64, s * 0.68));
    return pixmap;
  }
  p.drawEllipse(QRectF(s * 0.32, s * 0.33, eye, eye * 1.3));
  p.drawEllipse(QRectF(s * 0.59, s * 0.33, eye, eye * 1.3));
  p.setPen(QPen(QColor(60, 45, 30), s / 18, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath mouth;
  mouth.moveTo(s * 0.30, s * 0.62);
  const qreal curve[3] = {0.86, 0.74, 0.50};  // smile, slight smile, frown
  mouth.quadTo(s * 0.50, s * curve[index], s * 0.70, s * 0.62);
  if (index == 2) {
    mouth = QPainterPath();
    mouth.moveTo(s * 0.32, s * 0.72);
    mouth.quadTo(s * 0.50, s * 0.56, s * 0.68, s * 0.72);
  }
  p.drawPath(mouth);
  if (index == 0) {  // rosy cheeks for the best rating
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 120, 140));
    p.drawEllipse(QRectF(s * 0.16, s * 0.52, s * 0.14, s * 0.09));
    p.drawEllipse(QRectF(s * 0.70, s * 0.52, s * 0.14, s * 0.09));
  }
  return pixmap;
}

QIcon PlayIcon() {
  QPixmap pixmap = blank(32, 32);
  QPainter p(&pixmap);
  smoothly(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 140, 60));
  p.drawPolygon(QPolygonF({QPointF(9, 6), QPointF(27, 16), QPointF(9, 26)}));
  return QIcon(pixmap);
}

QIcon StopIcon() {
  QPixmap pixmap = blank(32, 32);
  QPainter p(&pixmap);
  smoothly(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 50, 40));
  p.drawRoundedRect(QRectF(8, 8, 16, 16), 2, 2);
  return QIcon(pixmap);
}

QImage NoPictureImage() {
  QImage image(320, 240, QImage::Format_RGB32);
  image.fill(QColor(245, 242, 235));
  QPainter p(&image);
  smoothly(p);
  p.setPen(QPen(QColor(200, 190, 170), 6));
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QRectF(95, 50, 130, 130));  // a plate
  p.setPen(QPen(QColor(215, 205, 185), 3));
  p.drawEllipse(QRectF(120, 75, 80, 80));
  p.setPen(QColor(120, 110, 95));
  QFont font = p.font();
  font.setPixelSize(20);
  p.setFont(font);
  p.drawText(QRectF(0, 190, 320, 40), Qt::AlignCenter, QStringLiteral("写真がありません"));
  return image;
}

QPixmap SplashPicture(int width, int height) {
  QPixmap pixmap(width, height);
  QPainter p(&pixmap);
  smoothly(p);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0, QColor(255, 236, 200));
  sky.setColorAt(1, QColor(255, 200, 140));
  p.fillRect(pixmap.rect(), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QRectF(width * 0.25, height * 0.30, width * 0.5, height * 0.55));
  p.setBrush(QColor(240, 120, 60));
  p.drawEllipse(QRectF(width * 0.36, height * 0.42, width * 0.12, height * 0.16));
  p.setBrush(QColor(110, 170, 70));
  p.drawEllipse(QRectF(width * 0.50, height * 0.46, width * 0.14, height * 0.14));
  p.setBrush(QColor(250, 210, 60));
  p.drawEllipse(QRectF(width * 0.44, height * 0.60, width * 0.12, height * 0.12));
  return pixmap;
}

// The same picture as the menu icon (packaging/icons), at every size the menu installs.
QIcon ProgramIcon() {
  Q_INIT_RESOURCE(program_icon);  // the resource lives in a static library
  QIcon icon;
  for (int size : {48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/program_icon/%1.png").arg(size), QSize(size, size));
  return icon;
}
