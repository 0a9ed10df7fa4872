// SPDX-License-Identifier: GPL-3.0-or-later
// No action leaves a file the program cannot read again: a full disk, a book with empty lines at
// its end, a pasted line break, a broken file found at start-up.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "category_editor/windows/frm_hensyu.h"
#include "main_window/startup.h"
#include "platform/rules/typed_text.h"
#include "store/rules/recipe_file.h"
#include "store/windows/frm_splash.h"
#include "support/file_size_limit.h"
#include "support/hostile_files.h"
#include "support/main_window_fixture.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

class FileSafetyTest : public MainWindowTest {
 protected:
  void registerNew(const QString& name) {
    click("cmdNew");
    control<QComboBox>("cboNamae")->setEditText(name);
    click("cmdTouroku");
  }
  // The recipe file as the reader now finds it.
  RecipeTable fileTable() {
    auto table = recipe_file::LoadRecipeFile(book.path(kRecipeFile));
    if (auto* error = std::get_if<FileError>(&table)) {
      ADD_FAILURE() << error->message().toStdString();
      return {};
    }
    return std::get<RecipeTable>(std::move(table));
  }
};

// A register on a full disk is reported, and the book stays as it was.
TEST_F(FileSafetyTest, RegisterOnAFullDiskIsReportedAndTheFileKept) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray before = book.bytes(kRecipeFile);
  open();
  {
    FileSizeLimit full(before.size() + 40);
    registerNew(QStringLiteral("肉じゃが"));
  }
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_EQ(dialogs.messages()[1].icon, MessageBox::Icon::Critical);
  EXPECT_TRUE(dialogs.messages()[1].text.contains(QStringLiteral("元の内容はそのまま残っています")));
  EXPECT_EQ(book.bytes(kRecipeFile), before);
  EXPECT_EQ(module->RecipeCount(), 1);
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files).filter(QStringLiteral("レシピ")), QStringList{kRecipeFile});
}

// The reader passes over empty lines after the last record; a new record goes before them, so
// the book opens again and the table holds the new record.
TEST_F(FileSafetyTest, RegisterIntoABookEndingWithEmptyLinesKeepsItReadable) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  const QByteArray old = book.bytes(kRecipeFile);
  book.writeBytes(kRecipeFile, old + "\r\n\r\n\n");
  open();
  registerNew(QStringLiteral("肉じゃが"));
  EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("登録しました"));
  EXPECT_TRUE(book.bytes(kRecipeFile).startsWith(old + cp932Line(QString(31, u'*'))));
  const RecipeTable table = fileTable();
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table[2].DishName, QStringLiteral("肉じゃが"));
  ASSERT_EQ(module->RecipeCount(), 2);
  EXPECT_EQ(module->Recipes[2].DishName, QStringLiteral("肉じゃが"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("2 / 2"));
  // A change after it keeps both records.
  control<QLineEdit>("txtCal")->setText(QStringLiteral("420"));
  click("cmdTouroku");
  EXPECT_EQ(fileTable().count(), 2);
}

// A pipe or a link to a device named like a dish's picture neither hangs nor fills memory: the
// dish shows the stand-in picture.
TEST_F(FileSafetyTest, PicturesThatAreNoPlainFilesShowTheStandIn) {
  writeRecipes({simpleRecipe(QStringLiteral("肉じゃが")), simpleRecipe(QStringLiteral("カレー"))});
  QImage standIn(40, 30, QImage::Format_RGB32);
  standIn.fill(Qt::blue);
  ASSERT_TRUE(standIn.save(book.path(QStringLiteral("NOPIC.JPG")), "JPG"));
  MakeFifo(book.path(QStringLiteral("肉じゃが.jpg")));
  MakeLink(QStringLiteral("/dev/zero"), book.path(QStringLiteral("カレー.BMP")));
  open();
  auto* picture = control<QLabel>("imgGazou");
  for (int record : {1, 2}) {
    control<QScrollBar>("hsbData")->setValue(record);
    const QImage shown = picture->pixmap().toImage();
    ASSERT_FALSE(shown.isNull()) << record;
    EXPECT_GT(shown.pixelColor(shown.width() / 2, shown.height() / 2).blue(), 240) << record;
  }
}

// A book changed behind the program's back so that it no longer reads: the register is refused
// and the file is left as it is.
TEST_F(FileSafetyTest, RegisterIntoABookThatNoLongerReadsChangesNothing) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
  open();
  const QByteArray broken = book.bytes(kRecipeFile) + cp932Line(QStringLiteral("おまけ"));
  book.writeBytes(kRecipeFile, broken);
  registerNew(QStringLiteral("肉じゃが"));
  EXPECT_EQ(dialogs.messages().back().icon, MessageBox::Icon::Critical);
  EXPECT_TRUE(dialogs.messages().back().text.contains(QStringLiteral("形式が正しくありません")));
  EXPECT_EQ(book.bytes(kRecipeFile), broken);
  EXPECT_EQ(module->RecipeCount(), 1);
}

