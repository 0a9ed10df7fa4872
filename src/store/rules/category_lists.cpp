#include "store/rules/category_lists.h"

#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

std::variant<QStringList, FileError> LoadCategoryList(const DataFolder& folder, const CategoryList& list) {
  const QString path = folder.path(list.fileName);
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  const QStringList& all = std::get<QStringList>(lines);
  if (all.size() < list.itemsInFile)
    return FileError{FileError::Kind::Malformed, path, int(all.size()) + 1,
                     QStringLiteral("項目が%1個必要ですが%2個しかありません。").arg(list.itemsInFile).arg(all.size())};
  QStringList items;
  for (int i = 0; i < list.itemsInFile; ++i) items.append(quoted_fields::first(all[i]));
  items.append(kOther);
  return items;
}

std::variant<CategoryLists, FileError> LoadCategoryLists(const DataFolder& folder) {
  CategoryLists lists;
  const std::pair<const CategoryList*, QStringList*> targets[] = {
      {&kGenreFile, &lists.GenreList}, {&kKindFile, &lists.KindList}, {&kMethodFile, &lists.MethodList}};
  for (const auto& [list, target] : targets) {
    auto items = LoadCategoryList(folder, *list);
    if (auto* error = std::get_if<FileError>(&items)) return *error;
    *target = std::get<QStringList>(std::move(items));
  }
  return lists;
}

std::optional<FileError> SaveCategoryList(const DataFolder& folder, const CategoryList& list,
                                          const QStringList& items) {
  const QString path = folder.path(list.fileName);
  QStringList lines;
  for (const QString& item : items) {
    if (!quoted_fields::canQuote(item))
      return FileError{FileError::Kind::Refused, path, 0,
                       QStringLiteral("項目「%1」には「\"」が入っています。「\"」は保存できません。").arg(item)};
    lines.append(quoted_fields::quote(item));
  }
  return text_file::writeLines(path, lines);
}

int CategorySlot(const QStringList& list, const QString& value) {
  const qsizetype found = list.indexOf(value);
  return found < 0 ? int(list.size()) : int(found) + 1;
}
