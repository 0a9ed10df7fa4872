// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/rules/imported_recipe.h"

#include <QJsonArray>
#include <QRegularExpression>

#include "web_import/rules/category_guess.h"
#include "web_import/rules/page_recipes.h"
#include "web_import/rules/recipe_figures.h"

namespace web_import {

namespace {

// A property's values as a list: a page gives one value or an array of them.
QJsonArray valuesOf(const QJsonValue& value) {
  if (value.isArray()) return value.toArray();
  if (value.isUndefined() || value.isNull()) return {};
  return QJsonArray{value};
}

// A value's text: a string, a number, or the name/text/@value of an object.
QString textOf(const QJsonValue& value) {
  if (value.isString()) return value.toString();
  if (value.isDouble()) return QString::number(value.toDouble());
  if (value.isArray()) return textOf(value.toArray().at(0));
  const QJsonObject object = value.toObject();
  for (const char* key : {"@value", "name", "text"})
    if (object.contains(QLatin1String(key))) return textOf(object.value(QLatin1String(key)));
  return {};
}

QString firstText(const QJsonObject& recipe, const char* key) { return PlainText(textOf(recipe.value(QLatin1String(key)))); }

QStringList textsOf(const QJsonValue& value) {
  QStringList texts;
  for (const QJsonValue& v : valuesOf(value)) {
    const QString text = PlainText(textOf(v));
    if (!text.isEmpty()) texts.append(text);
  }
  return texts;
}

bool isType(const QJsonObject& object, QStringView type) {
  for (const QJsonValue& t : valuesOf(object.value(QStringLiteral("@type"))))
    if (t.toString() == type || t.toString().endsWith(u'/' + type.toString())) return true;
  return false;
}

QString fullWidthNumber(int n) {
  QString text = QString::number(n);
  for (QChar& c : text) c = QChar(c.unicode() - u'0' + u'０');
  return text;
}

// Where an ingredient's amount starts: a number or one of the words amounts are written with.
bool startsAmount(const QString& word) {
  static const QStringList amountWords = {
      QStringLiteral("大さじ"), QStringLiteral("小さじ"), QStringLiteral("少々"), QStringLiteral("適量"),
      QStringLiteral("適宜"), QStringLiteral("少量"), QStringLiteral("ひとつまみ"), QStringLiteral("ひとかけ"),
      QStringLiteral("お好みで"), QStringLiteral("好みで"), QStringLiteral("カップ"), QStringLiteral("半分")};
  const QString plain = word.normalized(QString::NormalizationForm_KC);
  if (plain.isEmpty()) return false;
  if (plain.front().isDigit() || QStringLiteral("½⅓⅔¼¾").contains(word.front())) return true;
  return std::any_of(amountWords.cbegin(), amountWords.cend(), [&](const QString& w) { return plain.startsWith(w); });
}

// "玉ねぎ 1個" → "玉ねぎ　1個", "しょうゆ：大さじ2" → "しょうゆ　大さじ2"; other lines as written.
QString ingredientLine(const QString& text) {
  QString line = QString(text).replace(u'　', u' ').simplified();
  for (const QChar separator : {u'：', u':'}) {
    const qsizetype at = line.indexOf(separator);
    if (at > 0 && startsAmount(line.mid(at + 1).trimmed())) line = line.left(at).trimmed() + u' ' + line.mid(at + 1).trimmed();
  }
  const QStringList words = line.split(u' ');
  for (qsizetype i = 1; i < words.size(); ++i)
    if (startsAmount(words[i])) return words.first(i).join(u' ') + u'　' + words.sliced(i).join(u' ');
  return line;
}

// 作り方: numbered steps, a section's name as its own heading line.
struct Steps {
  QStringList lines;
  int number = 0;

