// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of a page's recipe data as the book counts them: minutes from an ISO 8601 duration,
// the first number of a text such as "350 kcal" or "4人分", grams of salt from sodium.
#include <QString>
#include <optional>

namespace web_import {

// "PT1H15M" → 75, "P1DT30M" → 1470, "PT90S" → 2 (rounded); nothing for a text that is not one.
std::optional<int> DurationMinutes(const QString& iso);

// The first number in the text, full-width digits and thousands commas included: "1,200kcal" →
// 1200, "２～３人分" → 2; nothing when it holds none.
std::optional<double> FirstNumber(const QString& text);

// Grams of salt for a sodium figure: "800 mg" (or a bare number, taken as mg) × 2.54 / 1000,
// "0.8 g" × 2.54.
std::optional<double> SaltGramsFromSodium(const QString& sodium);

// A figure as the main window's box shows it: at most `decimals` places, no trailing zeros.
QString FigureText(double value, int decimals);

}  // namespace web_import
