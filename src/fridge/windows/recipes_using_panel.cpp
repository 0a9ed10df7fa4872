// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/recipes_using_panel.h"

#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "fridge/rules/recipes_using.h"
#include "fridge/windows/chosen_recipe.h"
#include "platform/windows/after_pick_options.h"
#include "platform/windows/controls.h"
#include "platform/windows/user_text.h"

RecipesUsingPanel::RecipesUsingPanel(const RecipeTable& recipes, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("検索"), parent), recipes_(recipes), dialogs_(dialogs) {
  setObjectName(QStringLiteral("fraKensaku"));
  setFixedWidth(kWidth);
  lstKondate = new QListWidget(this);
  lstKondate->setObjectName(QStringLiteral("lstKondate"));
  lstKondate->setAccessibleName(QStringLiteral("この材料を使うレシピ"));
  lstKondate->setUniformItemSizes(true);
  lstKondate->installEventFilter(this);
  std::tie(optHide, optShow) = MakeAfterPickOptions(QStringLiteral("クリック時に冷蔵庫画面を隠す"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstKondate, 1);
  layout->addWidget(optHide);
  layout->addWidget(optShow);
  connect(lstKondate, &QListWidget::itemClicked, this, &RecipesUsingPanel::lstKondate_Click);
}

bool RecipesUsingPanel::hidesAfterPick() const { return optHide->isChecked(); }

bool RecipesUsingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstKondate && controls::isEnterPress(event) && lstKondate->currentItem()) {
    lstKondate_Click();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

void RecipesUsingPanel::showRecipesUsing(const QString& ingredientName) {
  searchedIngredient_ = ingredientName;
  const QStringList dishes = FindRecipesUsing(recipes_, ingredientName);
  lstKondate->clear();
  lstKondate->addItems(dishes);
  showSearchCaption(ingredientName, int(dishes.size()));
}

// "『name』 N件検出", the name shortened with "…" where the whole would not fit the frame, so the
// count always shows; the whole caption is the frame's tip and description.
void RecipesUsingPanel::showSearchCaption(const QString& ingredientName, int found) {
  const auto caption = [&](const QString& name) { return QStringLiteral("『%1』 %2件検出").arg(name).arg(found); };
  const QString whole = caption(ingredientName);
  const QFontMetrics metrics(font());
  const int room = width() - 24 - metrics.horizontalAdvance(caption(QString()));
  const QString shown = caption(metrics.elidedText(ingredientName, Qt::ElideMiddle, std::max(room, 0)));
  ShowUserTitle(this, shown);
  setToolTip(shown == whole ? QString() : whole);
  setAccessibleDescription(shown == whole ? QString() : whole);
}

void RecipesUsingPanel::lstKondate_Click() {
  const QListWidgetItem* item = lstKondate->currentItem();
  if (!item) return;
  const int number = ChosenRecipeNumber(recipes_, dialogs_, item->text());
  if (number == 0) {
    showRecipesUsing(searchedIngredient_);
    return;
  }
  emit recipeChosen(number);
}
