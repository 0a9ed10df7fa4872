// SPDX-License-Identifier: GPL-3.0-or-later
// Two main windows (two copies of the program) on one book, each over its own table: whatever
// one writes, the other's later write keeps. And a recipe file replaced under a running window
// is read again, the recipe on screen kept.
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <cstdio>
#include <QListWidget>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTableView>
#include <QTreeWidget>

#include "store/rules/book_watcher.h"
#include "store/windows/book_lock.h"
#include "store/rules/recipe_reader.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"
#include "support/typing.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

// One copy of the program on the book.
struct Copy {
  Copy(const QString& folder, FixedClock& clock) : module(folder) {
    module.Backups.setClock(clock);
    window = std::make_unique<frmMain>(module, dialogs, clock);
    window->setEndProgram([] {});
    EXPECT_FALSE(window->Form_Load().has_value());
    window->show();
  }
  template <typename T = QWidget>
  T* control(const char* name) {
    return FindControl<T>(window.get(), QString::fromLatin1(name));
  }
  void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
  void show(const QString& name) { window->openChosenRecipe(module.Recipes.FindRecipeByDishName(name)); }

  void registerNew(const QString& name) {
    click("cmdNew");
    control<QComboBox>("cboNamae")->setEditText(name);
    click("cmdTouroku");
  }
  void changeMemo(const QString& name, const QString& memo) {
    show(name);
    auto* box = control<QPlainTextEdit>("txtMemo");
    box->selectAll();
    typeText(box, memo);
    click("cmdTouroku");
  }
  void remove(const QString& name) {
    show(name);
    click("cmdDelete");
  }

  Module1 module;
  ScriptedDialogs dialogs;
  std::unique_ptr<frmMain> window;
};

// The names and memos the recipe file holds, in order ("カレー:辛口").
QStringList recordsOnDisk(const TempBook& book) {
  QStringList out;
  auto table = recipe_file::ReadRecipeFile(book.path(kRecipeFile));
  if (auto* error = std::get_if<FileError>(&table)) {
    ADD_FAILURE() << error->message().toStdString();
    return out;
  }
  const RecipeTable& t = std::get<RecipeTable>(table);
  for (int i = 1; i <= t.count(); ++i) out.append(t[i].Memo.isEmpty() ? t[i].DishName : t[i].DishName + u':' + t[i].Memo);
  return out;
}

struct TwoWriters {
  std::string name;
  std::function<void(Copy& a, Copy& b)> steps;  // A and B both loaded the book first
  QStringList expected;
};

const QString kCurry = QStringLiteral("カレー"), kSoup = QStringLiteral("味噌汁"), kRice = QStringLiteral("ご飯");

const TwoWriters kTwoWriters[] = {
    {"ARegistersBChangesAnother",
     [](Copy& a, Copy& b) {
       a.registerNew(QStringLiteral("A登録1"));
       b.changeMemo(kSoup, QStringLiteral("B"));
     },
     {kCurry, kSoup + QStringLiteral(":B"), kRice, QStringLiteral("A登録1")}},
    {"ARegistersBDeletes",
     [](Copy& a, Copy& b) {
       a.registerNew(QStringLiteral("A登録2"));
       b.remove(kCurry);
     },
     {kSoup, kRice, QStringLiteral("A登録2")}},
    {"BothRegister",
     [](Copy& a, Copy& b) {
       a.registerNew(QStringLiteral("A登録3"));
       b.registerNew(QStringLiteral("B登録3"));
     },
     {kCurry, kSoup, kRice, QStringLiteral("A登録3"), QStringLiteral("B登録3")}},
    {"ADeletesBChangesAnother",
     [](Copy& a, Copy& b) {
       a.remove(kCurry);
       b.changeMemo(kRice, QStringLiteral("B"));
     },
     {kSoup, kRice + QStringLiteral(":B")}},
    {"ADeletesBRegistersAUndoes",
     [](Copy& a, Copy& b) {
       a.remove(kSoup);
       b.registerNew(QStringLiteral("B登録"));
       a.click("cmdTorikesi");
     },
     {kCurry, kSoup, kRice, QStringLiteral("B登録")}},
    {"BothChangeOneEach",
     [](Copy& a, Copy& b) {
       a.changeMemo(kCurry, QStringLiteral("A"));
       b.changeMemo(kRice, QStringLiteral("B"));
     },
     {kCurry + QStringLiteral(":A"), kSoup, kRice + QStringLiteral(":B")}},
    {"BothDeleteTheSame",
     [](Copy& a, Copy& b) {
       a.remove(kSoup);
       b.remove(kSoup);
       EXPECT_EQ(b.dialogs.messages().back().text,
                 QStringLiteral("『 味噌汁 』は、ほかのウィンドウかプログラムですでに削除されています。"));
     },
     {kCurry, kRice}},
    {"AChangesWhatBDeletedAndPutsItBack",
     [](Copy& a, Copy& b) {
       b.remove(kSoup);
       a.changeMemo(kSoup, QStringLiteral("A"));
     },
     {kCurry, kRice, kSoup + QStringLiteral(":A")}},
    {"AChangesWhatBDeletedAndLetsItGo",
     [](Copy& a, Copy& b) {
       b.remove(kSoup);
       a.dialogs.answer(MessageBox::Answer::Ok);  // 変更登録確認
       a.dialogs.answerCancel();                   // 削除されています: not again
       a.changeMemo(kSoup, QStringLiteral("A"));
       EXPECT_EQ(a.window->findChild<QLabel*>(QStringLiteral("lblKensu"))->text(), QStringLiteral("1 / 2"));
     },
     {kCurry, kRice}},
};