  void step(const QString& text) {
    if (!text.isEmpty()) lines.append(fullWidthNumber(++number) + u'．' + text);
  }
  // A step given as one text keeps its broken lines on one line; a text of many steps is a
  // step a line.
  void oneStep(const QString& text) { step(QString(text).replace(u'\n', u' ')); }
  void stepPerLine(const QString& text) {
    for (const QString& line : text.split(u'\n')) step(line);
  }

  void add(const QJsonValue& value, int depth = 0) {
    if (depth > 8) return;
    if (value.isString()) return stepPerLine(PlainText(value.toString()));
    for (const QJsonValue& item : valuesOf(value)) {
      if (!item.isObject()) {
        add(item.toString(), depth + 1);
        continue;
      }
      const QJsonObject object = item.toObject();
      const QJsonValue parts = object.value(QStringLiteral("itemListElement"));
      if (isType(object, u"HowToSection") || (!parts.isUndefined() && !object.contains(QStringLiteral("text")))) {
        const QString heading = PlainText(textOf(object.value(QStringLiteral("name"))));
        if (!heading.isEmpty()) lines.append(QStringLiteral("◆") + heading);
        add(parts, depth + 1);
      } else {
        const QJsonValue text = object.contains(QStringLiteral("text")) ? object.value(QStringLiteral("text")) : object.value(QStringLiteral("name"));
        oneStep(PlainText(textOf(text)));
      }
    }
  }
};

// The persons recipeYield names ("4人分", 4, ["4", "4 servings"]).
std::optional<double> persons(const QJsonValue& yield) {
  for (const QJsonValue& v : valuesOf(yield))
    if (auto n = FirstNumber(textOf(v)); n && *n > 0) return n;
  return std::nullopt;
}

// The imported recipe as it is built: every text passes the code page here.
struct Builder {
  ImportedRecipe out;

  QString held(const QString& text) { return ForCodePage(text, out.substitutions); }

  // A content line that reads as the end of its section is made into one that does not.
  QString section(const QStringList& lines, const QString& field) {
    QStringList heldLines;
    for (const QString& line : lines) {
      QString h = held(line);
      if (h == recipe_file::kSectionEnd) {
        h = QString(h.size(), u'－');
        out.notes.append(QStringLiteral("%1の「%2」の行は「%3」にしました（レシピファイルに書けない行です）。")
                             .arg(field, recipe_file::kSectionEnd, h));
      }
      heldLines.append(h);
    }
    return heldLines.join(u'\n');
  }

  void figures(const QJsonObject& recipe) {
    const QJsonObject nutrition = valuesOf(recipe.value(QStringLiteral("nutrition"))).at(0).toObject();
    const auto calories = FirstNumber(textOf(nutrition.value(QStringLiteral("calories"))));
    const auto salt = SaltGramsFromSodium(textOf(nutrition.value(QStringLiteral("sodiumContent"))));
    // Recipe data gives nutrition per serving; only a serving size that is the whole yield
    // ("4人分" for a yield of 4) says the figures are for the whole dish.
    const auto yield = persons(recipe.value(QStringLiteral("recipeYield")));
    const auto serving = FirstNumber(textOf(nutrition.value(QStringLiteral("servingSize"))));
    const bool wholeDish = yield && serving && *yield > 1 && *serving == *yield;
    const double divisor = wholeDish ? *yield : 1;
    if (calories) {
      out.form.Calories = FigureText(*calories / divisor, 0);
      out.notes.append(wholeDish ? QStringLiteral("一人分カロリーは%1人分の%2kcalを%1で割った値です。")
                                       .arg(FigureText(*yield, 1), FigureText(*calories, 1))
                                 : QStringLiteral("一人分カロリーはページの1人分の値です。"));
    }
    if (salt) {
      out.form.Salt = FigureText(*salt / divisor, 1);
      out.notes.append(QStringLiteral("塩分はナトリウム（%1）を食塩に換算した値です%2。")
                           .arg(PlainText(textOf(nutrition.value(QStringLiteral("sodiumContent")))),
                                wholeDish ? QStringLiteral("（%1人分を%1で割っています）").arg(FigureText(*yield, 1)) : QString()));
    }
    auto minutes = DurationMinutes(textOf(recipe.value(QStringLiteral("totalTime"))));
    if (!minutes) {
      const auto prep = DurationMinutes(textOf(recipe.value(QStringLiteral("prepTime"))));
      const auto cook = DurationMinutes(textOf(recipe.value(QStringLiteral("cookTime"))));
      if (prep || cook) minutes = prep.value_or(0) + cook.value_or(0);
    }
    if (minutes) out.form.CookingTime = QString::number(*minutes);
  }

