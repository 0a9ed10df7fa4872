// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures that travel with an exchange file: dish name + ".jpg", ".gif" or ".bmp" beside it.
// Dish names in someone else's file are untrusted: only a plain file name may name a picture.
#include <QString>
#include <optional>
#include <vector>

#include "platform/rules/data_folder.h"

namespace exchange {

// Why a dish name from an exchange file cannot name a picture here (a path separator, "." or
// "..", a control character, too long a name); nothing when it can.
std::optional<QString> UntrustedPictureName(const QString& dishName);

struct PictureCopy {
  QString source;    // beside the exchange file
  QString target;    // in the book's folder
  bool replaces;     // the book already has a picture of this name, with other contents
  QByteArray bytes;  // the picture as read from beside the exchange file
};

// The dish's pictures beside the exchange file and where each would go in the book's folder.
// Left out: a file that is no plain file of the exchange folder (a pipe, a device, a link that
// leads out of the folder, a file too large for a picture), a picture that is already the book's
// own file (the exchange file lies in the book's folder) and one whose contents the book's
// picture of that name already holds. Nothing for a dish name that cannot name a picture.
std::vector<PictureCopy> PicturesToImport(const DataFolder& exchangeFolder, const DataFolder& book,
                                          const QString& dishName);

}  // namespace exchange