void PrintTo(const TwoWriters& c, std::ostream* os) { *os << c.name; }

class BookOfThree : public testing::Test {
 protected:
  void SetUp() override {
    book.writeStandardFiles();
    QStringList lines;
    for (const QString& name : {kCurry, kSoup, kRice}) lines += simpleRecipe(name);
    book.writeLines(kRecipeFile, lines);
  }
  TempBook book;
  FixedClock clock{QDate(2024, 5, 12)};
};

class SharedBookWindows : public BookOfThree, public testing::WithParamInterface<TwoWriters> {};

TEST_P(SharedBookWindows, TheOtherWritersWorkIsKept) {
  Copy a(book.folder(), clock), b(book.folder(), clock);
  GetParam().steps(a, b);
  EXPECT_EQ(recordsOnDisk(book), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SharedBook, SharedBookWindows, testing::ValuesIn(kTwoWriters),
                         [](const auto& info) { return info.param.name; });

class OutsideChanges : public BookOfThree {};

// A sync tool bringing a recipe from another machine: a new file renamed over the old, or the
// old one rewritten in place.
TEST_F(OutsideChanges, ARunningWindowReadsTheReplacedFileAndKeepsItsRecipeOnScreen) {
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  a.show(kRice);
  QStringList lines;
  for (const QString& name : {QStringLiteral("他の機械"), kCurry, kSoup, kRice}) lines += simpleRecipe(name);
  book.writeLines(QStringLiteral("sync.tmp"), lines);
  ASSERT_EQ(std::rename(QFile::encodeName(book.path(QStringLiteral("sync.tmp"))).constData(),
                        QFile::encodeName(book.path(kRecipeFile)).constData()),
            0);
  EXPECT_EQ_SOON(a.module.RecipeCount(), 4);
  EXPECT_EQ(a.control<QComboBox>("cboNamae")->currentText(), kRice);
  EXPECT_EQ(a.control<QLabel>("lblKensu")->text(), QStringLiteral("4 / 4"));

  lines += simpleRecipe(QStringLiteral("もう一品"));
  book.writeLines(kRecipeFile, lines);  // in place, under the renamed file's new watch
  EXPECT_EQ_SOON(a.module.RecipeCount(), 5);
  EXPECT_EQ(a.control<QComboBox>("cboNamae")->currentText(), kRice);
  // A later change of the shown recipe lands on the file as it now is.
  a.changeMemo(kRice, QStringLiteral("A"));
  EXPECT_EQ(recordsOnDisk(book).size(), 5);
  EXPECT_EQ(a.dialogs.messages().size(), 2u) << "only the confirmation and the done box";
}

TEST_F(OutsideChanges, UnsavedTypingIsKeptAndTheUserToldOnce) {
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  a.show(kSoup);
  typeText(a.control<QPlainTextEdit>("txtMemo"), QStringLiteral("入力中"));
  Copy b(book.folder(), clock);
  b.registerNew(QStringLiteral("B登録"));
  b.registerNew(QStringLiteral("B登録2"));
  EXPECT_EQ_SOON(!a.dialogs.messages().empty(), true);
  QTest::qWait(2 * BookWatcher::kSettleMs);
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_EQ(a.dialogs.messages()[0].title, QStringLiteral("レシピ帳の変更"));
  EXPECT_EQ(a.control<QPlainTextEdit>("txtMemo")->toPlainText(), QStringLiteral("入力中"));
  a.click("cmdTouroku");
  EXPECT_EQ(recordsOnDisk(book), (QStringList{kCurry, kSoup + QStringLiteral(":入力中"), kRice, QStringLiteral("B登録"),
                                              QStringLiteral("B登録2")}));
}

TEST_F(OutsideChanges, AHalfWrittenFileIsWaitedForQuietlyAndNeverWrittenOver) {
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  const QByteArray half = book.bytes(kRecipeFile).chopped(20);  // a sync tool mid-copy
  book.writeBytes(kRecipeFile, half);
  QTest::qWait(3 * BookWatcher::kSettleMs);
  EXPECT_TRUE(a.dialogs.messages().empty());
  EXPECT_EQ(a.module.RecipeCount(), 3);
  a.changeMemo(kCurry, QStringLiteral("A"));  // the write reads the file first, and refuses it
  EXPECT_EQ(book.bytes(kRecipeFile), half);
  ASSERT_EQ(a.dialogs.messages().size(), 2u);
  EXPECT_TRUE(a.dialogs.messages()[1].text.contains(QStringLiteral("書き込みの途中か、途中で切れています")));
}

// Syncthing kept the other machine's version beside the file: the user is told at start-up and
// brings its recipe in through the restore window.
TEST_F(OutsideChanges, AConflictCopyIsToldOfAndOfferedForRestoring) {
  QStringList theirs;
  for (const QString& name : {kCurry, QStringLiteral("向こうの一品")}) theirs += simpleRecipe(name);
  const QString copy = QStringLiteral("レシピ.sync-conflict-20261209-101500-ABCDEFG.TXT");
  book.writeLines(copy, theirs);
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_EQ(a.dialogs.messages()[0].title, QStringLiteral("競合コピー"));
  EXPECT_TRUE(a.dialogs.messages()[0].text.contains(copy));

  a.click("cmdFukugen");
  QWidget* restore = a.control("frmFukugen");
  auto* list = FindControl<QTreeWidget>(restore, QStringLiteral("lstBackup"));
  ASSERT_GE(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("競合コピー"));
  EXPECT_EQ(list->topLevelItem(0)->text(4), QStringLiteral("2件"));
  list->setCurrentItem(list->topLevelItem(0));
  auto* missing = FindControl<QListWidget>(restore, QStringLiteral("lstRecipe"));
  ASSERT_EQ(missing->count(), 1);
  missing->item(0)->setSelected(true);
  QTest::mouseClick(FindControl<QPushButton>(restore, QStringLiteral("cmdTuika")), Qt::LeftButton);
  EXPECT_EQ(recordsOnDisk(book), (QStringList{kCurry, kSoup, kRice, QStringLiteral("向こうの一品")}));
}

TEST_F(OutsideChanges, ANicknameSetElsewhereShowsInTheCaption) {
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  book.writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {QStringLiteral("太郎"), QStringLiteral(" 100 "), QStringLiteral("写真表示"), QStringLiteral(" 0 ")});
  EXPECT_EQ_SOON(a.window->windowTitle(), QStringLiteral("Zestra  ～ 太郎のレシピ"));
  EXPECT_EQ(a.module.Prof.Nickname, QStringLiteral("太郎"));
}

