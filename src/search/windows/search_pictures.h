// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the search window's buttons, drawn in code: one for every narrowing button, one
// for every whole-table button, and those of "全部" and "戻り".
#include <QIcon>

QIcon NarrowingPicture();    // a funnel
QIcon WholeTablePicture();   // a magnifying glass over a page
QIcon AllRecipesPicture();   // a stack of cards
QIcon BackPicture();         // an arrow pointing left
