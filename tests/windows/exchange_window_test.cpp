// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange window as a user drives it from the main window: exporting chosen recipes,
// importing an exchange file, and the settings frame; checked in what is shown and in the bytes of
// the files.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QListView>
#include <QListWidget>

#include "support/accessible_names.h"
#include "support/hostile_files.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"
#include "support/typing.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

QByteArray bytesOf(const std::vector<QStringList>& records) {
  QByteArray bytes;
  for (const QStringList& r : records)
    for (const QString& line : r) bytes += cp932Line(line);
  return bytes;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

// A small picture of one colour, as the bytes of a PNG file (pictures are read by their content).
QByteArray pictureBytes(Qt::GlobalColor colour) {
  QImage image(8, 6, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// Recipes named 料理1, 料理2, ...
std::vector<QStringList> numberedRecipes(int count) {
  std::vector<QStringList> records;
  for (int i = 1; i <= count; ++i) records.push_back(simpleRecipe(QStringLiteral("料理%1").arg(i)));
  return records;
}

}  // namespace

class ExchangeWindowTest : public MainWindowTest {
 protected:
  // Opens the main window over the book and the exchange window from its button.
  void openExchange() {
    open();
    exchangeWindow = openThrough("cmdPrivate", "frmPrivate");
    ASSERT_NE(exchangeWindow, nullptr);
    ASSERT_TRUE(exchangeWindow->isVisible());
  }
  template <typename T = QWidget>
  T* part(const QString& name) {
    return FindControl<T>(exchangeWindow, name);
  }
  void press(const QString& name) { Press(exchangeWindow, name); }
  void clickRow(const QString& listName, int row) {
    auto* list = part<QListView>(listName);
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
  }
  QStringList rows(const QString& listName) {
    auto* list = part<QListView>(listName);
    QStringList names;
    for (int r = 0; r < list->model()->rowCount(); ++r) names.append(list->model()->index(r, 0).data().toString());
    return names;
  }
  int selectedCount(const QString& listName) { return int(part<QListView>(listName)->selectionModel()->selectedRows().size()); }
  // Replaces the box's text as a user does: select it all, delete it, type anew.
  void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
  }

  // Picks the file in the exchange window's file chooser.
  void chooseExchangeFile(const QString& path) {
    dialogs.pickFile(path);
    press("cmdFile");
  }

  QWidget* exchangeWindow = nullptr;
  TempBook other;  // the folder an exchange file comes from
};

TEST_F(ExchangeWindowTest, ExportWritesTheChosenRecordsInFileOrderWithTheirPictures) {
  const auto records = numberedRecipes(10);
  writeRecipes(records);
  book.writeBytes(QStringLiteral("料理5.jpg"), "jpeg of 5");
  openExchange();
  EXPECT_EQ(exchangeWindow->windowTitle(), QStringLiteral("ゼストラ　コミュニケーション"));
  EXPECT_EQ(part<QGroupBox>("fra1")->title(), QStringLiteral("全登録数 10件"));
  EXPECT_FALSE(part("File1")->isVisible());

  for (int row : {4, 1, 8}) clickRow("lstMoto", row);
  EXPECT_EQ(part<QLabel>("lblSentaku")->text(), QStringLiteral("選択数 3件"));
  press("cmdNukidashi");

  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, QStringLiteral("選択したレシピで追加レシピ情報を作成します。"));
  EXPECT_EQ(messages[0].title, QStringLiteral("追加レシピ作成確認"));
  EXPECT_EQ(messages[0].buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(messages[0].icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(messages[1].text, QStringLiteral("追加レシピ000フォルダに追加レシピ情報を作成しました。\r\n\r\n"
                                             "作成した追加レシピはお友達同士で利用し合ったり、ネット上にアップロードできます。"));
  EXPECT_EQ(messages[1].title, QStringLiteral("追加レシピ作成ＯＫ"));
  EXPECT_EQ(messages[1].icon, MessageBox::Icon::Information);

  const QString folder = book.path(QStringLiteral("追加レシピ000"));
  EXPECT_EQ(fileBytes(folder + QStringLiteral("/追加レシピ.TXT")), bytesOf({records[1], records[4], records[8]}));
  EXPECT_EQ(fileBytes(folder + QStringLiteral("/料理5.jpg")), QByteArray("jpeg of 5"));
  auto* kettei = part<QListWidget>("lstKettei");
  ASSERT_EQ(kettei->count(), 3);
  EXPECT_EQ(kettei->item(0)->text(), QStringLiteral("料理2"));
  EXPECT_EQ(kettei->item(2)->text(), QStringLiteral("料理9"));
  EXPECT_EQ(part<QGroupBox>("fra2")->title(), QStringLiteral("追加レシピ000"));
  auto* files = part<QListWidget>("File1");
  EXPECT_TRUE(files->isVisible());
  ASSERT_EQ(files->count(), 2);
  EXPECT_EQ(files->item(0)->text(), QStringLiteral("料理5.jpg"));
  EXPECT_EQ(files->item(1)->text(), QStringLiteral("追加レシピ.TXT"));

  // A second export makes a new folder; cmdNew puts the window back at rest.
  press("cmdNukidashi");
  EXPECT_TRUE(QFile::exists(book.path(QStringLiteral("追加レシピ001/追加レシピ.TXT"))));
  press("cmdNew");
  EXPECT_EQ(part<QGroupBox>("fra2")->title(), QStringLiteral("追加"));
  EXPECT_FALSE(files->isVisible());
  EXPECT_EQ(selectedCount("lstMoto"), 0);
  EXPECT_EQ(part<QLabel>("lblSentaku")->text(), QString());
}

TEST_F(ExchangeWindowTest, AnEleventhChoiceIsRefusedAndTenStayChosen) {
  writeRecipes(numberedRecipes(12));
  openExchange();
  for (int row = 0; row < 11; ++row) clickRow("lstMoto", row);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("１度で作成する追加レシピは１０件までです。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("追加レシピ制限"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(selectedCount("lstMoto"), 10);
  EXPECT_FALSE(part<QListView>("lstMoto")->selectionModel()->isRowSelected(10));
  EXPECT_EQ(part<QLabel>("lblSentaku")->text(), QStringLiteral("選択数 10件"));
}

TEST_F(ExchangeWindowTest, NothingChosenOrCancelledWritesNothing) {
  writeRecipes(numberedRecipes(3));
  openExchange();
  press("cmdNukidashi");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("先に料理名を選択してください。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("追加レシピ作成対象無し"));

  clickRow("lstMoto", 0);
  dialogs.answerCancel();
  press("cmdNukidashi");
  EXPECT_FALSE(part("lstKettei")->isVisible());
  EXPECT_FALSE(QDir(book.path(QStringLiteral("追加レシピ000"))).exists());
}

TEST_F(ExchangeWindowTest, TheListsFollowADeletionInTheMainWindow) {
  const auto records = numberedRecipes(3);
  writeRecipes(records);
  openExchange();
  control<QScrollBar>("hsbData")->setValue(2);
  click("cmdDelete");
  EXPECT_EQ(rows("lstMoto"), (QStringList{QStringLiteral("料理1"), QStringLiteral("料理3")}));
  EXPECT_EQ(rows("lstData"), rows("lstMoto"));
  EXPECT_EQ(part<QGroupBox>("fra1")->title(), QStringLiteral("全登録数 2件"));
  EXPECT_EQ(part<QGroupBox>("fraData")->title(), QStringLiteral("全登録数 2件"));

  dialogs.clear();
  clickRow("lstMoto", 1);
  press("cmdNukidashi");
  // The deletion rewrote the file; the export copies the record as it now stands.
  const QByteArray exported = fileBytes(book.path(QStringLiteral("追加レシピ000/追加レシピ.TXT")));
  EXPECT_TRUE(book.bytes(kRecipeFile).endsWith(exported));
  EXPECT_TRUE(exported.contains(cp932Line(QStringLiteral("【料理名　】料理3"))));
  EXPECT_FALSE(exported.contains(cp932Line(QStringLiteral("【料理名　】料理1"))));
}

TEST_F(ExchangeWindowTest, ImportAppendsTheKeptRecordsAndTheMainWindowKeepsItsRecipe) {
  writeRecipes(numberedRecipes(10));
  const QByteArray before = book.bytes(kRecipeFile);
  const std::vector<QStringList> received = {simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二")),
                                             simpleRecipe(QStringLiteral("三"), QStringLiteral("良"), QStringLiteral("優"),
                                                          QStringLiteral("2024/05/01"))};
  other.writeBytes(QStringLiteral("追加レシピ.TXT"), bytesOf(received));
  other.writeBytes(QStringLiteral("一.jpg"), pictureBytes(Qt::red));
  other.writeBytes(QStringLiteral("二.jpg"), pictureBytes(Qt::green));
  other.writeBytes(QStringLiteral("三.bmp"), pictureBytes(Qt::blue));
  openExchange();
  control<QScrollBar>("hsbData")->setValue(4);

  chooseExchangeFile(other.path(QStringLiteral("追加レシピ.TXT")));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, ScriptedDialogs::Call::Kind::OpenFile);
  EXPECT_EQ(rows("lstNewD"), (QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}));
  EXPECT_EQ(selectedCount("lstNewD"), 3);
  EXPECT_EQ(part<QLabel>("File2")->text(), QStringLiteral("追加レシピ.TXT"));
  clickRow("lstNewD", 1);
  press("cmdCopy");

  EXPECT_EQ(book.bytes(kRecipeFile), before + bytesOf({received[0], received[2]}));
  EXPECT_EQ(book.bytes(QStringLiteral("一.jpg")), pictureBytes(Qt::red));
  EXPECT_EQ(book.bytes(QStringLiteral("三.bmp")), pictureBytes(Qt::blue));
  EXPECT_FALSE(book.exists(QStringLiteral("二.jpg")));
  ASSERT_FALSE(dialogs.messages().empty());
  const MessageBox done = dialogs.messages().back();
  EXPECT_EQ(done.text, QStringLiteral("追加レシピを受け取りました。"));
  EXPECT_EQ(done.title, QStringLiteral("登録終了"));
  EXPECT_EQ(done.icon, MessageBox::Icon::Information);

  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 12"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("料理4"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->count(), 12);
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 28"));  // 11 recipes of 2 points, one of 2 + 3 + 1
  EXPECT_EQ(part<QGroupBox>("fraData")->title(), QStringLiteral("全登録数 12件"));
  EXPECT_EQ(rows("lstData").size(), 12);
  EXPECT_EQ(part<QLabel>("lblPoint")->text(), QStringLiteral("28 P"));

  // The choice stays: a second press brings the same records once more, and the same pictures
  // without a question.
  dialogs.clear();
  press("cmdCopy");
  EXPECT_EQ(book.bytes(kRecipeFile), before + bytesOf({received[0], received[2], received[0], received[2]}));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("追加レシピを受け取りました。"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 14"));
}

TEST_F(ExchangeWindowTest, ImportKeepsWhatIsTypedForANewRecipe) {
  writeRecipes(numberedRecipes(2));
  other.writeBytes(QStringLiteral("x.TXT"), bytesOf({simpleRecipe(QStringLiteral("一"))}));
  openExchange();
  click("cmdNew");
  control<QComboBox>("cboNamae")->setEditText(QStringLiteral("書きかけ"));
  chooseExchangeFile(other.path(QStringLiteral("x.TXT")));
  press("cmdCopy");
  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 4"));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("書きかけ"));
}

TEST_F(ExchangeWindowTest, AnExistingPictureIsKeptUnlessTheUserChoosesToReplaceIt) {
  other.writeBytes(QStringLiteral("x.TXT"), bytesOf({simpleRecipe(QStringLiteral("カレー")), simpleRecipe(QStringLiteral("NOPIC"))}));
  other.writeBytes(QStringLiteral("カレー.jpg"), pictureBytes(Qt::red));
  book.writeBytes(QStringLiteral("カレー.JPG"), pictureBytes(Qt::blue));
  other.writeBytes(QStringLiteral("NOPIC.jpg"), pictureBytes(Qt::green));
  book.writeBytes(QStringLiteral("NOPIC.JPG"), pictureBytes(Qt::gray));
  openExchange();
  chooseExchangeFile(other.path(QStringLiteral("x.TXT")));

  dialogs.answerCancel();
  dialogs.answerCancel();
  press("cmdCopy");
  const auto asked = dialogs.messages();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].title, QStringLiteral("画像の置き換え確認"));
  EXPECT_EQ(asked[0].text, QStringLiteral("レシピ「カレー」の画像「カレー.JPG」はすでにあり、受け取った画像とは内容が違います。\n"
                                          "受け取った画像で置き換えますか？\n（「キャンセル」で今の画像をそのまま残します）"));
  EXPECT_EQ(asked[0].buttons, MessageBox::Buttons::OkCancel);
  EXPECT_EQ(asked[0].defaultButton, MessageBox::Answer::Cancel);
  // The book's stand-in picture is named as such.
  EXPECT_TRUE(asked[1].text.startsWith(QStringLiteral("レシピ「NOPIC」の画像「NOPIC.JPG」はすでにあり、")));
  EXPECT_TRUE(asked[1].text.contains(QStringLiteral("「NOPIC.JPG」は、画像のないレシピすべてに代わりに表示する画像です。")))
      << asked[1].text.toStdString();
  EXPECT_EQ(book.bytes(QStringLiteral("カレー.JPG")), pictureBytes(Qt::blue));
  EXPECT_EQ(book.bytes(QStringLiteral("NOPIC.JPG")), pictureBytes(Qt::gray));
  EXPECT_FALSE(book.exists(QStringLiteral("カレー.jpg")));

  dialogs.clear();
  dialogs.answer(MessageBox::Answer::Ok);
  dialogs.answerCancel();
  press("cmdCopy");
  EXPECT_EQ(book.bytes(QStringLiteral("カレー.JPG")), pictureBytes(Qt::red));
  // Now the same: no question about it on the next import.
  dialogs.clear();
  dialogs.answerCancel();
  press("cmdCopy");
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("レシピ「NOPIC」")));
}

