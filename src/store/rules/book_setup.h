// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder without a recipe book gets one on first start: every file start-up reads, from the
// defaults shipped with the program. Files that exist are never touched, and nothing is created
// while a file that exists cannot be read.
#include <QStringList>
#include <optional>

#include "platform/rules/data_folder.h"
#include "platform/rules/file_error.h"

struct BookSetup {
  bool newBook = false;       // there was no recipe file
  QStringList createdFiles;   // names of the files written
  std::optional<FileError> error;
};

// The data files start-up reads, by their names in the folder.
QStringList StartupFileNames();

BookSetup EnsureBook(const DataFolder& folder);
