// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: one recipe at a time, every field editable in place, and the hub that opens
// every other window.
//
// How data flows through it: Form_Load loads the book (LoadBook: profile, category lists,
// reference list, recipe table, settings) into Module1 and the controls, then the statistics.
// ShowRecipe copies record hsbData->value() of the table onto the controls; the panels (cooking
// log and ratings, picture box and picker, slideshow, window buttons) own their controls and
// state, show their part and announce changes by signals: the cooking log its ratings (kept in
// Module1 for other windows), the slideshow the record to show next, the picker a picture to
// preview. Nothing typed reaches the table until cmdTouroku: registering appends or rewrites the
// recipe file, the table becomes the one the written file reads as, and the statistics are
// recomputed, so the table always mirrors the file. Other windows show a recipe through the slot
// openChosenRecipe, which moves hsbData as the user would.
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <thread>

#include "fridge/rules/folded_book.h"
#include "platform/rules/clock.h"
#include "platform/rules/file_error.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"
#include "store/rules/recipe_file.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class ClickableLabel;
class CookingLogPanel;
class LevelBar;
class PictureBox;
class PicturePicker;
class ReferenceBox;
class SlideshowPanel;
class WebImportDoor;
class WindowButtons;
class frmFukugen;
class BookWatcher;
class QTimer;
class frmSplash;

