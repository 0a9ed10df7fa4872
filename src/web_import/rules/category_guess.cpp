// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/rules/category_guess.h"

#include "store/rules/category_lists.h"

namespace web_import {

namespace {

// English words pages use for cuisines and courses, and the Japanese words a list may hold.
struct Alias {
  const char16_t* english;
  const char16_t* japanese;
};
constexpr Alias kAliases[] = {
    {u"japanese", u"和食"},     {u"chinese", u"中華"},     {u"western", u"洋食"},   {u"american", u"洋食"},
    {u"french", u"フレンチ"},   {u"italian", u"イタリアン"}, {u"korean", u"韓国"},    {u"thai", u"エスニック"},
    {u"ethnic", u"エスニック"}, {u"main", u"主菜"},        {u"side", u"副菜"},      {u"soup", u"汁物"},
    {u"salad", u"サラダ"},      {u"dessert", u"デザート"}, {u"noodle", u"麺類"},    {u"rice", u"ご飯物"},
    {u"drink", u"飲み物"},      {u"grill", u"焼く"},       {u"bake", u"焼く"},      {u"fry", u"揚げる"},
    {u"stir-fry", u"炒める"},   {u"boil", u"茹でる"},      {u"steam", u"蒸す"},     {u"simmer", u"煮る"},
};

QString folded(const QString& text) { return text.normalized(QString::NormalizationForm_KC).toCaseFolded().simplified(); }

// 焼く → 焼, 揚げる → 揚げ: a verb's stem, which also begins its noun forms (焼き, 揚げ物).
QString stemOf(const QString& item) {
  const QChar last = item.back();
  const bool hiragana = last.unicode() >= 0x3041 && last.unicode() <= 0x3096;
  return item.size() >= 2 && hiragana ? item.chopped(1) : item;
}

}  // namespace

QString GuessCategory(const QStringList& items, const QStringList& clues) {
  QStringList words;
  for (const QString& clue : clues) {
    const QString word = folded(clue);
    if (word.isEmpty()) continue;
    words.append(word);
    for (const Alias& alias : kAliases)
      if (word.contains(QString::fromUtf16(alias.english))) words.append(QString::fromUtf16(alias.japanese));
  }
  QStringList candidates;
  for (const QString& item : items)
    if (item != kOther && !folded(item).isEmpty()) candidates.append(item);
  for (const QString& item : candidates)
    if (words.contains(folded(item))) return item;
  for (const QString& item : candidates) {
    const QString stem = stemOf(folded(item));
    if (std::any_of(words.cbegin(), words.cend(), [&](const QString& w) { return w.contains(stem); })) return item;
  }
  return {};
}

}  // namespace web_import
