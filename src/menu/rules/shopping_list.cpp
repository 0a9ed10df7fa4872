// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/rules/shopping_list.h"

#include <QHash>

#include "fridge/rules/stock_by_name.h"

namespace {

const QString kUnchosen = QStringLiteral("レシピ選択");

double widthOf(QChar c) { return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) ? 0.5 : 1; }

double fullWidthOf(const QString& text) {
  double width = 0;
  for (QChar c : text) width += widthOf(c);
  return width;
}

// The line cut into pieces that fit the printed width, counted in full-width characters (a
// half-width one is half); the pieces after the first are indented.
QStringList fitted(const QString& line, double width) {
  QStringList pieces;
  QString piece;
  double used = 0;
  for (QChar c : line) {
    const double w = widthOf(c);
    if (used + w > width) {
      pieces.append(piece);
      piece = QStringLiteral("　　");
      used = 2;
    }
    piece += c;
    used += w;
  }
  pieces.append(piece);
  return pieces;
}

}  // namespace

QString AmountForDish(const PlannedNeed& need) {
  const QString scale = need.scale == Fraction(1) ? QString() : u'×' + FractionText(need.scale, true);
  return need.need.amount + QStringLiteral("（%1%2）").arg(need.dish, scale);
}

QString UsesOf(const ShoppingList& list, const BuyGroup& group) {
  QStringList uses;
  for (int index : group.needs) uses.append(AmountForDish(list.needs[size_t(index)]));
  return uses.join(u'、');
}

QString StockEntryText(const StockEntry& entry) {
  const QString date = entry.BestBefore.trimmed().isEmpty()
                           ? QStringLiteral("賞味期限なし")
                           : QStringLiteral("賞味期限 %1、%2").arg(entry.BestBefore, DaysLeftWords(entry.DaysLeft));
  return QStringLiteral("冷蔵庫の「%1」（%2）").arg(entry.IngredientName, date);
}

bool IsPlannedDish(const QString& slotText) {
  const QString text = slotText.trimmed();
  return !text.isEmpty() && text != kUnchosen;
}

namespace {

Fraction scaleOf(const Recipe& recipe, int persons) {
  if (persons < 1) return Fraction(1);
  const std::optional<int> own = ServingsOf(recipe.Ingredients);
  return own ? Fraction(persons, *own) : Fraction(1);
}

}  // namespace

ShoppingList BuildShoppingList(const MenuPlan& plan, const RecipeTable& recipes, const std::vector<StockEntry>& stock,
                               const ShoppingOptions& options) {
  IngredientFolder folder;
  const StockByName byName(stock, folder);
  const auto serves = [&](int position) {
    const std::optional<int>& days = stock[size_t(position - 1)].DaysLeft;
    return options.useExpired || !days || *days >= 0;
  };
  QHash<QString, size_t> usedOfKey;  // how many entries of each ingredient are passed so far
  QHash<QString, int> groupOfKey;
  QSet<QString> stapleKeys;
  for (const QString& staple : options.staples) stapleKeys.insert(folder.key(staple.trimmed()));
  QSet<QString> staplesSeen;
  static const AisleTable kBuiltInAisles;
  const AisleTable& aisles = options.aisles ? *options.aisles : kBuiltInAisles;
  ShoppingList list;
  list.aisles = aisles.aisles();
  for (int slot = 0; slot < kMenuSlots; ++slot) {
    const QString& dish = plan.dish(slot);
    if (!IsPlannedDish(dish)) continue;
    ++list.plannedDishes;
    const int number = recipes.FindRecipeByDishName(dish);
    if (number < 1) {
      list.dishesNotInBook.push_back(slot);
      continue;
    }
    const Fraction scale = scaleOf(recipes[number], options.persons);
    ForEachIngredient(recipes[number].Ingredients, [&](QStringView line, const IngredientNeed& need) {
      PlannedNeed planned{slot, dish, line.toString(), need, folder.key(need.name), 0, scale};
      const int index = int(list.needs.size());
      const std::vector<int>* entries = byName.positions(planned.key);
      size_t& used = usedOfKey[planned.key];
      while (entries && used < entries->size() && !serves((*entries)[used])) ++used;
      if (entries && used < entries->size()) {
        planned.stockPosition = (*entries)[used++];
        list.atHome.push_back(index);
      } else if (stapleKeys.contains(planned.key)) {
        if (!staplesSeen.contains(planned.key)) list.staplesLeftOut.append(need.name);
        staplesSeen.insert(planned.key);
      } else {
        auto group = groupOfKey.find(planned.key);
        if (group == groupOfKey.end()) {
          group = groupOfKey.insert(planned.key, int(list.toBuy.size()));
          list.toBuy.push_back({need.name, planned.key, {}, {}, aisles.aisleOf(planned.key)});
        }
        list.toBuy[size_t(*group)].needs.push_back(index);
      }
      list.needs.push_back(std::move(planned));
    });
  }
  for (BuyGroup& group : list.toBuy) {
    std::vector<AmountToAdd> amounts;
    for (int index : group.needs) amounts.push_back({list.needs[size_t(index)].need.amount, list.needs[size_t(index)].scale});
    group.total = AddUpAmounts(amounts);
  }
  std::stable_sort(list.toBuy.begin(), list.toBuy.end(), [](const BuyGroup& a, const BuyGroup& b) { return a.aisle < b.aisle; });
  return list;
}

