// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Amounts of one ingredient added up for the shopping list. An amount is read from its written
// text when it is a number and a unit: "3個", "200g", "大さじ2", "1/2個", "1と1/2本", "2～3個",
// "二かけ", "半丁", "中2個", full-width digits included. Amounts of the same unit are added
// ("2個" and "3個" make "5個", "1/2個" and "1個" make "1と1/2個", "2～3個" and "1個" make
// "3～4個"); different units stay side by side, and a text that is not read ("少々", "適量",
// "1パック(200g)") is kept as written.
#include <QString>
#include <optional>
#include <vector>

// A non-negative fraction in lowest terms.
struct Fraction {
  qint64 num = 0;
  qint64 den = 1;
  Fraction() = default;
  Fraction(qint64 n, qint64 d = 1);
  bool operator==(const Fraction&) const = default;
};

// Nothing when the result does not fit.
std::optional<Fraction> Sum(Fraction a, Fraction b);
std::optional<Fraction> Product(Fraction a, Fraction b);

// "5", "1/2", "1と1/2"; as a decimal ("1.5") when asDecimal and the value has one of at most two
// places.
QString FractionText(Fraction value, bool asDecimal = false);

struct ReadAmount {
  Fraction low;
  Fraction high;            // equal to low unless a range
  QString before;           // a unit written before the number: "大さじ", "中", "カップ"
  QString after;            // a unit written after it: "個", "g"
  bool decimal = false;     // written with a decimal point
};

// Nothing when the text is not a number with a unit as above.
std::optional<ReadAmount> ReadAmountText(const QString& text);

// One amount to add: as written, and the factor its dish is scaled by.
struct AmountToAdd {
  QString written;
  Fraction scale{1};
};

// The amounts added up, unit by unit in the order first met, joined by "＋"; those not read
// follow as written, each once. Empty amounts add nothing.
QString AddUpAmounts(const std::vector<AmountToAdd>& amounts);

// The persons a recipe's ingredients are written for ("材料（2人分）", "4人前"); nothing when the
// text does not say.
std::optional<int> ServingsOf(const QString& ingredients);
