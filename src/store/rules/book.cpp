// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/book.h"

#include "store/rules/reference_list.h"
#include "store/rules/settings_file.h"

namespace {

template <class T>
std::optional<FileError> into(std::variant<T, FileError> result, T& target) {
  if (auto* error = std::get_if<FileError>(&result)) return *error;
  target = std::get<T>(std::move(result));
  return std::nullopt;
}

using Progress = recipe_file::Progress;

// One data file of the book and how it is read into the book.
struct BookFile {
  QString name;
  std::optional<FileError> (*load)(const DataFolder&, LoadedBook&, const Progress&);
};

const BookFile kBookFiles[] = {
    {kProfileFileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadProfile(f.path(kProfileFileName)), b.Prof);
     }},
    {kGenreFile.fileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadCategoryList(f, kGenreFile), b.Lists.GenreList);
     }},
    {kKindFile.fileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadCategoryList(f, kKindFile), b.Lists.KindList);
     }},
    {kMethodFile.fileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadCategoryList(f, kMethodFile), b.Lists.MethodList);
     }},
    {kReferenceFileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadReferenceList(f.path(kReferenceFileName)), b.References);
     }},
    {recipe_file::kFileName,
     [](const DataFolder& f, LoadedBook& b, const Progress& progress) {
       return into(recipe_file::LoadRecipeFile(f.path(recipe_file::kFileName), progress), b.Recipes);
     }},
    {kSettingsFileName,
     [](const DataFolder& f, LoadedBook& b, const Progress&) {
       return into(LoadSettings(f.path(kSettingsFileName)), b.HelpTourOn);
     }},
};

}  // namespace

std::variant<LoadedBook, FileError> LoadBook(const DataFolder& folder, const recipe_file::Progress& progress) {
  LoadedBook book;
  for (const BookFile& file : kBookFiles)
    if (auto error = file.load(folder, book, progress)) return *error;
  return book;
}

std::optional<FileError> CheckExistingBookFiles(const DataFolder& folder) {
  LoadedBook scratch;
  for (const BookFile& file : kBookFiles) {
    if (!folder.exists(file.name)) continue;
    if (auto error = file.load(folder, scratch, {})) return error;
  }
  return std::nullopt;
}
