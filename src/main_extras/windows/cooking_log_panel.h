#pragma once
// The cooking log and the two ratings of the recipe on screen, with the recipe's points.
// Everything here is on-screen state; it reaches the recipe file when the recipe is registered.
#include <QWidget>
#include <array>

#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class ClickableLabel;
class QLabel;
class QListWidget;

class CookingLogPanel : public QWidget {
  Q_OBJECT
 public:
  CookingLogPanel(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent);

  void showRecipe(const Recipe& recipe);  // faces, log entries, count and points of a record
  void clear();                           // a new recipe: no log, both ratings "未", "Point 2"

  QStringList entries() const;
  QString countCaption() const;

  void ShowRecipePoints();
  void lblKai_Click();
  void lblKaisu_Click() { lblKai_Click(); }
  void lstRireki_DblClick();
  void imgFace1_Click(int index);
  void imgFace2_Click(int index);

  ClickableLabel* lblKai;
  ClickableLabel* lblKaisu;
  QListWidget* lstRireki;
  std::array<ClickableLabel*, 4> imgFace1;
  std::array<ClickableLabel*, 4> imgFace2;
  QLabel* Label4;
  QLabel* lblPoint1;

 private:
  void showFaces();
  void afterLogChange();

  Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
};
