// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/level_bar.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/rules/numbers.h"

LevelBar::LevelBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("LevelBar"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  lblPoint = new QLabel(QStringLiteral("Point 0"), this);
  lblPoint->setObjectName(QStringLiteral("lblPoint"));
  lblPoint->setMinimumWidth(96);
  lblPoint->setAccessibleDescription(QStringLiteral("合計ポイント"));
  layout->addWidget(lblPoint);
  for (int i = 1; i <= 10; ++i) {
    auto* segment = new QFrame(this);
    segment->setObjectName(QStringLiteral("shpLevel(%1)").arg(i));
    segment->setFixedSize(18, 14);
    segment->setFrameShape(QFrame::Box);
    segment->setAutoFillBackground(true);
    segment->setAccessibleName(QStringLiteral("レベル %1").arg(i * 10));
    shpLevel[size_t(i - 1)] = segment;
    layout->addWidget(segment);
  }
  layout->addStretch();
  ShowLevelBar(0);
}

void LevelBar::ShowLevelBar(float levelPercent) {
  const auto colours = LevelBarColours(levelPercent);
  for (size_t i = 0; i < 10; ++i) {
    QPalette palette = shpLevel[i]->palette();
    palette.setColor(QPalette::Window, QColor(colours[i].r, colours[i].g, colours[i].b));
    shpLevel[i]->setPalette(palette);
  }
  setAccessibleDescription(QStringLiteral("レベル %1 %").arg(numbers::FormatSingle(levelPercent)));
}

void LevelBar::showPoints(double totalPoints) {
  lblPoint->setText(QStringLiteral("Point ") + numbers::FormatDouble(totalPoints));
}

QColor LevelBar::segmentColour(int i) const { return shpLevel[size_t(i - 1)]->palette().color(QPalette::Window); }
