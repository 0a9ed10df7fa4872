// SPDX-License-Identifier: GPL-3.0-or-later
// 「Webから取り込み」 as a user drives it: pages served from 127.0.0.1 or read from the book's
// folder, the preview, and the record, picture and source that land in the files.
#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>

#include "support/accessible_names.h"
#include "support/local_web_server.h"
#include "support/main_window_fixture.h"
#include "support/recipe_pages.h"
#include "support/soon.h"
#include "support/typing.h"
#include "web_import/windows/frm_web_import.h"
#include "web_import/windows/page_fetch.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

QByteArray pictureAs(const char* format) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::darkYellow);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return buffer.data();
}
QByteArray jpegPicture() { return pictureAs("JPG"); }

// The salmon page of the tests as its record reads in the file, typed in the main window.
QStringList salmonRecord(const QString& name) {
  return recordLines({name, QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("焼く"), QStringLiteral("1250"),
                      QStringLiteral("2"), QStringLiteral("75"), QStringLiteral("未"), QStringLiteral("未"), QStringLiteral("0"),
                      QStringLiteral("台所ノート")},
                     QStringLiteral("生鮭　2切れ\n塩　小さじ1/2\n大根おろし　適量\nすだち"),
                     QStringLiteral("１．鮭に塩をふって10分おく。\n２．グリルで焼く。"),
                     QStringLiteral("脂ののった鮭を香ばしく焼きます。& 簡単\nhttps://recipes.test/salmon"));
}

class WebImportTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    server.page(QStringLiteral("/salmon"), recipe_pages::kPlain);
    server.page(QStringLiteral("/pictures/salmon.jpg"), jpegPicture(), "image/jpeg");
  }

  // Opens the import window from the main window's button.
  frmWebImport* importWindow() {
    if (!window) open();
    click(QStringLiteral("cmdWeb"));
    return FindControl<frmWebImport>(window.get(), QStringLiteral("frmWebImport"));
  }
  template <typename T = QWidget>
  T* in(frmWebImport* w, const char* name) {
    return FindControl<T>(w, QString::fromLatin1(name));
  }
  // Types the address and presses 取り込む; waits for the preview or the refusal.
  void fetch(frmWebImport* w, const QString& address) {
    QSignalSpy shown(w, &frmWebImport::previewShown);
    typeText(in<QLineEdit>(w, "txtUrl"), address);
    QTest::mouseClick(in<QPushButton>(w, "cmdFetch"), Qt::LeftButton);
    EXPECT_TRUE(shown.wait(20'000)) << address.toStdString();
  }
  // Waits until the picture is taken or refused.
  QString pictureState(frmWebImport* w) {
    auto* state = in<QLabel>(w, "lblPicture");
    QDeadlineTimer deadline(20'000);
    while (state->text().endsWith(QStringLiteral("取得しています…")) && !deadline.hasExpired()) QTest::qWait(10);
    return state->text();
  }
  void drop(const QMimeData& mime) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &dropped);
  }

  LocalWebServer server;
};

TEST_F(WebImportTest, PageBecomesTheRecordAsTypedWithItsPictureAndSource) {
  frmWebImport* w = importWindow();
  fetch(w, server.url(QStringLiteral("/salmon")));
  EXPECT_EQ(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("鮭の塩焼き"));
  EXPECT_EQ(in<QComboBox>(w, "cboMethod")->currentText(), QStringLiteral("焼く"));
  EXPECT_TRUE(in<QListWidget>(w, "lstNotes")->findItems(QStringLiteral("一人分カロリーはページの1人分の値です。"), Qt::MatchExactly).size() == 1);
  EXPECT_EQ(pictureState(w), QStringLiteral("この画像を料理の画像として取り込みます（40×30）。"));
  EXPECT_TRUE(book.bytes(kRecipeFile).isEmpty()) << "nothing is written before 追加";
  const QStringList unread = ShownTextsMissingFromNames(w);
  EXPECT_TRUE(unread.isEmpty()) << unread.join(u'\n').toStdString();

  QTest::mouseClick(in<QPushButton>(w, "cmdAdd"), Qt::LeftButton);
  book.writeLines(QStringLiteral("expected.TXT"), salmonRecord(QStringLiteral("鮭の塩焼き")));
  EXPECT_EQ(book.bytes(kRecipeFile), book.bytes(QStringLiteral("expected.TXT")));
  EXPECT_EQ(book.lines(QStringLiteral("参考資料.TXT")), QStringList{QStringLiteral("台所ノート")});
  EXPECT_EQ(book.bytes(QStringLiteral("鮭の塩焼き.jpg")), jpegPicture());
  EXPECT_EQ(dialogs.titles(), (QStringList{QStringLiteral("新規登録確認"), QStringLiteral("登録終了"), QStringLiteral("保存確認"),
                                           QStringLiteral("参考リストに追加")}));
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("鮭の塩焼き"));
  EXPECT_FALSE(in<QPushButton>(w, "cmdAdd")->isEnabled());
}

