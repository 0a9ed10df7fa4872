// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a picture file (JPEG, GIF, BMP) whatever its name ends in; a file that cannot be read
// gives a null image, which callers skip. Only a regular file of sound size is read (plain_file).
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

QImage ReadPictureFile(const QString& path);

// The picture the bytes hold, by their content; a null image when they hold none.
QImage ReadPicture(const QByteArray& bytes);

// A picture file shrunk while decoding (its proportions kept) when it is larger than atMost pixels:
// a print needs no more pixels than the paper shows.
QImage ReadPictureFile(const QString& path, QSize atMost);

// The last of the files that reads, as a dish picture lookup wants it (".bmp" over ".gif" over
// ".jpg"); a null image when none reads.
QImage ReadLastPicture(const QStringList& paths);
