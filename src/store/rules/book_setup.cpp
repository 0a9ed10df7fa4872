// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/book_setup.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "platform/rules/text_file.h"
#include "store/rules/book.h"
#include "store/rules/category_lists.h"
#include "store/rules/profile_file.h"
#include "store/rules/recipe_file.h"
#include "store/rules/reference_list.h"
#include "store/rules/settings_file.h"

// The defaults live in a resource of the rules library, which a static link would otherwise drop.
static void loadDefaultBookResource() { Q_INIT_RESOURCE(default_book); }

namespace {

struct DefaultFile {
  QString name;      // in the data folder
  QString resource;  // UTF-8 text shipped with the program
};

const DefaultFile kDefaults[] = {
    {kProfileFileName, QStringLiteral(":/default_book/profile.txt")},
    {kGenreFile.fileName, QStringLiteral(":/default_book/genre.txt")},
    {kKindFile.fileName, QStringLiteral(":/default_book/kind.txt")},
    {kMethodFile.fileName, QStringLiteral(":/default_book/method.txt")},
    {kReferenceFileName, QStringLiteral(":/default_book/references.txt")},
    {recipe_file::kFileName, QStringLiteral(":/default_book/recipes.txt")},
    {kSettingsFileName, QStringLiteral(":/default_book/settings.txt")},
};

std::optional<QString> resourceText(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return QString::fromUtf8(file.readAll());
}

}  // namespace

QStringList StartupFileNames() {
  QStringList names;
  for (const DefaultFile& f : kDefaults) names.append(f.name);
  return names;
}

BookSetup EnsureBook(const DataFolder& folder) {
  loadDefaultBookResource();
  BookSetup setup;
  if (!QDir().mkpath(folder.folder())) {
    setup.error = FileError{FileError::Kind::WriteFailed, folder.folder(), 0,
                            QStringLiteral("フォルダを作成できません。")};
    return setup;
  }
  setup.newBook = !folder.exists(recipe_file::kFileName);
  // Files are created only for a book that can then start: the files already there are read first.
  const bool anyMissing = std::any_of(std::begin(kDefaults), std::end(kDefaults),
                                      [&folder](const DefaultFile& f) { return !folder.exists(f.name); });
  if (anyMissing) {
    if (auto error = CheckExistingBookFiles(folder)) {
      setup.error = error;
      return setup;
    }
  }
  for (const DefaultFile& f : kDefaults) {
    if (folder.exists(f.name)) continue;
    const std::optional<QString> text = resourceText(f.resource);
    if (!text) {
      setup.error = FileError{FileError::Kind::Missing, f.resource, 0, {}};
      return setup;
    }
    const QStringList lines = text_file::splitLines(*text);
    if (auto error = text_file::writeLines(folder.path(f.name), lines)) {
      setup.error = error;
      return setup;
    }
    setup.createdFiles.append(f.name);
  }
  return setup;
}
