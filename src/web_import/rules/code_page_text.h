// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from elsewhere made into text the book's files can hold (CP932), with every character that
// had to change listed, so that nothing is lost without the user seeing it: a compatibility form
// becomes its plain form (NFKC), a few symbols get a stand-in (♡ → 〇, − → －), emoji and their
// joiners are dropped, and any other character becomes 〓.
#include <QList>
#include <QString>

namespace web_import {

struct Substitution {
  char32_t from = 0;
  QString to;  // empty when the character is dropped
  bool operator==(const Substitution&) const = default;
};

// The text with each character CP932 cannot hold replaced; every different replacement is added to
// substitutions once.
QString ForCodePage(const QString& text, QList<Substitution>& substitutions);

// "「♡」(U+2661) → 「〇」" or "「😀」(U+1F600) → 削除": how the preview lists one.
QString DescribeSubstitution(const Substitution& substitution);

}  // namespace web_import
