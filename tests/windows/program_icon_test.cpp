// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon is built into the program: the windows and the splash show the same
// picture the menu installs.
#include <gtest/gtest.h>

#include <QLabel>

#include "platform/windows/artwork.h"
#include "store/windows/frm_splash.h"

TEST(ProgramIcon, HoldsThePictureAtEveryInstalledSize) {
  const QIcon icon = ProgramIcon();
  const QList<QSize> sizes = icon.availableSizes();
  for (int size : {48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    const QImage picture = icon.pixmap(size, size).toImage();
    ASSERT_EQ(picture.size(), QSize(size, size));
    // The pot fills the middle; the corners stay see-through so the desktop shows through them.
    EXPECT_EQ(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 255) << size;
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size;
  }
}

TEST(ProgramIcon, SplashShowsIt) {
  frmSplash splash;
  auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
  ASSERT_NE(image, nullptr);
  const QImage shown = image->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage expected = ProgramIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(expected.isNull());
  EXPECT_EQ(shown, expected);
}
