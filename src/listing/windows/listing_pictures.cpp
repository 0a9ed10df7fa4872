// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing/windows/listing_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <functional>

namespace {

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  return QIcon(pixmap);
}

}  // namespace

QIcon PieChartIcon() {
  return Drawn([](QPainter& p) {
    const QRectF circle(3, 3, 26, 26);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xFF, 0x00, 0x00));
    p.drawPie(circle, 90 * 16, 150 * 16);
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawPie(circle, 240 * 16, 80 * 16);
    p.setBrush(QColor(0x00, 0x00, 0xFF));
    p.drawPie(circle, 320 * 16, 130 * 16);
  });
}

QIcon BarChartIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    const QColor colours[] = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x00, 0xFF)};
    const int heights[] = {14, 24, 9};
    for (int i = 0; i < 3; ++i) {
      p.setBrush(colours[i]);
      p.drawRect(QRectF(4 + i * 9, 29 - heights[i], 7, heights[i]));
    }
    p.drawLine(2, 29, 30, 29);
  });
}

QIcon PrintIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));  // paper going in
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));  // paper coming out
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
  });
}

QIcon BackIcon() {
  return Drawn([](QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(3, 16);
    arrow.lineTo(15, 5);
    arrow.lineTo(15, 11);
    arrow.lineTo(29, 11);
    arrow.lineTo(29, 21);
    arrow.lineTo(15, 21);
    arrow.lineTo(15, 27);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x00, 0x80, 0x00));
    p.drawPath(arrow);
  });
}

QPushButton* PictureButton(const QString& text, const QString& name, const QString& toolTip, const QIcon& icon,
                           QWidget* parent) {
  auto* button = new QPushButton(icon, text, parent);
  button->setObjectName(name);
  button->setToolTip(toolTip);
  button->setIconSize(QSize(24, 24));
  button->setAutoDefault(false);
  return button;
}

QPushButton* BackButton(QWidget* parent) {
  return PictureButton(QStringLiteral("戻り"), QStringLiteral("cmdModori"), QStringLiteral("メインに戻ります"),
                       BackIcon(), parent);
}
