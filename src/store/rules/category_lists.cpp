// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/category_lists.h"

#include <QFileInfo>

#include "platform/rules/quoted_fields.h"
#include "platform/rules/saves_together.h"
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

std::optional<FileError> SaveCategoryLists(const DataFolder& folder, const QStringList& genres,
                                           const QStringList& kinds, const QStringList& methods) {
  const std::pair<const CategoryList*, const QStringList*> lists[] = {
      {&kGenreFile, &genres}, {&kKindFile, &kinds}, {&kMethodFile, &methods}};
  std::vector<std::pair<QString, QByteArray>> files;
  for (const auto& [list, items] : lists) {
    const QString path = folder.path(list->fileName);
    QStringList lines;
    for (const QString& item : *items) {
      if (!quoted_fields::canQuote(item))
        return FileError{FileError::Kind::Refused, path, 0,
                         QStringLiteral("項目「%1」には「\"」が入っています。「\"」は保存できません。").arg(item)};
      if (text_file::holdsLineBreak(item))
        return FileError{FileError::Kind::Refused, path, 0,
                         QStringLiteral("項目「%1」には改行が入っています。改行は保存できません。").arg(item)};
      lines.append(quoted_fields::quote(item));
    }
    auto bytes = text_file::encodeForFile(path, text_file::joinLines(lines));
    if (auto* error = std::get_if<FileError>(&bytes)) return *error;
    files.emplace_back(QFileInfo(path).fileName(), std::get<QByteArray>(std::move(bytes)));
  }
  return saves_together::Save(folder.folder(), files);
}