TEST_F(WebImportTest, NameAlreadyInTheBookIsAskedAboutAndAddedUnderAFreeName) {
  writeRecipes({simpleRecipe(QStringLiteral("鮭の塩焼き"))});
  frmWebImport* w = importWindow();
  fetch(w, server.url(QStringLiteral("/salmon")));
  pictureState(w);
  dialogs.answerCancel();
  QTest::mouseClick(in<QPushButton>(w, "cmdAdd"), Qt::LeftButton);
  EXPECT_EQ(dialogs.titles(), QStringList{QStringLiteral("同じ料理名")});
  EXPECT_EQ(module->RecipeCount(), 1);

  QTest::mouseClick(in<QPushButton>(w, "cmdAdd"), Qt::LeftButton);
  ASSERT_EQ(module->RecipeCount(), 2);
  EXPECT_EQ(module->Recipes[2].DishName, QStringLiteral("鮭の塩焼き（2）"));
  EXPECT_EQ(module->Recipes[1].Genre, QStringLiteral("和食")) << "the recipe of that name stays as it was";
  EXPECT_TRUE(book.exists(QStringLiteral("鮭の塩焼き（2）.jpg")));
}

struct Refusal {
  std::string name;
  QString path;
  LocalWebServer::Answer answer;
  QString message;
  int timeoutMs = PageFetch::kTimeoutMs;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class WebImportRefusal : public WebImportTest, public testing::WithParamInterface<Refusal> {};

TEST_P(WebImportRefusal, SaysWhyAndWritesNothing) {
  const Refusal& r = GetParam();
  server.answer(r.path, r.answer);
  server.answer(QStringLiteral("/loop2"), {LocalWebServer::Kind::Redirect, "/loop"});
  frmWebImport* w = importWindow();
  w->setFetchTimeout(r.timeoutMs);
  const QByteArray before = book.bytes(kRecipeFile);
  fetch(w, server.url(r.path));
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, r.message);
  EXPECT_EQ(messages[0].title, QStringLiteral("取り込めません"));
  EXPECT_FALSE(in<QPushButton>(w, "cmdAdd")->isEnabled());
  EXPECT_TRUE(in<QPushButton>(w, "cmdFetch")->isEnabled());
  EXPECT_EQ(book.bytes(kRecipeFile), before);
}

using Kind = LocalWebServer::Kind;
INSTANTIATE_TEST_SUITE_P(
    Pages, WebImportRefusal,
    testing::Values(
        Refusal{"NoRecipe", "/news", {Kind::Page, recipe_pages::kNoRecipe},
                "このページにはレシピの情報が見つかりませんでした。何も取り込んでいません。"},
        Refusal{"BrokenJson", "/broken", {Kind::Page, recipe_pages::kBrokenJson},
                "このページのレシピの情報が壊れていて読めませんでした。何も取り込んでいません。"},
        Refusal{"RedirectLoop", "/loop", {Kind::Redirect, "/loop2"}, "ページの転送が多すぎます（5回まで）。"},
        Refusal{"FiftyMegabytesAnnounced", "/huge", {Kind::Endless, {}, {}, 50 * 1024 * 1024}, "ページが大きすぎます（5MBまで）。"},
        Refusal{"EndlessWithoutLength", "/endless", {Kind::Endless}, "ページが大きすぎます（5MBまで）。"},
        Refusal{"ServerSilent", "/silent", {Kind::Silent}, "ページが0.4秒以内に届きませんでした。", 400},
        Refusal{"NotFound", "/gone", {Kind::Page, "gone", "text/plain", -1, "404 Not Found"},
                "ページを取得できませんでした（HTTP 404）。"}),
    [](const auto& info) { return info.param.name; });

