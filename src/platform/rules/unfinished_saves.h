// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every data file and picture is written to a temporary file beside it, named after it with a dot
// and six letters or digits ("レシピ.TXT.aBcDeF"), that then replaces it. A program killed at that
// moment leaves the temporary file behind; the next start removes it.
#include <QString>
#include <QStringList>

// Removes the temporary files of unfinished saves in folder: regular files, not links, named as
// above after a file of the folder or after a text or picture file, whose six characters mix
// capitals and small letters as the temporary names do. The names removed.
QStringList RemoveUnfinishedSaves(const QString& folder);
