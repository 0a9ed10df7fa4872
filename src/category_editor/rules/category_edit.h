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
