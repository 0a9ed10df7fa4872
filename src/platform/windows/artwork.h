// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own pictures, drawn in code: the rating faces, the slideshow buttons, the stand-in
// for a recipe without a photo and the splash picture. The program icon is the one the menu shows.
#include <QIcon>
#include <QImage>
#include <QPixmap>

// Face index 0 "優", 1 "良", 2 "不", 3 "未".
QPixmap FacePicture(int index, int size);
QIcon PlayIcon();
QIcon StopIcon();
QImage NoPictureImage();  // written as "NOPIC.JPG" into a new recipe book
QPixmap SplashPicture(int width, int height);
QIcon ProgramIcon();  // the window icon, the splash icon and the menu icon
