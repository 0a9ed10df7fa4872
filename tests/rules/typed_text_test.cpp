// SPDX-License-Identifier: GPL-3.0-or-later
// Typed text becomes the text the files hold: line breaks as CR LF, and the code page's own forms
// of the characters other systems type for them, so the stored text encodes and reads back.
#include "platform/rules/typed_text.h"

#include <gtest/gtest.h>

#include "rules_test_util.h"

namespace {

struct Typed {
  std::string name;
  QString typed;
  QString stored;
};

const Typed kTyped[] = {
    {"PlainTextIsKept", u"肉じゃが abc ABC"_s, u"肉じゃが abc ABC"_s},
    {"WaveDashBecomesFullWidthTilde", u"2\u301C3人分"_s, u"2\uFF5E3人分"_s},
    {"MinusSignBecomesFullWidthHyphenMinus", u"\u2212"_s, u"\uFF0D"_s},
    {"DoubleVerticalLineBecomesParallel", u"\u2016"_s, u"\u2225"_s},
    {"CentAndPoundBecomeFullWidth", u"\u00A2\u00A3\u00AC"_s, u"\uFFE0\uFFE1\uFFE2"_s},
    {"EmDashBecomesHorizontalBar", u"\u2014"_s, u"\u2015"_s},
    {"LineFeedsBecomeCrLf", u"一\n二\n"_s, u"一\r\n二\r\n"_s},
    {"CrLfIsKept", u"一\r\n二"_s, u"一\r\n二"_s},
    {"LoneCarriageReturnBecomesCrLf", u"一\r二"_s, u"一\r\n二"_s},
    {"EmptyLinesStay", u"\n\n"_s, u"\r\n\r\n"_s},
};

void PrintTo(const Typed& t, std::ostream* os) { *os << t.name; }

class TypedText : public testing::TestWithParam<Typed> {};

TEST_P(TypedText, IsStoredInTheFilesForm) {
  const QString stored = typed_text::ToStored(GetParam().typed);
  EXPECT_EQ(stored, GetParam().stored);
  EXPECT_FALSE(cp932::firstUnencodable(stored));
  // Storing what is already stored changes nothing, so stored names match themselves.
  EXPECT_EQ(typed_text::ToStored(stored), stored);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedText, testing::ValuesIn(kTyped), ByName());

TEST(TypedText, TextBoxesGetLineFeedsBack) {
  EXPECT_EQ(typed_text::ForTextBox(u"一\r\n二\r\n"_s), u"一\n二\n"_s);
  EXPECT_EQ(typed_text::ToStored(typed_text::ForTextBox(u"一\r\n\r\n二"_s)), u"一\r\n\r\n二"_s);
}

}  // namespace
