// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe printed as text: every placed line in twips, its face, size and colour, wrapping and
// page breaks, measured with a simple fixed-pitch measure.
#include "printing/rules/recipe_print_layout.h"
#include "fixed_pitch_measure.h"
#include "placed_items.h"
#include "rules_test_util.h"

namespace {

// A4 at 10 mm margins.
constexpr TwipsSize kArea{10772, 15704};

const PrintFont kDefault{QString(), 12};
const PrintFont kFixed{u"ＭＳ ゴシック"_s, 12};
const PrintFont kProportional{u"ＭＳ Ｐゴシック"_s, 12};
constexpr int kLine = 300;

recipe_file::RecipeForm nikujaga() {
  recipe_file::RecipeForm form;
  form.DishName = u"肉じゃが"_s;
  form.Genre = u"和食"_s;
  form.Kind = u"主菜"_s;
  form.CookingMethod = u"煮る"_s;
  form.Calories = u"350"_s;
  form.Salt = u"2.5"_s;
  form.CookingTime = u"30"_s;
  form.Ingredients = u"じゃがいも 3個\r\n牛肉 200g"_s;
  form.Steps = u"切る\r\n煮る"_s;
  form.Memo = u"甘め"_s;
  return form;
}

}  // namespace

TEST(RecipeTextPrint, PlacesEveryLineWithItsFaceAndColourBelowTheOffsetOrigin) {
  const PageDocument document = RecipeTextDocument(nikujaga(), {}, 10, kArea, FixedPitchMeasure());
  ASSERT_EQ(document.pageCount(), 1);
  const int x = 567;  // 10 mm
  auto at = [&](int line) { return 200 + line * kLine; };
  const std::vector<PlacedText> expected = {
      {x, at(0), u" "_s, kDefault, kPrintBlack},
      {x, at(1), QString(47, u'-'), kFixed, kPrintBlack},
      {x, at(2), u"【料理名　】肉じゃが"_s, kFixed, kPrintBlue},
      {x, at(3), u"【ジャンル】和食"_s, kFixed, kPrintBlue},
      {x, at(4), u"【種類　　】主菜"_s, kFixed, kPrintBlue},
      {x, at(5), u"【調理方法】煮る"_s, kFixed, kPrintBlue},
      {x, at(6), u"【一人分㌍】350Kcal"_s, kFixed, kPrintBlue},
      {x, at(7), u"【塩分　　】2.5g"_s, kFixed, kPrintBlue},
      {x, at(8), u"【調理時間】30分"_s, kFixed, kPrintBlue},
      {x, at(9), u"【参考　　】"_s, kFixed, kPrintBlue},
      {x, at(10), QString(47, u'-'), kFixed, kPrintBlack},
      {x, at(11), u"【材料】"_s, kFixed, kPrintGreen},
      {x, at(12), u"じゃがいも 3個"_s, kFixed, kPrintBlack},
      {x, at(13), u"牛肉 200g"_s, kFixed, kPrintBlack},
      // line 14 is empty
      {x, at(15), u"【作り方】"_s, kProportional, kPrintCyan},
      {x, at(16), u"切る"_s, kProportional, kPrintBlack},
      {x, at(17), u"煮る"_s, kProportional, kPrintBlack},
      {x, at(19), u"【メモ】"_s, kProportional, kPrintMagenta},
      {x, at(20), u"甘め"_s, kProportional, kPrintBlack},
  };
  const std::vector<PlacedText> placed = placedOf<PlacedText>(document.pages()[0]);
  ASSERT_EQ(placed.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(placed[i], expected[i]) << "line " << i;
  EXPECT_TRUE(placedOf<PlacedPicture>(document.pages()[0]).empty());
}

TEST(RecipeTextPrint, ThePictureGoesTopRightAndLeavesTheTextWhereItWas) {
  const QString file = u"/book/肉じゃが.jpg"_s;  // printed from the file, not from the screen
  const PageDocument without = RecipeTextDocument(nikujaga(), {}, 0, kArea, FixedPitchMeasure());
  const PageDocument with = RecipeTextDocument(nikujaga(), file, 0, kArea, FixedPitchMeasure());
  ASSERT_EQ(placedOf<PlacedPicture>(with.pages()[0]).size(), 1u);
  EXPECT_EQ(placedOf<PlacedPicture>(with.pages()[0])[0], (PlacedPicture{{6500, 1200, 4000, 3000}, file, {}}));
  EXPECT_EQ(placedOf<PlacedText>(with.pages()[0]), placedOf<PlacedText>(without.pages()[0]));
  EXPECT_EQ(placedOf<PlacedText>(without.pages()[0])[1].x, 0);

  const PageDocument wide = RecipeTextDocument(nikujaga(), file, 15, kArea, FixedPitchMeasure());
  EXPECT_EQ(placedOf<PlacedPicture>(wide.pages()[0])[0].rect, (TwipsRect{850 + 6500, 1200, 4000, 3000}));
  for (const PlacedText& text : placedOf<PlacedText>(wide.pages()[0])) EXPECT_EQ(text.x, 850);
}

TEST(RecipeTextPrint, EmptyFieldsPrintTheirLabelsAlone) {
  const PageDocument document = RecipeTextDocument({}, {}, 0, kArea, FixedPitchMeasure());
  const std::vector<PlacedText> placed = placedOf<PlacedText>(document.pages()[0]);
  ASSERT_EQ(placed.size(), 14u);
  EXPECT_EQ(placed[2].text, u"【料理名　】"_s);
  EXPECT_EQ(placed[6].text, u"【一人分㌍】Kcal"_s);
  EXPECT_EQ(placed[12].text, u"【作り方】"_s);
  EXPECT_EQ(placed[12].y, 200 + 14 * kLine);  // after the empty ingredients and the empty line
  EXPECT_EQ(placed[13].text, u"【メモ】"_s);
  EXPECT_EQ(placed[13].y, 200 + 17 * kLine);
}

TEST(RecipeTextPrint, LongStepsContinueOnTheNextPageInTheProportionalFace) {
  recipe_file::RecipeForm form = nikujaga();
  QStringList steps;
  for (int i = 1; i <= 60; ++i) steps.append(u"手順%1"_s.arg(i));
  form.Steps = steps.join(u"\r\n"_s);
  const PageDocument document = RecipeTextDocument(form, {}, 0, kArea, FixedPitchMeasure());
  ASSERT_EQ(document.pageCount(), 2);

  const std::vector<PlacedText> first = placedOf<PlacedText>(document.pages()[0]);
  for (const PlacedText& text : first) EXPECT_LE(text.y + kLine, kArea.height) << text.text.toStdString();
  // Lines run from y = 200 in steps of 300: (15704 - 200) / 300 = 51 lines fit a page.
  EXPECT_EQ(first.back().y, 200 + 50 * kLine);
  const std::vector<PlacedText> second = placedOf<PlacedText>(document.pages()[1]);
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second[0].y, 200);
  EXPECT_EQ(second[0].font, kProportional);
  EXPECT_EQ(first.back().text, u"手順35"_s);  // step k is line 15 + k
  EXPECT_EQ(second[0].text, u"手順36"_s);
  EXPECT_EQ(second.back().text, u"甘め"_s);
}