TEST_F(WebImportTest, FiveRedirectsAreFollowedButNotSix) {
  for (int hop = 0; hop < 6; ++hop)
    server.answer(QStringLiteral("/hop%1").arg(hop), {Kind::Redirect, "/hop" + QByteArray::number(hop + 1)});
  server.page(QStringLiteral("/hop6"), recipe_pages::kPlain);
  frmWebImport* w = importWindow();
  fetch(w, server.url(QStringLiteral("/hop1")));
  EXPECT_EQ(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("鮭の塩焼き"));
  in<QLineEdit>(w, "txtUrl")->clear();
  fetch(w, server.url(QStringLiteral("/hop0")));
  EXPECT_EQ(dialogs.messages().at(0).text, QStringLiteral("ページの転送が多すぎます（5回まで）。"));
}

TEST_F(WebImportTest, PicturesTheBookShowsAreStoredAsTheyCameOthersAsJpegAndTextNever) {
  struct Served {
    QByteArray bytes;
    QString stored;  // the file the dish gets, empty for none
    QByteArray storedFormat;
  };
  const Served pictures[] = {{pictureAs("BMP"), QStringLiteral("鮭の塩焼き.bmp"), "bmp"},
                             {pictureAs("PNG"), QStringLiteral("鮭の塩焼き.jpg"), "jpeg"},
                             {"<html>not a picture</html>", {}, {}}};
  for (const Served& picture : pictures) {
    SCOPED_TRACE(picture.stored.toStdString());
    book.writeStandardFiles();
    for (const char* old : {"鮭の塩焼き.bmp", "鮭の塩焼き.jpg"}) QFile::remove(book.path(QString::fromUtf8(old)));
    window.reset();
    server.page(QStringLiteral("/pictures/salmon.jpg"), picture.bytes, "image/jpeg");
    frmWebImport* w = importWindow();
    fetch(w, server.url(QStringLiteral("/salmon")));
    const QString state = pictureState(w);
    QTest::mouseClick(in<QPushButton>(w, "cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(module->RecipeCount(), 1);
    if (picture.stored.isEmpty()) {
      EXPECT_EQ(state, QStringLiteral("画像のデータではないため、画像は取り込みません。"));
      EXPECT_FALSE(book.exists(QStringLiteral("鮭の塩焼き.jpg")));
      continue;
    }
    QBuffer stored;
    stored.setData(book.bytes(picture.stored));
    EXPECT_EQ(QImageReader(&stored).format(), picture.storedFormat);
    if (picture.storedFormat == "bmp") EXPECT_EQ(stored.data(), picture.bytes);
  }
}

TEST_F(WebImportTest, SeveralRecipesAreOfferedToPickFrom) {
  server.page(QStringLiteral("/two"), recipe_pages::kArray);
  frmWebImport* w = importWindow();
  fetch(w, server.url(QStringLiteral("/two")));
  auto* recipes = in<QComboBox>(w, "cboRecipes");
  ASSERT_TRUE(recipes->isVisible());
  ASSERT_EQ(recipes->count(), 2);
  EXPECT_EQ(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("きゅうりの浅漬け"));
  recipes->setCurrentIndex(1);
  emit recipes->activated(1);
  EXPECT_EQ(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("豚汁"));
  EXPECT_EQ(in<QComboBox>(w, "cboKind")->currentText(), QStringLiteral("汁物"));
}

TEST_F(WebImportTest, FetchCanBeStoppedOrClosedAway) {
  server.answer(QStringLiteral("/silent"), {Kind::Silent});
  frmWebImport* w = importWindow();
  w->setFetchTimeout(100);  // a fetch left running would time out and say so
  typeText(in<QLineEdit>(w, "txtUrl"), server.url(QStringLiteral("/silent")));
  QTest::mouseClick(in<QPushButton>(w, "cmdFetch"), Qt::LeftButton);
  EXPECT_TRUE(in<QProgressBar>(w, "prgFetch")->isVisible());
  QTest::mouseClick(in<QPushButton>(w, "cmdStop"), Qt::LeftButton);
  EXPECT_EQ(in<QLabel>(w, "lblStatus")->text(), QStringLiteral("取得を中止しました。"));
  EXPECT_TRUE(in<QPushButton>(w, "cmdFetch")->isEnabled());
  QTest::mouseClick(in<QPushButton>(w, "cmdFetch"), Qt::LeftButton);
  QTest::mouseClick(in<QPushButton>(w, "cmdClose"), Qt::LeftButton);
  QTest::qWait(300);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(WebImportTest, SavedPageDroppedOnTheMainWindowIsReadWithItsOwnPicture) {
  QDir(book.folder()).mkpath(QStringLiteral("saved/page_files"));
  book.writeBytes(QStringLiteral("saved/heart.html"), recipe_pages::kOddCharacters);
  QByteArray page = recipe_pages::kMicrodata;
  book.writeBytes(QStringLiteral("saved/page.html"), page.replace("/img/mushidori.jpg", "page_files/dish.jpg"));
  book.writeBytes(QStringLiteral("saved/page_files/dish.jpg"), jpegPicture());
  open();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(book.path(QStringLiteral("saved/page.html")))});
  drop(mime);
  auto* w = FindControl<frmWebImport>(window.get(), QStringLiteral("frmWebImport"));
  ASSERT_TRUE(w && w->isVisible());
  EXPECT_EQ(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("蒸し鶏の ごまだれ"));
  EXPECT_EQ(pictureState(w), QStringLiteral("この画像を料理の画像として取り込みます（40×30）。"));

  // The characters the book cannot hold are listed with what stands for them.
  mime.setUrls({QUrl::fromLocalFile(book.path(QStringLiteral("saved/heart.html")))});
  drop(mime);
  EXPECT_EQ(in<QListWidget>(w, "lstNotes")->findItems(QStringLiteral("「♡」(U+2661) → 「〇」"), Qt::MatchEndsWith).size(), 1);
  EXPECT_EQ(in<QListWidget>(w, "lstNotes")->findItems(QStringLiteral("「😀」(U+1F600) → 削除"), Qt::MatchEndsWith).size(), 1);

  // A picture outside the page's folder is not read, and a file over the page cap not at all.
  page = recipe_pages::kMicrodata;
  book.writeBytes(QStringLiteral("secret.jpg"), jpegPicture());
  book.writeBytes(QStringLiteral("saved/outside.html"), page.replace("/img/mushidori.jpg", "../secret.jpg"));
  mime.setUrls({QUrl::fromLocalFile(book.path(QStringLiteral("saved/outside.html")))});
  drop(mime);
  EXPECT_EQ(pictureState(w), QStringLiteral("ページの外のファイルを指す画像なので、画像は取り込みません。"));
  book.writeBytes(QStringLiteral("saved/huge.html"), QByteArray(web_import::kPageCap + 1, ' '));
  mime.setUrls({QUrl::fromLocalFile(book.path(QStringLiteral("saved/huge.html")))});
  drop(mime);
  ASSERT_FALSE(dialogs.messages().empty());
  EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("取り込めません"));
  EXPECT_FALSE(in<QPushButton>(w, "cmdAdd")->isEnabled());
  EXPECT_TRUE(book.bytes(kRecipeFile).isEmpty());
}

TEST_F(WebImportTest, AddressDroppedOnTheMainWindowIsFetched) {
  open();
  QMimeData mime;
  mime.setText(server.url(QStringLiteral("/salmon")));
  drop(mime);
  auto* w = FindControl<frmWebImport>(window.get(), QStringLiteral("frmWebImport"));
  ASSERT_TRUE(w);
  EXPECT_EQ_SOON_WITHIN(in<QLineEdit>(w, "txtName")->text(), QStringLiteral("鮭の塩焼き"), 20'000);
}

}  // namespace
