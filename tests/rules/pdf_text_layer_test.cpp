// SPDX-License-Identifier: GPL-3.0-or-later
// Mending a PDF's text layer: look-alike radicals in its ToUnicode maps become the kanji meant,
// in place, and nothing else in the file moves.
#include "platform/rules/pdf_text_layer.h"
#include "rules_test_util.h"

TEST(PdfTextLayer, RadicalsInTheUnicodeMapsBecomeTheKanjiMeantAndNothingElseMoves) {
  const QByteArray map =
      "/CIDInit /ProcSet findresource begin\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
      "4 beginbfrange\n"
      "<0000> <0000> <0000>\n"
      "<0001> <0003> [<548C> <2FB7> <2F45> ]\n"  // 和 ⾷ ⽅: one character each
      "<0004> <0004> <2fb7>\n"                     // one glyph
      "<0005> <000e> <2F00>\n"                     // ten glyphs as one range: left alone
      "endbfrange\n"
      "1 beginbfchar\n<000f> <2F45>\nendbfchar\n";
  const QByteArray page = "4 0 obj\n<< /Length 20 >>\nstream\n<0001> <2FB7> Tj\nendstream\nendobj\n";
  QByteArray pdf = "%PDF-1.4\n" + page + "7 0 obj\n<< /Length " + QByteArray::number(map.size()) + " >>\nstream\n" +
                   map + "endstream\nendobj\n8 0 obj\n<< /Type /Font /ToUnicode 7 0 R>>\nendobj\n";
  const QByteArray before = pdf;

  const LookAlikes meant{{0x2FB7, 0x98DF}, {0x2F45, 0x65B9}, {0x2F00, 0x4E00}};
  EXPECT_EQ(MendTextLayer({pdf.data(), size_t(pdf.size())}, meant), 4);

  QByteArray expected = before;
  expected.replace("[<548C> <2FB7> <2F45> ]", "[<548C> <98DF> <65B9> ]");
  expected.replace("<0004> <0004> <2fb7>", "<0004> <0004> <98DF>");
  expected.replace("<000f> <2F45>", "<000f> <65B9>");
  EXPECT_EQ(pdf, expected);  // the page's own "<2FB7>" and the range are as they were
  EXPECT_EQ(pdf.size(), before.size());

  QByteArray noMaps = page;
  EXPECT_EQ(MendTextLayer({noMaps.data(), size_t(noMaps.size())}, meant), 0);
  EXPECT_EQ(noMaps, page);
}