// Beside an exchange file, only plain picture files of its folder come in: not a link to a file
// elsewhere (which the next export would send on), a pipe, a device or a file that is no picture.
TEST_F(ExchangeWindowTest, OnlyPlainPicturesBesideTheExchangeFileComeIn) {
  TempBook elsewhere;
  elsewhere.writeBytes(QStringLiteral("private.jpg"), pictureBytes(Qt::black));
  other.writeBytes(QStringLiteral("x.TXT"), bytesOf({simpleRecipe(QStringLiteral("カレー")), simpleRecipe(QStringLiteral("サラダ"))}));
  MakeLink(elsewhere.path(QStringLiteral("private.jpg")), other.path(QStringLiteral("カレー.jpg")));
  MakeLink(QStringLiteral("/dev/zero"), other.path(QStringLiteral("カレー.gif")));
  MakeFifo(other.path(QStringLiteral("カレー.bmp")));
  other.writeBytes(QStringLiteral("サラダ.jpg"), "no picture");
  other.writeBytes(QStringLiteral("サラダ.gif"), pictureBytes(Qt::green));
  openExchange();
  const QStringList before = QDir(book.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  chooseExchangeFile(other.path(QStringLiteral("x.TXT")));
  press("cmdCopy");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("追加レシピを受け取りました。"));
  QStringList after = QDir(book.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  after.removeOne(QStringLiteral("サラダ.gif"));
  after.removeOne(QStringLiteral("バックアップ"));  // the day's first write keeps a copy of the book
  EXPECT_EQ(after, before);
  EXPECT_EQ(book.bytes(QStringLiteral("サラダ.gif")), pictureBytes(Qt::green));
}

// An exchange file that is a pipe or a link to a device is refused at once with the reason.
TEST_F(ExchangeWindowTest, AnExchangeFileThatIsNoPlainFileIsRefused) {
  MakeFifo(other.path(QStringLiteral("pipe.TXT")));
  MakeLink(QStringLiteral("/dev/zero"), other.path(QStringLiteral("zero.TXT")));
  openExchange();
  const QByteArray before = book.bytes(kRecipeFile);
  for (const QString& name : {QStringLiteral("pipe.TXT"), QStringLiteral("zero.TXT")}) {
    dialogs.clear();
    chooseExchangeFile(other.path(name));
    ASSERT_EQ(dialogs.messages().size(), 1u) << name.toStdString();
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("取り込めないファイル"));
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("読み込みません"))) << dialogs.messages()[0].text.toStdString();
    EXPECT_TRUE(rows("lstNewD").isEmpty());
    press("cmdCopy");
  }
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(ExchangeWindowTest, AnUntrustedDishNameBringsItsRecordButNoPicture) {
  const QString name = QStringLiteral("../外");
  QDir(other.folder()).mkdir(QStringLiteral("ex"));
  other.writeBytes(QStringLiteral("ex/x.TXT"), bytesOf({simpleRecipe(name)}));
  other.writeBytes(QStringLiteral("外.jpg"), "beside the exchange folder");
  openExchange();
  const QByteArray before = book.bytes(kRecipeFile);
  chooseExchangeFile(other.path(QStringLiteral("ex/x.TXT")));
  press("cmdCopy");
  EXPECT_EQ(book.bytes(kRecipeFile), before + bytesOf({simpleRecipe(name)}));
  EXPECT_FALSE(QFile::exists(QDir(book.folder()).filePath(QStringLiteral("../外.jpg"))));
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].title, QStringLiteral("画像を取り込めませんでした"));
  EXPECT_TRUE(messages[0].text.contains(QStringLiteral("・../外"))) << messages[0].text.toStdString();
  EXPECT_EQ(messages[1].text, QStringLiteral("追加レシピを受け取りました。"));
}

