// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picking the item of one of the user's category lists that a page's words point to: the page says
// "和食" or "Japanese" for its cuisine, "主菜" for its category, "焼き魚" among its keywords.
#include <QStringList>

namespace web_import {

// The first item of items (その他 aside) that one of the clues names: the same word (width and
// letter case aside), a clue holding the item's stem (焼く → 焼, so 焼き魚 names 焼く), or an
// English word the table below knows. Empty when none does.
QString GuessCategory(const QStringList& items, const QStringList& clues);

}  // namespace web_import
