// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking the edited category lists before they are saved.
#include <QStringList>
#include <optional>

// Why an edited list cannot be saved (the message to show), or nothing when it can: an empty
// item, the reserved item "その他", or an item with a double quote or a line break, which the file
// cannot hold.
// Items are checked in order and the first problem wins.
std::optional<QString> CategoryItemsProblem(const QStringList& items);

// What to save of one list when its file may have changed since the editor showed it.
enum class ListOnSave {
  Mine,      // the file is as shown, or only the editor changed the list: the editor's items
  Theirs,    // only the file changed: its items stay, so another writer's change is kept
  Conflict,  // both changed: the user chooses
};
ListOnSave ListToSave(const QStringList& shown, const QStringList& mine, const QStringList& onDisk);
