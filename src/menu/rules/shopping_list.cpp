#include "menu/rules/shopping_list.h"

#include <QHash>

#include "fridge/rules/stock_by_name.h"

namespace {

const QString kUnchosen = QStringLiteral("レシピ選択");

// The line cut into pieces that fit the printed width, counted in full-width characters (a
// half-width one is half); the pieces after the first are indented.
QStringList fitted(const QString& line, double width) {
  QStringList pieces;
  QString piece;
  double used = 0;
  for (QChar c : line) {
    const double w = c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) ? 0.5 : 1;
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

QString AmountForDish(const PlannedNeed& need) { return need.need.amount + QStringLiteral("（%1）").arg(need.dish); }

QString UsesOf(const ShoppingList& list, const BuyGroup& group) {
  QStringList uses;
  for (int index : group.needs) uses.append(AmountForDish(list.needs[size_t(index)]));
  return uses.join(u'、');
}

QString StockEntryText(const StockEntry& entry) {
  const QString date = entry.BestBefore.trimmed().isEmpty() ? QStringLiteral("賞味期限なし")
                                                           : QStringLiteral("賞味期限 %1").arg(entry.BestBefore);
  return QStringLiteral("冷蔵庫の「%1」（%2）").arg(entry.IngredientName, date);
}

bool IsPlannedDish(const QString& slotText) {
  const QString text = slotText.trimmed();
  return !text.isEmpty() && text != kUnchosen;
}

ShoppingList BuildShoppingList(const MenuPlan& plan, const RecipeTable& recipes, const std::vector<StockEntry>& stock) {
  IngredientFolder folder;
  const StockByName byName(stock, folder);
  QHash<QString, size_t> usedOfKey;  // how many entries of each ingredient are used so far
  QHash<QString, int> groupOfKey;
  ShoppingList list;
  for (int slot = 0; slot < kMenuSlots; ++slot) {
    const QString& dish = plan.dish(slot);
    if (!IsPlannedDish(dish)) continue;
    ++list.plannedDishes;
    const int number = recipes.FindRecipeByDishName(dish);
    if (number < 1) {
      list.dishesNotInBook.push_back(slot);
      continue;
    }
    ForEachIngredient(recipes[number].Ingredients, [&](QStringView line, const IngredientNeed& need) {
      PlannedNeed planned{slot, dish, line.toString(), need, folder.key(need.name), 0};
      const int index = int(list.needs.size());
      const std::vector<int>* entries = byName.positions(planned.key);
      size_t& used = usedOfKey[planned.key];
      if (entries && used < entries->size()) {
        planned.stockPosition = (*entries)[used++];
        list.atHome.push_back(index);
      } else {
        auto group = groupOfKey.find(planned.key);
        if (group == groupOfKey.end()) {
          group = groupOfKey.insert(planned.key, int(list.toBuy.size()));
          list.toBuy.push_back({need.name, {}});
        }
        list.toBuy[size_t(*group)].needs.push_back(index);
      }
      list.needs.push_back(std::move(planned));
    });
  }
  return list;
}

QStringList ShoppingListLines(const ShoppingList& list, const MenuPlan& plan, const std::vector<StockEntry>& stock) {
  QStringList lines;
  lines.append(QStringLiteral("買い物リスト　%1 ～ %2").arg(plan.Days.front().DayCaption, plan.Days.back().DayCaption));
  lines.append(QStringLiteral("【買うもの】%1品").arg(list.toBuy.size()));
  for (const BuyGroup& group : list.toBuy) lines.append(QStringLiteral("□ %1　%2").arg(group.name, UsesOf(list, group)));
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
    for (const QString& piece : fitted(line, fullWidthPerLine)) {
      if (y + kLineHeight > printable.height) {
        document.newPage();
        y = 0;
      }
      document.addText(0, y, piece, font, heading ? kPrintGreen : kPrintBlack);
      y += kLineHeight;
    }
  }
  return document;
}
