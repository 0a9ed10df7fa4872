// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the data files and the text boxes hold them.
#include <QString>

namespace numbers {

// Lenient reading: blanks, tabs and line feeds are skipped anywhere; the longest leading decimal
// number (sign, digits, one point, optional exponent) is taken and the rest ignored. Text without
// a leading number, or a number too large to hold, reads as 0.
double ReadNumber(QStringView text);
// The same reading, but a number beyond the range of a double is held at the largest double of
// its sign ("1e309" is not 0 but as large as a number gets).
double ReadNumberHeld(QStringView text);

// The value read as a double and then held in single precision (0 when it does not fit).
float ReadSingle(QStringView text);

// True when the text's number fits a single-precision field.
bool FitsSingle(QStringView text);

// Shortest decimal text: "." as point, a 0 before the point of a fraction, no thousands
// separators, trailing zeros dropped, exponent form ("1E+15", "1.5E-05") only for very large or
// small magnitudes. Single-precision values carry at most 7 significant digits, doubles 15.
QString FormatSingle(float value);
QString FormatDouble(double value);

}  // namespace numbers