TEST_F(OutsideChanges, RegisteringAnUnchangedRecipeWritesNothing) {
  Copy a(book.folder(), clock);
  const FileStamp before = file_stamp::of(book.path(kRecipeFile));
  a.show(kSoup);
  a.click("cmdTouroku");
  EXPECT_TRUE(before.sameIdentity(file_stamp::of(book.path(kRecipeFile))));
  EXPECT_EQ(a.dialogs.messages().back().text, QStringLiteral("登録しました"));
}

QStringList itemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
  return items;
}

// The files behind the window's lists, changed elsewhere (the category editor of another copy,
// a sync tool): first half written or malformed, which is waited for quietly and shows nothing,
// then whole, which the lists show at once. What the user typed in the box stays.
struct ListFileCase {
  std::string name;
  QString file;
  const char* box;        // the control that shows the file; a combo box gets typing first
  QByteArray unfinished;  // as a copy cut short leaves it
  QStringList whole;
  QString shownBefore, shownAfter;
};

QByteArray quotedLines(std::initializer_list<const char*> items) {
  QByteArray out;
  for (const char* item : items) out += QByteArray("\"") + item + "\"\r\n";
  return out;
}

const ListFileCase kListFileCases[] = {
    {"Genres", QStringLiteral("ジャンル.TXT"), "cboJyanru", quotedLines({"A", "B"}),
     {"\"家庭料理\"", "\"洋食\"", "\"中華\"", "\"エスニック\"", "\"イタリアン\"", "\"デザート\""},
     QStringLiteral("和食,洋食,中華,エスニック,イタリアン,デザート,その他"),
     QStringLiteral("家庭料理,洋食,中華,エスニック,イタリアン,デザート,その他")},
    {"Kinds", QStringLiteral("種類.TXT"), "cboSyurui", quotedLines({"A"}),
     {"\"主菜\"", "\"副菜\"", "\"汁物\"", "\"ご飯物\"", "\"麺類\"", "\"サラダ\"", "\"丼\"", "\"お菓子\"", "\"飲み物\""},
     {}, QStringLiteral("主菜,副菜,汁物,ご飯物,麺類,サラダ,丼,お菓子,飲み物,その他")},
    {"Methods", QStringLiteral("調理方法.TXT"), "cboCyouri", quotedLines({"A", "B", "C"}),
     {"\"焼く\"", "\"煮る\"", "\"炒める\"", "\"揚げる\"", "\"蒸す\"", "\"茹でる\"", "\"和える\"", "\"生\"", "\"炊く\""},
     {}, QStringLiteral("焼く,煮る,炒める,揚げる,蒸す,茹でる,和える,生,炊く,その他")},
    {"References", QStringLiteral("参考資料.TXT"), "cboSankou", QByteArray("\x8e\x51\x8d\x6c\r\n\x96"),  // cut inside a character
     {QStringLiteral("料理の本"), QStringLiteral("母のノート")}, QString(), QStringLiteral("料理の本,母のノート")},
    {"Settings", QStringLiteral("設定.TXT"), "chkHelp", QByteArray("\"\x83\x77\x83\x8b"),
     {QStringLiteral("\"ヘルプツアー\",1")}, QStringLiteral("off"), QStringLiteral("on")},
};

