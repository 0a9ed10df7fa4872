// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the recipe file's bytes straight into records in one pass: lines and marker lines are
// found in the bytes, and each value is decoded once, into its own text.
#include <QByteArrayView>
#include <span>
#include <variant>

#include "platform/rules/file_error.h"
#include "store/rules/recipe.h"
#include "store/rules/recipe_file.h"

namespace recipe_file {

// The records the bytes hold, or why they are not a recipe file: a byte that is not CP932 (named
// first, wherever it stands) or a record cut short or out of place, with its line.
std::variant<RecipeTable, FileError> ReadRecipeBytes(QByteArrayView bytes, const QString& path,
                                                     const Progress& progress = {});

// The same, told the records the bytes are likely to hold, in order (what was just written from
// them): the values that read the same are shared with those records, not made again, so that
// reading back a written book costs little more than its decoding. What the bytes hold decides;
// a record told wrong, or none (null, or past the end of the list), is read as it stands.
std::variant<RecipeTable, FileError> ReadRecipeBytes(QByteArrayView bytes, const QString& path,
                                                     std::span<const Recipe* const> known);

// The same for the file at path, read a piece of pieceSize bytes at a time, so that a large file
// is never held whole; only a regular file is read (see plain_file).
constexpr qsizetype kRecipePieceSize = 256 * 1024;
std::variant<RecipeTable, FileError> ReadRecipeFile(const QString& path, const Progress& progress = {},
                                                    qsizetype pieceSize = kRecipePieceSize);

// The number of records the file at path holds, as the lines that open a record, counted a piece
// at a time without reading the records.
std::variant<int, FileError> CountRecordsInFile(const QString& path);

// Where the reader stops: the empty lines at the end of the file are passed over, and that is
// where an appended record goes.
qsizetype EndOfRecords(QByteArrayView bytes);

}  // namespace recipe_file
