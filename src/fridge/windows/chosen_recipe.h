// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dish picked in one of the refrigerator's recipe lists, which were made from the book earlier.
#include <QString>

#include "platform/windows/dialogs.h"
#include "store/rules/recipe.h"

// The record number of the dish; 0, after telling the user, when the book no longer holds it
// (the caller then makes its list afresh).
int ChosenRecipeNumber(const RecipeTable& recipes, Dialogs& dialogs, const QString& dish);
