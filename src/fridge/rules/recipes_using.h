// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipes whose ingredient text mentions an ingredient.
#include <QStringList>

#include "store/rules/recipe.h"

// The dish names, in record order, of the recipes whose Ingredients contain the name exactly
// (case-sensitive substring). An empty name finds nothing.
QStringList FindRecipesUsing(const RecipeTable& recipes, const QString& ingredientName);