TEST(RecipeTextPrint, ALineWiderThanThePaperWrapsWithinTheMarginsLosingNothing) {
  recipe_file::RecipeForm form = nikujaga();
  const QString paragraph = QString(70, u'ぬ') + u"😀"_s + QString(30, u'ね');
  form.Steps = paragraph;
  form.Memo = u"Simmer the potatoes gently until they are soft, then add the beef and the sauce and "
              u"keep on a low heat for twenty minutes"_s;
  for (int margin : {0, 15}) {
    const PageDocument document = RecipeTextDocument(form, {}, margin, kArea, FixedPitchMeasure());
    const std::vector<PlacedText> placed = placedOf<PlacedText>(document.pages()[0]);
    QString steps, memo;
    for (const PlacedText& text : placed) {
      EXPECT_LE(FixedPitchMeasure().width(text.text, text.font) + text.x, kArea.width) << margin;
      EXPECT_FALSE(text.text.front().isLowSurrogate());
      if (text.colour != kPrintBlack) continue;
      if (text.text.contains(u'ぬ') || text.text.contains(u'ね')) steps += text.text;
      if (text.text.front().isLetter() && text.text.front().unicode() < 0x100) memo += text.text;
    }
    EXPECT_EQ(steps, paragraph) << margin;
    EXPECT_EQ(memo, form.Memo) << margin;
  }
  // Latin text breaks after a blank: every wrapped line of the memo ends at a word's end.
  const std::vector<PlacedText> placed = placedOf<PlacedText>(RecipeTextDocument(form, {}, 0, kArea, FixedPitchMeasure()).pages()[0]);
  const PlacedText& firstMemoLine = placed[placed.size() - 2];
  EXPECT_TRUE(firstMemoLine.text.endsWith(u' ')) << firstMemoLine.text.toStdString();
}
