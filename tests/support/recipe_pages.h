// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Web pages written for the tests of bringing recipes in, one for each way a page carries its
// recipe data. None is copied from a site.
#include <QByteArray>

namespace recipe_pages {

// One Recipe as a plain JSON-LD object, with every field the mapping reads.
inline const QByteArray kPlain = R"(<!DOCTYPE html>
<html lang="ja"><head><meta charset="utf-8"><title>鮭の塩焼き | 台所ノート</title>
<meta property="og:site_name" content="台所ノート">
<link rel="canonical" href="https://recipes.test/salmon">
<script type="application/ld+json">
{"@context": "https://schema.org", "@type": "Recipe", "name": "鮭の塩焼き",
 "description": "脂ののった鮭を<b>香ばしく</b>焼きます。&amp; 簡単",
 "image": ["pictures/salmon.jpg", "pictures/salmon-wide.jpg"],
 "recipeYield": "2人分", "totalTime": "PT1H15M", "prepTime": "PT5M",
 "recipeCuisine": "Japanese", "recipeCategory": "主菜", "keywords": "焼き魚, 簡単",
 "nutrition": {"@type": "NutritionInformation", "calories": "1,250 kcal", "sodiumContent": "800 mg"},
 "recipeIngredient": ["生鮭 2切れ", "塩：小さじ1/2", "大根おろし　適量", "すだち"],
 "recipeInstructions": ["鮭に塩をふって10分おく。", "グリルで焼く。"]}
</script></head><body><h1>鮭の塩焼き</h1></body></html>)";

// The Recipe inside an @graph beside the WebSite that names the site, with sections of steps.
inline const QByteArray kGraph = R"(<html><head><meta charset="utf-8">
<script type="application/ld+json">
{"@context": "https://schema.org", "@graph": [
 {"@type": "WebSite", "name": "週末キッチン", "url": "https://weekend.test/"},
 {"@type": "WebPage", "name": "ページ"},
 {"@type": "Recipe", "name": "肉じゃが", "recipeYield": ["4", "4人分"], "prepTime": "PT15M", "cookTime": "PT30M",
  "recipeCategory": ["おかず"], "recipeCuisine": "家庭料理",
  "nutrition": {"calories": "1600kcal", "servingSize": "4人分", "sodiumContent": "4g"},
  "recipeIngredient": "じゃがいも 3個",
  "recipeInstructions": [
   {"@type": "HowToSection", "name": "下ごしらえ", "itemListElement": [
     {"@type": "HowToStep", "text": "じゃがいもの皮をむく。"},
     {"@type": "HowToStep", "name": "切る", "text": "ひと口大に切る。"}]},
   {"@type": "HowToSection", "name": "煮る", "itemListElement": [
     {"@type": "HowToStep", "text": "だしで20分煮る。<br>火を止めて味を含ませる。"}]}]}]}
</script></head><body></body></html>)";

// Two recipes in an array, the second with its type as a list.
inline const QByteArray kArray = R"(<html><head><meta charset="utf-8">
<script type="application/ld+json">[
 {"@context": "https://schema.org", "@type": "Recipe", "name": "きゅうりの浅漬け", "recipeCategory": "副菜"},
 {"@context": "https://schema.org", "@type": ["Recipe", "NewsArticle"], "name": "豚汁",
  "recipeCategory": "soup", "image": {"@type": "ImageObject", "url": "https://img.test/tonjiru.png"}}]
</script></head><body></body></html>)";

// Microdata only, with a nested nutrition item and steps as HowToStep items.
inline const QByteArray kMicrodata = R"(<html><head><meta charset="utf-8"><title>蒸し鶏</title></head><body>
<div itemscope itemtype="https://schema.org/Recipe">
 <h1 itemprop="name">蒸し鶏の  ごまだれ</h1>
 <img itemprop="image" src="/img/mushidori.jpg" alt="">
 <meta itemprop="totalTime" content="PT25M">
 <p itemprop="description">しっとり仕上げます。</p>
 <ul><li itemprop="recipeIngredient">鶏むね肉 1枚</li><li itemprop="recipeIngredient">ごま 大さじ2</li></ul>
 <div itemprop="nutrition" itemscope itemtype="https://schema.org/NutritionInformation">
  <span itemprop="calories">310 kcal</span></div>
 <ol><li itemprop="recipeInstructions" itemscope itemtype="https://schema.org/HowToStep"><span itemprop="text">鶏肉を蒸す。</span></li>
     <li itemprop="recipeInstructions">たれをかける。</li></ol>
</div></body></html>)";

inline const QByteArray kNoRecipe = R"(<html><head><meta charset="utf-8"><title>お知らせ</title>
<script type="application/ld+json">{"@type": "WebSite", "name": "台所ノート"}</script>
</head><body><p>レシピではありません。</p></body></html>)";

inline const QByteArray kBrokenJson = R"(<html><head><meta charset="utf-8">
<script type="application/ld+json">{"@type": "Recipe", "name": "壊れた", </script>
</head><body></body></html>)";

// Characters the code page cannot hold, and a line the recipe file cannot hold.
inline const QByteArray kOddCharacters = R"(<html><head><meta charset="utf-8">
<script type="application/ld+json">{"@type": "Recipe", "name": "ハートのクッキー♡😀",
 "description": "サクサク\n----------\n型はハート形", "recipeIngredient": ["薄力粉 100g", "バター −10g"],
 "recipeInstructions": "生地を混ぜる。\n型で抜いて焼く🍪。", "recipeCategory": "お菓子"}
</script></head><body></body></html>)";

}  // namespace recipe_pages
