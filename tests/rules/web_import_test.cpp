// SPDX-License-Identifier: GPL-3.0-or-later
// Recipes read from web pages written for the tests: where the data sits in the page, how each
// field becomes the book's, and what happens to text the book's files cannot hold.
#include <gtest/gtest.h>

#include "platform/rules/typed_text.h"
#include "rules_test_util.h"
#include "support/recipe_pages.h"
#include "web_import/rules/category_guess.h"
#include "web_import/rules/imported_recipe.h"
#include "web_import/rules/page_recipes.h"
#include "web_import/rules/recipe_figures.h"

namespace {

using web_import::Substitution;

const CategoryLists kLists{{u"和食"_s, u"洋食"_s, u"中華"_s, u"その他"_s},
                           {u"主菜"_s, u"副菜"_s, u"汁物"_s, u"お菓子"_s, u"その他"_s},
                           {u"焼く"_s, u"煮る"_s, u"蒸す"_s, u"その他"_s}};

struct Page {
  std::string name;
  QByteArray html;
  int recipes;
  int shown;  // the recipe whose fields are checked
  recipe_file::RecipeForm form;
  QString image;
  QList<Substitution> substitutions;
  QStringList notes;
};

recipe_file::RecipeForm form(QStringList header, QString ingredients, QString steps, QString memo) {
  recipe_file::RecipeForm f;
  header.resize(8);
  f.DishName = header[0], f.Genre = header[1], f.Kind = header[2], f.CookingMethod = header[3];
  f.Calories = header[4], f.Salt = header[5], f.CookingTime = header[6], f.Reference = header[7];
  f.Ingredients = ingredients, f.Steps = steps, f.Memo = memo;
  return f;
}

const Page kPages[] = {
    {"JsonLdPlain", recipe_pages::kPlain, 1, 0,
     form({u"鮭の塩焼き"_s, u"和食"_s, u"主菜"_s, u"焼く"_s, u"1250"_s, u"2"_s, u"75"_s, u"台所ノート"_s},
          u"生鮭　2切れ\n塩　小さじ1/2\n大根おろし　適量\nすだち"_s, u"１．鮭に塩をふって10分おく。\n２．グリルで焼く。"_s,
          u"脂ののった鮭を香ばしく焼きます。& 簡単\nhttps://recipes.test/salmon"_s),
     u"pictures/salmon.jpg"_s, {},
     {u"一人分カロリーはページの1人分の値です。"_s, u"塩分はナトリウム（800 mg）を食塩に換算した値です。"_s}},
    {"JsonLdInGraphWithSections", recipe_pages::kGraph, 1, 0,
     form({u"肉じゃが"_s, u"その他"_s, u"その他"_s, u"その他"_s, u"400"_s, u"2.5"_s, u"45"_s, u"週末キッチン"_s},
          u"じゃがいも　3個"_s,
          u"◆下ごしらえ\n１．じゃがいもの皮をむく。\n２．ひと口大に切る。\n◆煮る\n３．だしで20分煮る。 火を止めて味を含ませる。"_s,
          u"https://weekend.test/nikujaga"_s),
     {}, {},
     {u"一人分カロリーは4人分の1600kcalを4で割った値です。"_s, u"塩分はナトリウム（4g）を食塩に換算した値です（4人分を4で割っています）。"_s,
      u"ジャンルはページから決められませんでした。一覧から選んでください。"_s,
      u"種類はページから決められませんでした。一覧から選んでください。"_s,
      u"調理方法はページから決められませんでした。一覧から選んでください。"_s}},
    {"JsonLdArrayOfTwo", recipe_pages::kArray, 2, 1,
     form({u"豚汁"_s, u"その他"_s, u"汁物"_s, u"その他"_s}, {}, {}, u"https://weekend.test/nikujaga"_s),
     u"https://img.test/tonjiru.png"_s, {}, {}},
    {"MicrodataOnly", recipe_pages::kMicrodata, 1, 0,
     form({u"蒸し鶏の ごまだれ"_s, u"その他"_s, u"その他"_s, u"蒸す"_s, u"310"_s, {}, u"25"_s, {}}, u"鶏むね肉　1枚\nごま　大さじ2"_s,
          u"１．鶏肉を蒸す。\n２．たれをかける。"_s, u"しっとり仕上げます。\nhttps://weekend.test/nikujaga"_s),
     u"/img/mushidori.jpg"_s, {}, {}},
    {"CharactersTheCodePageCannotHold", recipe_pages::kOddCharacters, 1, 0,
     form({u"ハートのクッキー〇"_s, u"その他"_s, u"お菓子"_s, u"その他"_s}, u"薄力粉　100g\nバター －10g"_s,
          u"１．生地を混ぜる。\n２．型で抜いて焼く。"_s,
          u"サクサク\n－－－－－－－－－－\n型はハート形\nhttps://weekend.test/nikujaga"_s),
     {}, {{U'♡', u"〇"_s}, {U'😀', {}}, {U'🍪', {}}},
     {u"メモの「----------」の行は「－－－－－－－－－－」にしました（レシピファイルに書けない行です）。"_s}},
};

void PrintTo(const Page& p, std::ostream* os) { *os << p.name; }

class RecipePage : public testing::TestWithParam<Page> {};

TEST_P(RecipePage, BecomesTheRecordAsTheBookHoldsIt) {
  const Page& p = GetParam();
  const web_import::PageRecipes page = web_import::ReadPage(p.html);
  ASSERT_EQ(page.recipes.size(), p.recipes);
  EXPECT_EQ(page.brokenJsonBlocks, 0);
  const QString address = page.address.isEmpty() ? u"https://weekend.test/nikujaga"_s : page.address;
  const auto got = web_import::MapRecipe(page.recipes[p.shown], {page.siteName, address}, kLists);
  const recipe_file::RecipeForm& f = got.form;
  const QStringList fields{f.DishName, f.Genre, f.Kind, f.CookingMethod, f.Calories, f.Salt, f.CookingTime, f.Reference};
  const QStringList wanted{p.form.DishName, p.form.Genre, p.form.Kind, p.form.CookingMethod,
                           p.form.Calories, p.form.Salt,  p.form.CookingTime, p.form.Reference};
  EXPECT_EQ(fields, wanted);
  EXPECT_EQ(f.Ingredients, p.form.Ingredients);
  EXPECT_EQ(f.Steps, p.form.Steps);
  EXPECT_EQ(f.Memo, p.form.Memo);
  EXPECT_EQ(got.imageAddress, p.image);
  EXPECT_EQ(got.substitutions, p.substitutions);
  for (const QString& note : p.notes) EXPECT_TRUE(got.notes.contains(note)) << note.toStdString();
  // Whatever the page held, the record can be stored as it stands once typed into the file's form.
  recipe_file::RecipeForm stored = f;
  for (QString* text : {&stored.Ingredients, &stored.Steps, &stored.Memo}) *text = typed_text::ToStored(*text);
  EXPECT_EQ(recipe_file::checkStorable(stored), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Pages, RecipePage, testing::ValuesIn(kPages), ByName());

TEST(RecipePage, WithoutRecipeDataOrWithBrokenJsonHoldsNone) {
  EXPECT_TRUE(web_import::ReadPage(recipe_pages::kNoRecipe).recipes.isEmpty());
  EXPECT_EQ(web_import::ReadPage(recipe_pages::kNoRecipe).brokenJsonBlocks, 0);
  EXPECT_TRUE(web_import::ReadPage(recipe_pages::kBrokenJson).recipes.isEmpty());
  EXPECT_EQ(web_import::ReadPage(recipe_pages::kBrokenJson).brokenJsonBlocks, 1);
  EXPECT_TRUE(web_import::ReadPage("\x00\xff<<<").recipes.isEmpty());
}

TEST(RecipePage, InShiftJisIsReadByItsOwnCharset) {
  const QByteArray html = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
                          "<script type=\"application/ld+json\">{\"@type\":\"Recipe\",\"name\":\"" +
                          sjis(u"親子丼～①髙"_s) + "\"}</script></head></html>";
  const auto page = web_import::ReadPage(html);
  ASSERT_EQ(page.recipes.size(), 1);
  EXPECT_EQ(web_import::MapRecipe(page.recipes[0], {}, kLists).form.DishName, u"親子丼～①髙"_s);
  // The server's charset is taken over the page's.
  EXPECT_EQ(web_import::ReadPage(sjis(u"<script type=\"application/ld+json\">{\"@type\":\"Recipe\",\"name\":\"①天丼\"}</script>"_s), u"shift_jis"_s)
                .recipes.value(0).value(u"name"_s).toString(),
            u"①天丼"_s);
}

TEST(RecipeFigures, AreReadAsTheBookCountsThem) {
  const std::pair<QString, std::optional<int>> durations[] = {
      {u"PT1H15M"_s, 75}, {u"PT45M"_s, 45}, {u"P1DT30M"_s, 1470}, {u"PT90S"_s, 2},  {u"pt0.5h"_s, 30},
      {u"PT"_s, {}},      {u"P"_s, {}},     {u"30分"_s, {}},      {u"PT1H5"_s, {}}, {{}, {}}};
  for (const auto& [text, minutes] : durations) EXPECT_EQ(web_import::DurationMinutes(text), minutes) << text.toStdString();

  const std::pair<QString, std::optional<double>> sodium[] = {
      {u"800 mg"_s, 2.032}, {u"800"_s, 2.032}, {u"1.2g"_s, 3.048}, {u"１０００ｍｇ"_s, 2.54}, {u"少々"_s, {}}};
  for (const auto& [text, salt] : sodium) {
    const auto got = web_import::SaltGramsFromSodium(text);
    ASSERT_EQ(got.has_value(), salt.has_value()) << text.toStdString();
    if (salt) EXPECT_NEAR(*got, *salt, 1e-9) << text.toStdString();
  }
  EXPECT_EQ(web_import::FirstNumber(u"２～３人分"_s), 2);
  EXPECT_EQ(web_import::FigureText(2.54, 1), u"2.5"_s);
  EXPECT_EQ(web_import::FigureText(2.04, 1), u"2"_s);
  EXPECT_EQ(web_import::FigureText(1250, 0), u"1250"_s);
}

TEST(CategoryGuess, FindsTheUsersItemOrLeavesItOpen) {
  const std::tuple<QStringList, QStringList, QString> guesses[] = {
      {kLists.GenreList, {u"和食"_s}, u"和食"_s},
      {kLists.GenreList, {u"Chinese"_s}, u"中華"_s},
      {kLists.GenreList, {u"その他"_s}, {}},  // the catch-all is never guessed
      {kLists.KindList, {u"ｵｶｼ"_s, u"お菓子"_s}, u"お菓子"_s},
      {kLists.MethodList, {u"焼き鮭"_s}, u"焼く"_s},
      {kLists.MethodList, {u"ゆで卵"_s}, {}},
  };
  for (const auto& [items, clues, wanted] : guesses)
    EXPECT_EQ(web_import::GuessCategory(items, clues), wanted) << clues.join(u',').toStdString();
}

TEST(CodePageText, ListsEachCharacterItChanges) {
  QList<Substitution> made;
  EXPECT_EQ(web_import::ForCodePage(u"½カップ♡♡ 𠮷野 ①"_s, made), u"1/2カップ〇〇 〓野 ①"_s);
  EXPECT_EQ(made, (QList<Substitution>{{U'½', u"1/2"_s}, {U'♡', u"〇"_s}, {U'𠮷', u"〓"_s}}));
  EXPECT_EQ(web_import::DescribeSubstitution(made[1]), u"「♡」(U+2661) → 「〇」"_s);
  EXPECT_EQ(web_import::DescribeSubstitution({U'😀', {}}), u"「😀」(U+1F600) → 削除"_s);
}

}  // namespace
