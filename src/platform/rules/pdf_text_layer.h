// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text layer of a PDF: the ToUnicode maps that tell a reader which character each drawn
// glyph stands for, so that searching and copying give back the printed text.
//
// A Japanese face draws many kanji with the same glyph as a look-alike character of lower code
// (食 U+98DF and the radical ⾷ U+2FB7); a writer that names each glyph by the lowest character
// reaching it makes 和食 read back as 和⾷. MendTextLayer puts the meant characters back.
#include <QHash>
#include <span>

// Look-alike character -> the character meant (U+2FB7 -> U+98DF).
using LookAlikes = QHash<char16_t, char16_t>;

// Rewrites, in place, every destination of the PDF's ToUnicode maps that is a look-alike. Each
// written character keeps its length, so the PDF's cross-reference offsets stay right; a run
// of glyphs mapped as one range of consecutive characters is left as it is. Returns how many
// characters it rewrote.
int MendTextLayer(std::span<char> pdf, const LookAlikes& meant);
