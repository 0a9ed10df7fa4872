// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ingredient names in free text: which ingredient a recipe's ingredient line names, and when two
// names, written differently, name the same ingredient.
//
// The name rule. An ingredient line is written name first, amount after ("じゃがいも　3個",
// "醤油 小さじ1/4", "塩少々", "鶏もも肉(300g)"):
//  1. Blanks and list marks at the start (・ ● ○ ◎ ■ □ ◆ ◇ ★ ☆ ※ * - and their kin) are dropped,
//     and so is a group label: one letter followed by a blank or ":" ("A 醤油"), or a short label
//     in brackets followed by more text ("(A)砂糖", "【A】酒").
//  2. A line wholly in brackets ("【合わせ調味料】", "<たれ>", "（2人分）"), a note starting with "※",
//     a label ending in ":" with nothing after it, and the heading "材料" name no ingredient.
//  3. The name runs up to the first blank (half or full width), digit (half or full width), opening
//     bracket, ":", "…", "‥", "=", "~", "～", an amount word (大さじ, 小さじ, 少々, 少量, 少し, 適量,
//     適宜, 各, ひとつまみ, お好みで, 好みで, カップ before a digit), or a kanji numeral (一 to 十,
//     半, 数) followed by a counter (個, 本, 枚, 片, 切れ, 束, 株, 玉, 丁, 缶, 袋, 合, 杯, つ,
//     かけ, 房, 尾, 匹, 分), as in "卵二個"; a numeral that opens the name ("三つ葉") is part of it.
//  4. The rest of the line, without the blanks and separating marks around it, is the amount,
//     kept as written: the program never converts an amount.
//  5. A name holding "、" "，" "," or "・" names several ingredients that share the amount
//     ("塩・こしょう 各少々" needs 塩 and こしょう).
//  6. Water from the tap (水, お水, 湯, お湯, 熱湯, ぬるま湯, 冷水, 氷水) is nothing to buy or stock.
//
// Folding. Two names are the same ingredient when their folded keys are equal: the width of
// letters, digits and kana is folded (NFKC), katakana becomes hiragana, Latin letters lose their
// case, and the common spellings of a table of ingredients become one (玉ねぎ/たまねぎ/玉葱,
// 人参/にんじん, 醤油/しょうゆ, 卵/玉子/たまご, ...; the table is in ingredient_names.cpp). The table
// applies inside longer names too, so 新玉ねぎ and 新たまねぎ are also one.
#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>
#include <functional>
#include <unordered_map>

struct IngredientNeed {
  QString name;    // as written
  QString amount;  // as written; empty when the line gives none
  bool operator==(const IngredientNeed&) const = default;
};

// The ingredients one line names with their amount: usually one, several for "塩・こしょう",
// none for a heading, a note, water or a blank line.
QList<IngredientNeed> ReadIngredientLine(QStringView line);

// The same names as views into the line, for walks over a whole book; returns the amount.
using IngredientNameViews = QVarLengthArray<QStringView, 4>;
QStringView IngredientNamesOf(QStringView line, IngredientNameViews& names);

// The name part of a line before it is split at "・" and its kin (rule 1 to 3): what a stock entry
// such as "牛乳 1L" or "塩こしょう" is. Empty when the line names nothing.
QString IngredientNamePart(QStringView line);

// The comparison key of a name (see Folding above).
QString FoldIngredientName(QStringView name);

// Folds names and remembers the keys, for walks over a whole recipe book where the same names
// come back again and again.
class IngredientFolder {
 public:
  const QString& key(QStringView name);

 private:
  struct ViewHash {
    using is_transparent = void;
    size_t operator()(QStringView text) const { return qHash(text); }
  };
  std::unordered_map<QString, QString, ViewHash, std::equal_to<>> keys_;
};

// Calls visit(line) for every line of a multi-line Ingredients text, without its line end.
template <typename Visit>
void ForEachIngredientLine(const QString& ingredients, Visit visit) {
  qsizetype start = 0;
  while (start <= ingredients.size()) {
    qsizetype end = ingredients.indexOf(u'\n', start);
    if (end < 0) end = ingredients.size();
    QStringView line = QStringView(ingredients).mid(start, end - start);
    if (line.endsWith(u'\r')) line.chop(1);
    visit(line);
    start = end + 1;
  }
}

// Calls visit(line, name) for every ingredient name of a multi-line Ingredients text.
template <typename Visit>
void ForEachIngredientName(const QString& ingredients, Visit visit) {
  IngredientNameViews names;
  ForEachIngredientLine(ingredients, [&](QStringView line) {
    IngredientNamesOf(line, names);
    for (QStringView name : names) visit(line, name);
  });
}

// Calls visit(line, need) for every ingredient of a multi-line Ingredients text, line by line.
template <typename Visit>
void ForEachIngredient(const QString& ingredients, Visit visit) {
  ForEachIngredientLine(ingredients, [&](QStringView line) {
    for (const IngredientNeed& need : ReadIngredientLine(line)) visit(line, need);
  });
}