void PrintTo(const ListFileCase& c, std::ostream* os) { *os << c.name; }

// What the control shows of its file: a combo box's items, or the check box's state.
QString shownOf(QWidget* control) {
  if (auto* check = qobject_cast<QCheckBox*>(control)) return check->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
  return itemsOf(qobject_cast<QComboBox*>(control)).join(u',');
}

class ListFilesChangedOutside : public BookOfThree, public testing::WithParamInterface<ListFileCase> {};

TEST_P(ListFilesChangedOutside, AreTakenInWholeOnlyAndKeepWhatIsTyped) {
  const ListFileCase& c = GetParam();
  Copy a(book.folder(), clock);
  a.window->watchBookFolder();
  a.show(kSoup);
  QWidget* control = a.control(c.box);
  auto* combo = qobject_cast<QComboBox*>(control);
  if (combo) {
    combo->lineEdit()->clear();
    typeText(combo->lineEdit(), QStringLiteral("手入力"));
  }
  const QString before = shownOf(control);
  if (!c.shownBefore.isEmpty()) EXPECT_EQ(before, c.shownBefore);

  book.writeBytes(c.file, c.unfinished);
  QTest::qWait(3 * BookWatcher::kSettleMs);
  EXPECT_EQ(shownOf(control), before);
  book.writeLines(c.file, c.whole);
  const QByteArray whole = book.bytes(c.file);
  EXPECT_EQ_SOON(shownOf(control), c.shownAfter);
  if (combo) EXPECT_EQ(combo->currentText(), QStringLiteral("手入力"));
  EXPECT_TRUE(a.dialogs.messages().empty());
  EXPECT_EQ(book.bytes(c.file), whole);
}

INSTANTIATE_TEST_SUITE_P(SharedBook, ListFilesChangedOutside, testing::ValuesIn(kListFileCases),
                         [](const auto& info) { return info.param.name; });