TEST_F(ExchangeWindowTest, FilesThatAreNoSoundExchangeDataAreRefusedAndNothingIsAppended) {
  writeRecipes(numberedRecipes(1));
  const QByteArray before = book.bytes(kRecipeFile);
  other.writeLines(QStringLiteral("memo.TXT"), {QStringLiteral("買い物メモ")});
  QStringList unfinished = simpleRecipe(QStringLiteral("途中"));
  unfinished.removeLast();
  other.writeBytes(QStringLiteral("broken.TXT"), bytesOf({simpleRecipe(QStringLiteral("一")), unfinished}));
  openExchange();

  chooseExchangeFile(other.path(QStringLiteral("memo.TXT")));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("それは追加レシピデータではありません。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ZESTRA"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::None);
  EXPECT_TRUE(rows("lstNewD").isEmpty());
  press("cmdCopy");
  EXPECT_EQ(dialogs.messages().size(), 1u);

  dialogs.clear();
  chooseExchangeFile(other.path(QStringLiteral("broken.TXT")));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("取り込めないファイル"));
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("22行目"))) << dialogs.messages()[0].text.toStdString();
  EXPECT_TRUE(rows("lstNewD").isEmpty());
  press("cmdCopy");

  dialogs.clear();
  chooseExchangeFile(book.path(QStringLiteral("レシピ.TXT")));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("このレシピ帳のレシピファイル")));
  EXPECT_TRUE(rows("lstNewD").isEmpty());
  press("cmdCopy");
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(ExchangeWindowTest, ImportWithNothingSelectedSaysSo) {
  writeRecipes(numberedRecipes(1));
  const QByteArray before = book.bytes(kRecipeFile);
  other.writeBytes(QStringLiteral("x.TXT"), bytesOf({simpleRecipe(QStringLiteral("一"))}));
  openExchange();
  chooseExchangeFile(other.path(QStringLiteral("x.TXT")));
  clickRow("lstNewD", 0);
  press("cmdCopy");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("取り込む料理名が選択されていません。")));
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

