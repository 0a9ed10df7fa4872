// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editable combo boxes that keep what the user typed.
#include <QStringList>

class QComboBox;

// Makes combo editable without completion: typed text is neither completed from the list nor
// folded to an item's letter case, and leaving the box never swaps the text for a list item.
// Only a pick from the drop-down list (or the arrow keys) selects an item and emits activated().
void KeepTypedText(QComboBox* combo);

// Lists items in combo in place of the ones it lists, unless they are the same; the text typed or
// shown in the box stays. True when the list changed.
bool ShowItemsKeepingText(QComboBox* combo, const QStringList& items);
