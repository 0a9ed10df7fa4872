// SPDX-License-Identifier: GPL-3.0-or-later
// A window's fixed layout, from its table of object names and rectangles.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "platform/windows/fixed_layout.h"

TEST(FixedLayout, PlacesEachNamedControlAndConvertsTwips) {
  QWidget window;
  auto* caption = new QLabel(QStringLiteral("塩分"), &window);
  caption->setObjectName(QStringLiteral("lblEnbun"));
  auto* frame = new QWidget(&window);
  auto* box = new QLineEdit(frame);  // a control inside a panel is found too
  box->setObjectName(QStringLiteral("txtEnbun"));
  PlaceControls(&window, {{"lblEnbun", {16, 88, 40, 26}}, {"txtEnbun", FromTwips(3990, 1320, 1350, 390)}});
  EXPECT_EQ(caption->geometry(), QRect(16, 88, 40, 26));
  EXPECT_EQ(box->geometry(), QRect(266, 88, 90, 26));
  EXPECT_EQ(Twips(4920), 328);
}
