// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editable combo boxes that keep what the user typed.
class QComboBox;

// Makes combo editable without completion: typed text is neither completed from the list nor
// folded to an item's letter case, and leaving the box never swaps the text for a list item.
// Only a pick from the drop-down list (or the arrow keys) selects an item and emits activated().
void KeepTypedText(QComboBox* combo);
