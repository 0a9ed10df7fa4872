// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help tour's explanations: shown before a feature while the tour is switched on.
#include <QString>

namespace help_texts {

QString NewRecipe();
QString PicturePicker();
QString PhotoModeOn();
QString PhotoModeOff();
QString Slideshow();
QString CategoryEditor();

// The window buttons, by button name ("cmdKensaku", ...); empty for a button without one.
QString ForWindowButton(const QString& buttonName);

}  // namespace help_texts