TEST_F(ExchangeWindowTest, ImportThatReachesTheTargetCongratulates) {
  book.writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {QStringLiteral("花子"), QStringLiteral(" 10 "), QStringLiteral("写真表示"),
                                                 QStringLiteral(" 10 ")});
  writeRecipes(numberedRecipes(3));
  other.writeBytes(QStringLiteral("x.TXT"), bytesOf({simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二"))}));
  openExchange();
  chooseExchangeFile(other.path(QStringLiteral("x.TXT")));
  press("cmdCopy");
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, QStringLiteral("追加レシピを受け取りました。"));
  EXPECT_EQ(messages[1].title, QStringLiteral("目標レベル達成"));
  EXPECT_EQ(part<QLabel>("lblLevel")->text(), QStringLiteral("100.0 %"));
}

TEST_F(ExchangeWindowTest, SavingTheProfileRewritesTheFileAndUpdatesTheMainWindow) {
  // 2 + 3 (others' 優) + 145 times cooked = 150 points.
  QStringList dates;
  for (int i = 0; i < 145; ++i) dates.append(QStringLiteral("2024/01/01"));
  writeRecipes({simpleRecipe(QStringLiteral("カレー"), QStringLiteral("優"), QStringLiteral("優"), dates.join(u'\n'))});
  openExchange();
  auto* name = part<QLineEdit>("txtNamae");
  auto* target = part<QLineEdit>("txtPoint");
  EXPECT_EQ(name->text(), QStringLiteral("花子"));
  EXPECT_EQ(target->text(), QStringLiteral("100"));
  EXPECT_EQ(part<QLabel>("lblPoint")->text(), QStringLiteral("150 P"));
  EXPECT_EQ(part<QLabel>("lblLevel")->text(), QStringLiteral("150.0 %"));

  QWidget* evaluations = openThrough("cmdGraph2", "frmGraph2");
  retype(name, QStringLiteral("太郎"));
  retype(target, QStringLiteral("200"));
  press("cmdHozon");
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(book.bytes(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt")),
            cp932Line(QStringLiteral("太郎")) + cp932Line(QStringLiteral("200")) + cp932Line(QStringLiteral("写真表示")) +
                cp932Line(QStringLiteral(" 10 ")));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Zestra  ～ 太郎のレシピ"));
  EXPECT_EQ(part<QLabel>("lblLevel")->text(), QStringLiteral("75.0 %"));
  // Both level bars, the main window's and the evaluation chart window's, show the new level.
  for (QWidget* bar : {window->findChild<QWidget*>(QStringLiteral("LevelBar"), Qt::FindDirectChildrenOnly), evaluations}) {
    ASSERT_TRUE(bar);
    auto* segment7 = FindControl<QFrame>(bar, QStringLiteral("shpLevel(7)"));
    auto* segment8 = FindControl<QFrame>(bar, QStringLiteral("shpLevel(8)"));
    ASSERT_TRUE(segment7 && segment8);
    EXPECT_EQ(segment7->palette().color(QPalette::Window), QColor(255, 0, 255)) << bar->objectName().toStdString();
    EXPECT_EQ(segment8->palette().color(QPalette::Window), QColor(255, 255, 255)) << bar->objectName().toStdString();
  }
  EXPECT_EQ(FindControl<QLabel>(evaluations, QStringLiteral("lblLevel"))->text(), QStringLiteral("Level  75"));

  // Full-width digits with a separator are the number; the file keeps it so that it reads back.
  retype(target, QStringLiteral("１，０００"));
  press("cmdHozon");
  EXPECT_EQ(book.lines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt")).value(1), QStringLiteral("1000"));
  EXPECT_EQ(part<QLabel>("lblLevel")->text(), QStringLiteral("15.0 %"));
}

TEST_F(ExchangeWindowTest, ProfileEntriesThatCannotBeStoredAreRefusedAndNothingChanges) {
  openExchange();
  const QByteArray before = book.bytes(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"));
  retype(part<QLineEdit>("txtNamae"), QStringLiteral("太郎"));
  for (const QString& typed : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("-5")}) {
    dialogs.clear();
    retype(part<QLineEdit>("txtPoint"), typed);
    press("cmdHozon");
    ASSERT_EQ(dialogs.messages().size(), 1u) << typed.toStdString();
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("目標ポイント"));
  }

  // A name the file cannot hold: a character outside the code page, a line break.
  retype(part<QLineEdit>("txtPoint"), QStringLiteral("200"));
  for (const QString& name : {QStringLiteral("花子😀"), QStringLiteral("花\n子")}) {
    dialogs.clear();
    retype(part<QLineEdit>("txtNamae"), name);
    press("cmdHozon");
    ASSERT_EQ(dialogs.messages().size(), 1u) << name.toStdString();
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("保存エラー"));
    EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  }
  EXPECT_EQ(book.bytes(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt")), before);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Zestra  ～ 花子のレシピ"));
  EXPECT_EQ(module->Prof.TargetPoints, 100);
}

TEST_F(ExchangeWindowTest, BackClosesTheWindowAndTheButtonOpensAFreshOne) {
  openExchange();
  press("cmdModori");
  EXPECT_TRUE_SOON(window->findChild<QWidget*>(QStringLiteral("frmPrivate")) == nullptr);
  click("cmdPrivate");
  auto* again = window->findChild<QWidget*>(QStringLiteral("frmPrivate"));
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->isVisible());
}

TEST_F(ExchangeWindowTest, AScreenReaderReadsWhatEveryControlShows) {
  writeRecipes(numberedRecipes(3));
  openExchange();
  // The import file's folder and name say what they are before anything is chosen.
  EXPECT_EQ(accessible_names_detail::readName(part("Dir1")), QStringLiteral("取り込むフォルダ"));
  EXPECT_EQ(accessible_names_detail::readName(part("File2")), QStringLiteral("取り込むファイル"));
  clickRow("lstMoto", 0);
  press("cmdNukidashi");  // shows the chosen names and the new folder's files
  const QStringList faults = ShownTextsMissingFromNames(exchangeWindow);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}
