// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The refrigerator's frame "検索": the recipes that use the ingredient picked in the stock, and
// whether the refrigerator hides once one of them is picked. A picked recipe goes out by record
// number through recipeChosen.
#include <QGroupBox>

#include "platform/windows/dialogs.h"
#include "store/rules/recipe.h"

class QListWidget;
class QRadioButton;

class RecipesUsingPanel : public QGroupBox {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(RecipesUsingPanel)
 public:
  // The frame keeps its width whatever the caption; a long ingredient name is shortened.
  static constexpr int kWidth = 280;

  RecipesUsingPanel(const RecipeTable& recipes, Dialogs& dialogs, QWidget* parent);

  // Lists the dishes whose ingredients name the ingredient; the caption says how many.
  void showRecipesUsing(const QString& ingredientName);
  // Whether the window is to hide once a recipe has been picked (optHide).
  bool hidesAfterPick() const;

 signals:
  void recipeChosen(int recordNumber);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void lstKondate_Click();

 private:
  void showSearchCaption(const QString& ingredientName, int found);

  const RecipeTable& recipes_;
  Dialogs& dialogs_;
  QString searchedIngredient_;  // the ingredient whose recipes lstKondate shows
  QListWidget* lstKondate;
  QRadioButton* optHide;
  QRadioButton* optShow;
};