  QString category(const QStringList& items, const QStringList& clues, const QString& field) {
    const QString guessed = GuessCategory(items, clues);
    if (!guessed.isEmpty()) return guessed;
    out.notes.append(QStringLiteral("%1はページから決められませんでした。一覧から選んでください。").arg(field));
    return kOther;
  }
};

QString imageOf(const QJsonValue& image) {
  const QJsonValue first = valuesOf(image).at(0);
  if (first.isString()) return first.toString().trimmed();
  const QJsonObject object = first.toObject();
  for (const char* key : {"url", "contentUrl", "@id"})
    if (object.value(QLatin1String(key)).isString()) return object.value(QLatin1String(key)).toString().trimmed();
  return {};
}

QStringList keywordsOf(const QJsonValue& keywords) {
  QStringList words;
  for (const QString& text : textsOf(keywords))
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("[,、，]")), Qt::SkipEmptyParts))
      words.append(word.trimmed());
  return words;
}

}  // namespace

ImportedRecipe MapRecipe(const QJsonObject& recipe, const PageSource& source, const CategoryLists& lists) {
  Builder b;
  recipe_file::RecipeForm& form = b.out.form;
  form.DishName = b.held(firstText(recipe, "name").replace(u'\n', u' '));
  form.SelfRating = kUnrated;
  form.OthersRating = kUnrated;

  QStringList ingredients;
  const QJsonValue given = recipe.contains(QStringLiteral("recipeIngredient")) ? recipe.value(QStringLiteral("recipeIngredient"))
                                                                               : recipe.value(QStringLiteral("ingredients"));
  for (const QString& text : textsOf(given))
    for (const QString& line : text.split(u'\n')) ingredients.append(ingredientLine(line));
  form.Ingredients = b.section(ingredients, QStringLiteral("材料"));

  Steps steps;
  steps.add(recipe.value(QStringLiteral("recipeInstructions")));
  form.Steps = b.section(steps.lines, QStringLiteral("作り方"));

  QStringList memo;
  const QString description = firstText(recipe, "description");
  if (!description.isEmpty()) memo += description.split(u'\n');
  if (!source.address.isEmpty()) memo.append(source.address);
  form.Memo = b.section(memo, QStringLiteral("メモ"));
  form.Reference = b.held(source.siteName.simplified());

  b.figures(recipe);
  const QStringList keywords = keywordsOf(recipe.value(QStringLiteral("keywords")));
  const QStringList categories = textsOf(recipe.value(QStringLiteral("recipeCategory")));
  form.Genre = b.held(b.category(lists.GenreList, textsOf(recipe.value(QStringLiteral("recipeCuisine"))) + keywords, QStringLiteral("ジャンル")));
  form.Kind = b.held(b.category(lists.KindList, categories + keywords, QStringLiteral("種類")));
  form.CookingMethod =
      b.held(b.category(lists.MethodList, keywords + categories + QStringList{form.DishName}, QStringLiteral("調理方法")));
  b.out.imageAddress = imageOf(recipe.value(QStringLiteral("image")));
  return b.out;
}

QString RecipeTitle(const QJsonObject& recipe, int number) {
  const QString name = firstText(recipe, "name").replace(u'\n', u' ');
  return name.isEmpty() ? QStringLiteral("レシピ %1").arg(number) : name;
}

}  // namespace web_import