QDate DefaultBestBefore(const ShoppingList& list, const BuyGroup& group, QDate today) {
  return today.addDays(list.aisles[size_t(group.aisle)].keepsDays);
}

QString BuyLine(const ShoppingList& list, const BuyGroup& group, bool ticked) {
  return QStringLiteral("%1 %2　%3　%4").arg(QChar(ticked ? u'■' : u'□')).arg(group.name, group.total, UsesOf(list, group));
}

QStringList ShoppingListLines(const ShoppingList& list, const MenuPlan& plan, const std::vector<StockEntry>& stock,
                              const QSet<QString>& tickedKeys) {
  QStringList lines;
  lines.append(QStringLiteral("買い物リスト　%1 ～ %2").arg(plan.Days.front().DayCaption, plan.Days.back().DayCaption));
  lines.append(QStringLiteral("【買うもの】%1品").arg(list.toBuy.size()));
  int aisle = -1;
  for (const BuyGroup& group : list.toBuy) {
    if (tickedKeys.contains(group.key)) continue;
    if (group.aisle != aisle) lines.append(QStringLiteral("〈%1〉").arg(list.aisles[size_t(group.aisle)].name));
    aisle = group.aisle;
    lines.append(BuyLine(list, group, false));
  }
  for (const BuyGroup& group : list.toBuy)
    if (tickedKeys.contains(group.key)) lines.append(BuyLine(list, group, true));
  lines.append(QStringLiteral("【家にあるもの】%1品").arg(list.atHome.size()));
  for (int index : list.atHome) {
    const PlannedNeed& need = list.needs[size_t(index)];
    lines.append(QStringLiteral("・%1　%2 ← %3")
                     .arg(need.need.name, AmountForDish(need), StockEntryText(stock[size_t(need.stockPosition - 1)])));
  }
  if (!list.dishesNotInBook.empty()) {
    lines.append(QStringLiteral("【レシピにない料理（材料はわかりません）】"));
    for (int slot : list.dishesNotInBook) lines.append(QStringLiteral("・%1　%2").arg(MenuSlotName(slot), plan.dish(slot)));
  }
  if (!list.staplesLeftOut.isEmpty()) {
    lines.append(QStringLiteral("【常備品として省いたもの】"));
    lines.append(list.staplesLeftOut.join(u'、'));
  }
  return lines;
}

PageDocument ShoppingListDocument(const QStringList& lines, TwipsSize printable) {
  constexpr int kPointSize = 12;
  constexpr int kLineHeight = kPointSize * 20 * 3 / 2;  // in twips, with half a line of air
  const double fullWidthPerLine = double(printable.width) / (kPointSize * 20);
  PageDocument document(QStringLiteral("買い物リスト"));
  int y = 0;
  for (const QString& line : lines) {
    const bool heading = line.startsWith(u'【');
    const PrintFont font{QStringLiteral("ＭＳ ゴシック"), kPointSize, heading};
    const bool ticked = line.startsWith(u'■');
    for (const QString& piece : fitted(line, fullWidthPerLine)) {
      if (y + kLineHeight > printable.height) {
        document.newPage();
        y = 0;
      }
      document.addText(0, y, piece, font, heading ? kPrintGreen : kPrintBlack);
      if (ticked) {
        const int strikeY = y + kPointSize * 20 / 2;
        document.addRule(0, strikeY, int(fullWidthOf(piece) * kPointSize * 20), strikeY);
      }
      y += kLineHeight;
    }
  }
  return document;
}