class CategoryLineBreakTest : public FileSafetyTest {
 protected:
  void SetUp() override {
    FileSafetyTest::SetUp();
    open();
    editor = std::make_unique<frmHensyu>(*module, dialogs, [this] { ++programEnded; });
    for (const char* name : {"ジャンル.TXT", "種類.TXT", "調理方法.TXT"}) before.push_back(book.bytes(QString::fromUtf8(name)));
  }
  void paste(const char* boxName, const QString& text) {
    auto* box = editor->findChild<QLineEdit*>(QString::fromLatin1(boxName));
    ASSERT_NE(box, nullptr) << boxName;
    QGuiApplication::clipboard()->setText(text);
    box->selectAll();
    box->paste();
    ASSERT_EQ(box->text(), text) << "the box keeps the pasted line break";
  }
  void expectNoListChanged() {
    int i = 0;
    for (const char* name : {"ジャンル.TXT", "種類.TXT", "調理方法.TXT"})
      EXPECT_EQ(book.bytes(QString::fromUtf8(name)), before[size_t(i++)]) << name;
    EXPECT_EQ(programEnded, 0);
  }
  std::unique_ptr<frmHensyu> editor;
  std::vector<QByteArray> before;
};

TEST_F(CategoryLineBreakTest, APastedLineBreakIsRefusedLikeTheOtherChecks) {
  for (const QString& pasted : {QStringLiteral("和\n食"), QStringLiteral("和\r食"), QStringLiteral("和\r\n食")}) {
    dialogs.clear();
    paste("txtCyouri(3)", pasted);
    QTest::mouseClick(editor->cmdHozon1, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("改行は項目の名前に使えません。「%1」を直してください")
                                                .arg(typed_text::ToStored(pasted)));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ZESTRA"));
    expectNoListChanged();
  }
  // Checked in box order with the other checks: an empty box before it is named first.
  dialogs.clear();
  editor->findChild<QLineEdit*>(QStringLiteral("txtCyouri(1)"))->clear();
  QTest::mouseClick(editor->cmdHozon1, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("未入力の欄が存在します。何か仮の名前でも入力してください"));
  expectNoListChanged();
}

// All three lists are checked before any is written, and written together: a failure in the
// last one leaves the first two as they were.
TEST_F(CategoryLineBreakTest, AFailedWriteOfOneListLeavesAllThree) {
  editor->findChild<QLineEdit*>(QStringLiteral("txtJyanru(0)"))->setText(QStringLiteral("郷土料理"));
  editor->findChild<QLineEdit*>(QStringLiteral("txtCyouri(8)"))->setText(QString(400, u'煮'));
  {
    FileSizeLimit full(200);
    QTest::mouseClick(editor->cmdHozon1, Qt::LeftButton);
  }
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  expectNoListChanged();
}

// What start-up does to a folder: the stand-in picture goes in whole or not at all, and nothing is
// created while a file that is there cannot be read.
class StartUpFiles : public ::testing::Test {
 protected:
  std::unique_ptr<RunningProgram> start() {
    auto program = StartProgram(book.folder(), dialogs, clock);
    if (program) program->splash->close();
    return program;
  }
  TempBook book;
  ScriptedDialogs dialogs;
  Clock clock;
};

TEST_F(StartUpFiles, TheStandInPictureIsWrittenWholeOrNotAtAll) {
  book.writeStandardFiles();
  const QString picture = book.path(QStringLiteral("NOPIC.JPG"));
  {
    FileSizeLimit full(2000);
    EXPECT_NE(start(), nullptr);
  }
  EXPECT_FALSE(QFileInfo::exists(picture));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("NOPIC.JPG")));
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("次の起動でもう一度作成します")));
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("NOPIC")), QStringList());
  // The next start makes it.
  dialogs.clear();
  EXPECT_NE(start(), nullptr);
  EXPECT_GT(QFileInfo(picture).size(), 2000);
  EXPECT_FALSE(QImage(picture).isNull());
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("NOPIC.JPG")));  // told it was made
}

// A run killed while it wrote a file or an export leaves temporary files; the next start removes them.
TEST_F(StartUpFiles, LeftoversOfAKilledRunAreRemoved) {
  book.writeStandardFiles();
  book.writeBytes(QStringLiteral("レシピ.TXT.hJkLmN"), "half a book");
  QDir(book.folder()).mkdir(QStringLiteral(".追加レシピ作成中-abcdef"));
  book.writeBytes(QStringLiteral(".追加レシピ作成中-abcdef/追加レシピ.TXT"), "half an export");
  ASSERT_NE(start(), nullptr);
  EXPECT_FALSE(book.exists(QStringLiteral("レシピ.TXT.hJkLmN")));
  EXPECT_FALSE(QFileInfo::exists(book.path(QStringLiteral(".追加レシピ作成中-abcdef"))));
}

TEST_F(StartUpFiles, ABrokenRecipeFileStopsStartUpBeforeAnyFileIsCreated) {
  book.writeStandardFiles();
  book.writeLines(kRecipeFile, {QString(31, u'*')});
  QFile::remove(book.path(QStringLiteral("設定.TXT")));
  QFile::remove(book.path(QStringLiteral("参考資料.TXT")));
  const QStringList before = QDir(book.folder()).entryList(QDir::Files);
  EXPECT_EQ(start(), nullptr);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(kRecipeFile));
  EXPECT_TRUE(dialogs.messages()[0].text.endsWith(QStringLiteral("起動を中止します。ファイルは変更していません。")))
      << dialogs.messages()[0].text.toStdString();
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("起動エラー"));
  EXPECT_EQ(QDir(book.folder()).entryList(QDir::Files), before);
}

}  // namespace
