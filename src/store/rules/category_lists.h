// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The genre, kind and cooking-method lists: 6, 9 and 9 items from their files, each followed by
// the fixed item "その他" that the program adds itself.
#include <QStringList>
#include <optional>
#include <variant>

#include "platform/rules/data_folder.h"
#include "platform/rules/file_error.h"

inline const QString kOther = QStringLiteral("その他");

struct CategoryList {
  QString fileName;  // "ジャンル.TXT"
  int itemsInFile;   // 6 or 9
};

inline const CategoryList kGenreFile{QStringLiteral("ジャンル.TXT"), 6};
inline const CategoryList kKindFile{QStringLiteral("種類.TXT"), 9};
inline const CategoryList kMethodFile{QStringLiteral("調理方法.TXT"), 9};

struct CategoryLists {
  QStringList GenreList;   // 7 items
  QStringList KindList;    // 10 items
  QStringList MethodList;  // 10 items
};

// Reads the first itemsInFile items of the list's file and appends "その他". A file with fewer
// items is reported, never padded.
std::variant<QStringList, FileError> LoadCategoryList(const DataFolder& folder, const CategoryList& list);

// Writes the three files as one change, each item in double quotes on its own line (without
// "その他"). An item with a double quote or a line break is refused before anything is written,
// and the three are replaced as one step (see saves_together).
std::optional<FileError> SaveCategoryLists(const DataFolder& folder, const QStringList& genres,
                                           const QStringList& kinds, const QStringList& methods);
