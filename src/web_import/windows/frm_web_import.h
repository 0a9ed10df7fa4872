// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 「Webから取り込み」: a recipe brought in from a web page. The user pastes an address (or opens a
// saved page, or drops either on the main window); the page is fetched, its recipe data read and
// shown as an editable record before anything is written, with what was changed or guessed
// listed. 「レシピ帳に追加」 hands the record, as typed text, to the main window's own register path
// (confirmation, backup, append, reload), then stores the page's picture as the dish's picture.
#include <QByteArray>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"
#include "store/rules/recipe_file.h"
#include "web_import/rules/imported_recipe.h"
#include "web_import/rules/page_recipes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class PageFetch;

class frmWebImport : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmWebImport)
 public:
  // Registers a record as 登録 does; true when it was stored.
  using AddRecipe = std::function<bool(const recipe_file::RecipeForm&)>;

  frmWebImport(Module1& module, Dialogs& dialogs, AddRecipe addRecipe, QWidget* parent);

  // Starts on an address (http or https) or a saved page's path, as a drop or a paste gives it.
  void open(const QString& addressOrPath);
  void setFetchTimeout(int ms);  // tests shorten the wait

  void cmdFetch_Click();
  void cmdOpenPage_Click();
  void cmdStop_Click();
  void cboRecipes_Click(int index);
  void cmdAdd_Click();

 signals:
  // The dish's picture file was written after its record was added.
  void pictureStored();
  // A page was read and its recipe (the first of several) is shown, or the page was refused.
  void previewShown();

 protected:
  void hideEvent(QHideEvent* event) override;  // a closed window fetches nothing more

 private:
  void buildControls();
  void setFetching(bool fetching, const QString& status);
  void readSavedPage(const QString& path);
  void showPage(const QByteArray& html, const QString& charset, const QUrl& from);
  void showRecipe(int index);
  void clearPreview();
  void fetchPicture(const QString& address);
  void takePicture(const QByteArray& bytes);
  void showPictureState(const QString& text);
  recipe_file::RecipeForm typedRecipe() const;
  bool storePicture(const QString& dishName);

  Module1& module_;
  Dialogs& dialogs_;
  AddRecipe addRecipe_;
  PageFetch* pageFetch_;
  PageFetch* pictureFetch_;
  web_import::PageRecipes page_;
  QUrl pageUrl_;       // where the page came from, for the picture's relative address
  QString address_;    // the page's address as メモ gives it
  QString siteName_;
  QByteArray picture_;  // the picture's bytes as they will be stored, empty for none
  QString pictureSuffix_;

  QLineEdit* txtUrl;
  QPushButton* cmdFetch;
  QPushButton* cmdOpenPage;
  QPushButton* cmdStop;
  QProgressBar* prgFetch;
  QLabel* lblStatus;
  QLabel* lblRecipes;
  QComboBox* cboRecipes;
  QLineEdit* txtName;
  QComboBox* cboGenre;
  QComboBox* cboKind;
  QComboBox* cboMethod;
  QLineEdit* txtCal;
  QLineEdit* txtSalt;
  QLineEdit* txtTime;
  QLineEdit* txtSource;
  QPlainTextEdit* txtIngredients;
  QPlainTextEdit* txtSteps;
  QPlainTextEdit* txtMemo;
  QLabel* imgPicture;
  QLabel* lblPicture;
  QListWidget* lstNotes;
  QPushButton* cmdAdd;
  QPushButton* cmdClose;
};