// The refrigerator holds no unsaved stock// The refrigerator holds no unsaved stock: another writer's entries and names show at once.
TEST_F(OutsideChanges, AnOpenRefrigeratorShowsTheFilesAsTheyNowAre) {
  book.writeLines(QStringLiteral("冷蔵庫.TXT"), {"\"豆腐\",\"2024/05/10\",\"2024/05/12\""});
  book.writeLines(QStringLiteral("材料.TXT"), {"牛乳"});
  Copy a(book.folder(), clock);
  a.click("cmdReizou");
  QWidget* fridge = a.control("frmReizou");
  auto* names = FindControl<QComboBox>(fridge, QStringLiteral("cboZai"));
  typeText(names->lineEdit(), QStringLiteral("手入力"));
  const QAbstractItemModel* grid = FindControl<QTableView>(fridge, QStringLiteral("msgReizou"))->model();
  ASSERT_EQ(grid->rowCount(), 1);

  book.writeLines(QStringLiteral("冷蔵庫.TXT"), {"\"豆腐\",\"2024/05/10\",\"2024/05/12\"", "\"卵\",\"2024/05/11\",\"\""});
  book.writeLines(QStringLiteral("材料.TXT"), {"牛乳", "卵"});
  EXPECT_EQ_SOON(grid->rowCount(), 2);
  EXPECT_EQ(grid->index(1, 1).data().toString(), QStringLiteral("卵"));
  EXPECT_EQ_SOON(itemsOf(names), (QStringList{QStringLiteral("牛乳"), QStringLiteral("卵")}));
  EXPECT_EQ(names->currentText(), QStringLiteral("手入力"));
  EXPECT_TRUE(a.dialogs.messages().empty());
}

// The menu planner follows MENU.TXT while nothing is edited, and keeps an unsaved plan.
TEST_F(OutsideChanges, AnOpenMenuPlannerShowsTheFileUnlessItsPlanIsEdited) {
  const auto plan = [&](const char* breakfast) {
    book.writeLines(QStringLiteral("MENU.TXT"), {QStringLiteral("\"日付１\",\"%1\",\"\",\"\"").arg(QString::fromUtf8(breakfast)),
                                                 "\"日付２\",\"\",\"\",\"\"", "\"日付３\",\"\",\"\",\"\""});
  };
  plan("カレー");
  Copy a(book.folder(), clock);
  a.click("cmdMenu");
  auto* breakfast = FindControl<QComboBox>(a.control("frmMenu"), QStringLiteral("cboMenu(0)"));
  ASSERT_EQ(breakfast->currentText(), kCurry);
  plan("味噌汁");
  EXPECT_EQ_SOON(breakfast->currentText(), kSoup);

  auto* lunch = FindControl<QComboBox>(a.control("frmMenu"), QStringLiteral("cboMenu(1)"));
  typeText(lunch->lineEdit(), QStringLiteral("手入力"));
  plan("ご飯");
  QTest::qWait(3 * BookWatcher::kSettleMs);
  EXPECT_EQ(breakfast->currentText(), kSoup);
  EXPECT_EQ(lunch->currentText(), QStringLiteral("手入力"));
  EXPECT_TRUE(a.dialogs.messages().empty());
}

struct LockCase {
  std::string name;
  QByteArray lockFile;  // as another program left it; empty for none
  BookLock::Outcome outcome;
};

const LockCase kLockCases[] = {
    {"NoneYet", {}, BookLock::Outcome::Held},
    {"LeftByAProgramThatDied", "2147483000\nzestra\n" + QSysInfo::machineHostName().toUtf8() + "\n", BookLock::Outcome::Held},
    {"HeldFromAnotherMachine", "4242\nzestra\nlaptop-of-hanako\n", BookLock::Outcome::HeldElsewhere},
};

class BookLockTest : public testing::TestWithParam<LockCase> {};

TEST_P(BookLockTest, TheFirstProgramHoldsTheBookUnlessAnotherMachineDoes) {
  TempBook book;
  if (!GetParam().lockFile.isEmpty()) book.writeBytes(kBookLockFileName, GetParam().lockFile);
  BookLock lock(book.folder());
  EXPECT_EQ(lock.take(), GetParam().outcome);
  if (GetParam().outcome == BookLock::Outcome::HeldElsewhere) EXPECT_EQ(lock.holder(), QStringLiteral("laptop-of-hanako"));
}

INSTANTIATE_TEST_SUITE_P(SharedBook, BookLockTest, testing::ValuesIn(kLockCases),
                         [](const auto& info) { return info.param.name; });

TEST(SecondStart, RaisesTheRunningProgramAndEnds) {
  TempBook book;
  BookLock running(book.folder());
  ASSERT_EQ(running.take(), BookLock::Outcome::Held);
  QSignalSpy raised(&running, &BookLock::raiseRequested);
  BookLock second(book.folder());
  EXPECT_EQ(second.take(), BookLock::Outcome::RaisedOther);
  EXPECT_EQ_SOON(raised.count(), 1);
}

}  // namespace
