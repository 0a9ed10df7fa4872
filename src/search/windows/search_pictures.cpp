// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/windows/search_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Paints on a transparent square of the given size and returns it as an icon.
template <typename Paint>
QIcon drawn(int size, Paint paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p, qreal(size));
  p.end();
  return QIcon(pixmap);
}

}  // namespace

QIcon NarrowingPicture() {
  return drawn(16, [](QPainter& p, qreal s) {
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(QColor(250, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(1.5, 2), QPointF(s - 1.5, 2), QPointF(s * 0.6, s * 0.55),
                             QPointF(s * 0.6, s - 1.5), QPointF(s * 0.4, s - 3), QPointF(s * 0.4, s * 0.55)}));
  });
}

QIcon WholeTablePicture() {
  return drawn(16, [](QPainter& p, qreal s) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, s * 0.6, s * 0.75));
    p.setPen(QPen(QColor(30, 80, 170), 2));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QRectF(s * 0.4, s * 0.4, s * 0.38, s * 0.38));
    p.drawLine(QPointF(s * 0.74, s * 0.74), QPointF(s - 1.5, s - 1.5));
  });
}

QIcon AllRecipesPicture() {
  return drawn(32, [](QPainter& p, qreal s) {
    p.setPen(QPen(QColor(110, 80, 40), 1.5));
    for (int i = 2; i >= 0; --i) {
      p.setBrush(i == 0 ? QColor(255, 250, 235) : QColor(240, 225, 190));
      p.drawRoundedRect(QRectF(4 + i * 3, 4 + i * 4, s * 0.6, s * 0.5), 2, 2);
    }
  });
}

QIcon BackPicture() {
  return drawn(32, [](QPainter& p, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 60));
    p.drawPolygon(QPolygonF({QPointF(3, s / 2), QPointF(s * 0.45, 5), QPointF(s * 0.45, s * 0.33),
                             QPointF(s - 4, s * 0.33), QPointF(s - 4, s * 0.67), QPointF(s * 0.45, s * 0.67),
                             QPointF(s * 0.45, s - 5)}));
  });
}
