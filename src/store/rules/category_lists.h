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
std::variant<CategoryLists, FileError> LoadCategoryLists(const DataFolder& folder);

// Writes the items (without "その他"), each in double quotes on its own line.
std::optional<FileError> SaveCategoryList(const DataFolder& folder, const CategoryList& list,
                                          const QStringList& items);

// The 1-based position of the first item equal to value, or the last position ("その他") when none.
int CategorySlot(const QStringList& list, const QString& value);
