// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cooking log and the two ratings of the recipe on screen, with the recipe's points.
// The panel owns this on-screen state; it reaches the recipe file when the recipe is registered
// (the main window reads entries(), cookCount() and ratings()). Every change of the ratings is
// announced with ratingsChanged.
#include <QWidget>
#include <array>

#include "main_extras/rules/ratings.h"
#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/recipe.h"

class ClickableLabel;
class QLabel;
class QListWidget;

class CookingLogPanel : public QWidget {
  Q_OBJECT
 public:
  CookingLogPanel(Dialogs& dialogs, Clock& clock, QWidget* parent);

  void showRecipe(const Recipe& recipe);  // faces, log entries, count and points of a record
  void clear();                           // a new recipe: no log, both ratings "未", "Point 2"

  QStringList entries() const;
  int cookCount() const;  // the number of log entries, as the count label shows it
  Ratings ratings() const { return ratings_; }

  void ShowRecipePoints();

 signals:
  void ratingsChanged(const QString& self, const QString& others);

 private slots:
  void lblKai_Click();
  void lblKaisu_Click() { lblKai_Click(); }
  void lstRireki_DblClick();
  void imgFace1_Click(int index);
  void imgFace2_Click(int index);

 private:
  void setRatings(const Ratings& ratings);
  void afterLogChange();

  Dialogs& dialogs_;
  Clock& clock_;
  Ratings ratings_{kUnrated, kUnrated};

  ClickableLabel* lblKai;
  ClickableLabel* lblKaisu;
  QListWidget* lstRireki;
  std::array<ClickableLabel*, 4> imgFace1;
  std::array<ClickableLabel*, 4> imgFace2;
  QLabel* Label4;
  QLabel* lblPoint1;
};
