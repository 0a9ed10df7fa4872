// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/windows/print_pictures.h"

#include <QPainter>
#include <functional>

namespace {

// A sheet of paper, portrait, centred in size, with room for a shadow.
QRectF sheet(QSize size) {
  const double height = size.height() - 6;
  const double width = height * 0.7;
  return QRectF((size.width() - width) / 2, 2, width, height);
}

QPixmap drawn(QSize size, const std::function<void(QPainter&, QRectF)>& draw) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF page = sheet(size);
  painter.fillRect(page.translated(3, 3), QColor(0, 0, 0, 60));
  painter.fillRect(page, Qt::white);
  painter.setPen(QColor(120, 120, 120));
  painter.drawRect(page);
  draw(painter, page);
  return pixmap;
}

}  // namespace

QPixmap RecipePagePicture(QSize size) {
  return drawn(size, [](QPainter& p, QRectF page) {
    const double left = page.left() + page.width() * 0.1, right = page.right() - page.width() * 0.1;
    p.fillRect(QRectF(page.left() + page.width() * 0.55, page.top() + page.height() * 0.08, page.width() * 0.35,
                      page.height() * 0.2),
               QColor(230, 160, 80));
    const QColor colours[] = {QColor(0, 0, 128), QColor(0, 128, 0), QColor(0, 128, 128), QColor(128, 0, 128)};
    for (int i = 0; i < 12; ++i) {
      const double y = page.top() + page.height() * (0.12 + i * 0.07);
      const double end = i < 4 ? left + (right - left) * 0.45 : right;
      p.setPen(QPen(colours[(i / 3) % 4], 1.5));
      p.drawLine(QPointF(left, y), QPointF(end, y));
    }
  });
}

QPixmap CataloguePagePicture(QSize size) {
  return drawn(size, [](QPainter& p, QRectF page) {
    const double cellWidth = page.width() * 0.8 / 3, cellHeight = page.height() * 0.9 / 5;
    for (int row = 0; row < 5; ++row)
      for (int column = 0; column < 3; ++column) {
        const QRectF cell(page.left() + page.width() * 0.1 + column * cellWidth,
                          page.top() + page.height() * 0.05 + row * cellHeight, cellWidth * 0.85, cellHeight * 0.8);
        p.fillRect(cell.adjusted(0, cell.height() * 0.25, 0, 0), QColor::fromHsv((row * 3 + column) * 24, 90, 230));
        p.fillRect(QRectF(cell.left(), cell.top(), cell.width() * 0.7, cell.height() * 0.12), QColor(90, 90, 90));
      }
  });
}

QPixmap BindingMarginPicture(QSize size) {
  return drawn(size, [](QPainter& p, QRectF page) {
    const double margin = page.width() * 0.22;
    p.fillRect(QRectF(page.left(), page.top(), margin, page.height()), QColor(255, 235, 200));
    p.setPen(QPen(QColor(160, 82, 45), 1.5, Qt::DashLine));
    p.drawLine(QPointF(page.left() + margin, page.top()), QPointF(page.left() + margin, page.bottom()));
    p.setBrush(QColor(160, 82, 45));
    for (int i = 1; i <= 3; ++i) p.drawEllipse(QPointF(page.left() + margin / 2, page.top() + page.height() * i / 4), 2, 2);
  });
}