class frmMain : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmMain)
 public:
  frmMain(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent = nullptr);
  ~frmMain() override;

  // Reads every data file, in order, and shows the first recipe. The splash, when given, shows
  // the running count. A file that cannot be read is returned and nothing has been written.
  std::optional<FileError> Form_Load(frmSplash* splash = nullptr);

  // What ends the program (the application quits; tests record it).
  void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }
  void EndProgram();

  void ShowRecipe();
  void ClearRecipeForm();
  bool LoadRecipeFile();  // reloads the table from the file; false (and a message) when it cannot
  void ComputeStatistics();
  void ComputePoints();
  void ShowLevelBar();
  void ShowHelpTour();

  // Watches the book's folder from now on: a recipe file changed from outside is read again when
  // nothing is being typed (see frm_main_outside.cpp).
  void watchBookFolder();

  // The shown record number (hsbData's value).
  int shownRecord() const;

 signals:
  // The recipe table was reloaded from the file and its figures recomputed; windows that list
  // its records follow it.
  void recipeTableReloaded();
  // The level bar was coloured from the level; the evaluation chart window colours its bar too.
  void levelBarShown();

 public slots:
  // Shows the recipe at that record number, once (clamped to the table), even when hsbData
  // already stands there: after a write the table has changed under it.
  void showRecord(int number);
  // A recipe picked in another window (search, the sorted lists, the refrigerator): hsbData is
  // moved to it, and only a move shows it, so picking the recipe already on screen keeps what is
  // typed there.
  void openChosenRecipe(int number);

 private slots:
  // Handlers, as the controls call them.
  // Every change of the scroll bar, a drag of its thumb included, shows that record at once.
  void hsbData_Change();
  void cboNamae_Click(int index);
  void cmdNew_Click();
  void cmdTouroku_Click();
  void cmdDelete_Click();
  // Puts the recipe the last 削除 took back in its place; offered until the recipe file is next written.
  void cmdTorikesi_Click();
  void cmdFukugen_Click();  // opens the window that restores recipes from a backup
  void cmdEnd_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildButtons();
  void registerWindows();
  void connectPanels();
  recipe_file::RecipeForm typedRecipe() const;  // the fields as typed, as the file will hold them
  void fillCategoryCombos();
  void refillNameList();
  void setBusy(bool busy);
  // 登録 of a form: a new name is appended, a name in the book changes that recipe. True when stored.
  bool registerRecipe(const recipe_file::RecipeForm& form);
  // A record brought in from a web page, registered as 登録 does; its source is offered for the
  // reference list as a typed one is.
  bool registerImported(const recipe_file::RecipeForm& form);
  bool storeNewRecipe(const recipe_file::RecipeForm& form);
  bool storeChangedRecipe(int number, const recipe_file::RecipeForm& form);
  // Takes the table a write left (the file as it now reads), or reports why nothing was written.
  bool reloadAfterWrite(recipe_file::Written written);
  // A rewrite of the recipe file: the table as it is now with one record's change.
  struct TableChange {
    recipe_file::OneRecordEdit edit;
    bool changesNothing = false;  // the file already holds it: nothing is written
    backups::Write backup{backups::Change::Keeps, {}, {}};  // what the backup keeps of the old file
  };
  // Makes the change on the table as it is now: the table on screen while the file is still the
  // one it was read from, else the file read again (fresh is then true, and the edit finds its
  // records by content). An edit that returns nothing writes nothing; the table on screen then
  // becomes the fresh one, if there was one (Declined).
  using TableEdit = std::function<std::optional<TableChange>(const RecipeTable& current, bool fresh)>;
  enum class EditResult { Written, Failed, Declined };
  EditResult writeRecipeEdit(const TableEdit& edit);
  void takeFreshTable(recipe_file::StampedTable fresh);
  void takeTable(RecipeTable table);
  // Frees a table that was replaced, and gives its memory back, on a thread of its own: freeing a
  // full book's records takes about as long as reading them, and no one waits for it.
  void freeBeside(RecipeTable old);
  // What the history keeps of a write that changes or removes record number ("削除: 肉じゃが").
  static backups::Write changeOf(const QString& action, const RecipeTable& table, int number);
  void offerUndoDelete(std::optional<std::pair<int, Recipe>> deleted);
  void reloadAfterRestore();
  bool holdsUnsavedEdits() const;  // what is typed differs from the recipe on screen as stored
  void bookChangedOutside();
  void noticeConflictCopies();
  void profileChangedOutside();  // the caption, photo mode and target follow the file
  // The category lists, the reference list and the settings follow their files; what is typed
  // in the boxes stays. stampListFiles notes the files as start-up reads them.
  void stampListFiles();
  void listFilesChangedOutside();
  bool takeCategoryList(const CategoryList& file, QStringList& shown);
  bool takeReferenceList();
  bool takeSettings();
  void retryOutsideLater();  // a file not readable yet is looked at again, a few times
  void reportFileError(const FileError& error);

  Module1& module_;
  Dialogs& dialogs_;
  Clock& clock_;
  std::function<void()> endProgram_;
  bool busy_ = false;
  bool showingNewRecipe_ = false;
  std::optional<std::pair<int, Recipe>> lastDeleted_;  // its old number and the record
  QPointer<frmFukugen> restoreWindow_;
  BookWatcher* watcher_ = nullptr;
  QTimer* outsideRetry_ = nullptr;  // a file that could not be read yet is looked at again
  int outsideAttempts_ = 0;
  bool toldChangedOutside_ = false;  // the user was told of the change while typing
  QStringList knownConflictCopies_;
  FileStamp profileStamp_;  // the profile as last read here
  QHash<QString, FileStamp> listFileStamps_;  // the list files and settings as last read here

  // Controls, named as in the rest of the program (objectName is the same). Other windows and
  // tests find them by object name.
  ClickableLabel* lblRyoriNm;
  QComboBox* cboNamae;
  QComboBox* cboJyanru;
  QComboBox* cboSyurui;
  QComboBox* cboCyouri;
  QComboBox* cboSankou;
  QLineEdit* txtCal;
  QLineEdit* txtEnbun;
  QLineEdit* txtJikan;
  QPlainTextEdit* txtZairyou;
  QPlainTextEdit* txtTukuri;
  QPlainTextEdit* txtMemo;
  QScrollBar* hsbData;
  QLabel* lblKensu;
  QLabel* lblCopyright;
  QLabel* Label2;
  QPushButton* cmdNew;
  QPushButton* cmdTouroku;
  QPushButton* cmdDelete;
  QPushButton* cmdTorikesi;
  QPushButton* cmdFukugen;
  QPushButton* cmdWeb;
  QPushButton* cmdEnd;

  CookingLogPanel* cookingLog;
  PictureBox* picture;
  PicturePicker* picker;
  SlideshowPanel* slideshow;
  ReferenceBox* reference;
  WindowButtons* windowButtons;
  WebImportDoor* webImport;
  LevelBar* levelBar;
  std::thread tableFreeing_;
  // The table's ingredient lines folded for the refrigerator's use-it-up list: begun beside every
  // table taken, so that the list's first ranking finds them folded.
  FoldedBook foldedBook_;
};
