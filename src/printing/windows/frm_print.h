// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print window: the recipe on screen as text or as the main window's image, the picture
// catalogue of a range of recipes, and the binding margin kept in the profile.
#include <QWidget>
#include <functional>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"
#include "store/rules/recipe_file.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class PageDocument;
struct RangeCheck;

// What the print window reads from the main window, at the moment it prints.
struct MainWindowForPrint {
  QWidget* window = nullptr;                              // printed as its image; where this window opens
  std::function<recipe_file::RecipeForm()> shownRecipe;  // the fields as they are on screen
  std::function<QString()> shownPictureFile;             // the file of the picture on screen; empty for none
};

class frmPrint : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmPrint)
 public:
  frmPrint(Module1& module, Dialogs& dialogs, MainWindowForPrint mainWindow, QWidget* parent = nullptr);
 private slots:
  void hsbMjn_Change();
  void cmdHozon_Click();
  void cmdModori_Click();
  void cmdPrintForm_Click();
  void optAll_Click();
  void optHani_Click();
  void cmdPrintZestra_Click();

 protected:
  // Shown again, the whole-book range follows the book as it is now.
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void Form_Load();
  void rejectRange(const RangeCheck& check);
  void print(const PageDocument& document);

  Module1& module_;
  Dialogs& dialogs_;
  MainWindowForPrint main_;

  QRadioButton* optText;
  QRadioButton* optForm;
  QPushButton* cmdPrintForm;
  QRadioButton* optAll;
  QRadioButton* optHani;
  QLineEdit* txtSt;
  QLineEdit* txtEd;
  QPushButton* cmdPrintZestra;
  QScrollBar* hsbMjn;
  QLabel* lblMjn;
  QPushButton* cmdHozon;
  QPushButton* cmdModori;
};
