// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print window's own small pictures, drawn in code: a recipe page, a catalogue page and a
// page with its binding margin.
#include <QPixmap>

QPixmap RecipePagePicture(QSize size);
QPixmap CataloguePagePicture(QSize size);
QPixmap BindingMarginPicture(QSize size);
