// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up over a recipe book and browsing it: what the user sees after the program opens.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>

#include "platform/windows/clickable_label.h"
#include "main_window/startup.h"
#include "store/windows/frm_splash.h"
#include "platform/windows/level_bar.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"

namespace {

void writePicture(const TempBook& book, const QString& name, QColor colour, const char* format) {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(book.path(name), format));
}

QColor shownColour(frmMain& window) {
  const QPixmap pixmap = window.findChild<QLabel*>(QStringLiteral("imgGazou"))->pixmap();
  if (pixmap.isNull()) return QColor();
  return pixmap.toImage().pixelColor(pixmap.width() / 2, pixmap.height() / 2);
}

bool near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 && std::abs(a.blue() - b.blue()) < 40;
}

}  // namespace

TEST_F(MainWindowTest, StartUpShowsCaptionListsAndFirstRecipe) {
  book.writeLines(QStringLiteral("参考資料.TXT"), {QStringLiteral("料理の本"), QStringLiteral("テレビ")});
  writeRecipes({recordLines({QStringLiteral("肉じゃが"), QStringLiteral("和食"), QStringLiteral("煮物"), QStringLiteral("煮る"),
                             QStringLiteral("350"), QStringLiteral("2.5"), QStringLiteral("40"), QStringLiteral("良"),
                             QStringLiteral("未"), QStringLiteral("1"), QStringLiteral("テレビ")},
                            QStringLiteral("じゃがいも　3個\n牛肉　200g"), {}, QStringLiteral("甘め"), QStringLiteral("2003/05/12")),
                simpleRecipe(QStringLiteral("カレー"))});
  frmMain& w = open();

  EXPECT_EQ(w.windowTitle(), QStringLiteral("Zestra  ～ 花子のレシピ"));
  EXPECT_EQ(control<QComboBox>("cboJyanru")->count(), 7);
  EXPECT_EQ(control<QComboBox>("cboSyurui")->count(), 10);
  EXPECT_EQ(control<QComboBox>("cboCyouri")->count(), 10);
  EXPECT_EQ(control<QComboBox>("cboJyanru")->itemText(6), QStringLiteral("その他"));
  EXPECT_EQ(control<QComboBox>("cboSankou")->count(), 2);
  EXPECT_EQ(control<QComboBox>("cboNamae")->count(), 2);

  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("肉じゃが"));
  EXPECT_EQ(control<QLineEdit>("txtCal")->text(), QStringLiteral("350"));
  EXPECT_EQ(control<QLineEdit>("txtEnbun")->text(), QStringLiteral("2.5"));
  EXPECT_EQ(control<QLineEdit>("txtJikan")->text(), QStringLiteral("40"));
  EXPECT_EQ(control<QComboBox>("cboSyurui")->currentText(), QStringLiteral("煮物"));
  EXPECT_EQ(control<QComboBox>("cboSankou")->currentText(), QStringLiteral("テレビ"));
  EXPECT_EQ(control<QPlainTextEdit>("txtZairyou")->toPlainText(), QStringLiteral("じゃがいも　3個\n牛肉　200g"));
  EXPECT_EQ(control<QPlainTextEdit>("txtTukuri")->toPlainText(), QString());
  EXPECT_EQ(control<QPlainTextEdit>("txtMemo")->toPlainText(), QStringLiteral("甘め"));
  EXPECT_EQ(control<QListWidget>("lstRireki")->count(), 1);
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("1"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 2"));
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 3"));  // others "未": 0 + 2 + 1
  EXPECT_TRUE(control<QLabel>("imgFace1(1)")->isVisibleTo(&w));  // "良"
  EXPECT_FALSE(control<QLabel>("imgFace1(0)")->isVisibleTo(&w));
  EXPECT_TRUE(control<QLabel>("imgFace2(3)")->isVisibleTo(&w));  // "未"
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 5"));  // 3 + 2
  EXPECT_FALSE(control<QCheckBox>("chkHelp")->isChecked());
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(module->SplashActive);
}

TEST_F(MainWindowTest, HelpTourFlagFromSettingsSetsTheBoxSilently) {
  book.writeLines(QStringLiteral("設定.TXT"), {QStringLiteral("\"ヘルプツアー\",1")});
  const QByteArray before = book.bytes(QStringLiteral("設定.TXT"));
  open();
  EXPECT_TRUE(control<QCheckBox>("chkHelp")->isChecked());
  EXPECT_EQ(module->HelpTourOn, 1);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(book.bytes(QStringLiteral("設定.TXT")), before);
}

TEST_F(MainWindowTest, PagingAndPickingANameShowEachRecipe) {
  std::vector<QStringList> records;
  for (int i = 1; i <= 6; ++i) records.push_back(simpleRecipe(QStringLiteral("料理%1").arg(i)));
  writeRecipes(records);
  open();
  auto* bar = control<QScrollBar>("hsbData");
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 6);
  bar->setValue(3);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("料理3"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("3 / 6"));
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(text("lblKensu"), QStringLiteral("4 / 6"));

  // Dragging the thumb follows live.
  bar->setSliderDown(true);
  bar->setSliderPosition(2);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QStringLiteral("料理2"));
  bar->setSliderDown(false);

  auto* names = control<QComboBox>("cboNamae");
  names->setCurrentIndex(4);
  emit names->activated(4);
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(names->currentText(), QStringLiteral("料理5"));
  EXPECT_EQ(text("lblKensu"), QStringLiteral("5 / 6"));
}

TEST_F(MainWindowTest, EmptyBookShowsTheNewRecipeState) {
  open();
  EXPECT_EQ(text("lblKensu"), QStringLiteral("1 / 1"));
  EXPECT_EQ(control<QScrollBar>("hsbData")->maximum(), 1);
  EXPECT_EQ(control<QComboBox>("cboNamae")->currentText(), QString());
  EXPECT_EQ(control<QComboBox>("cboJyanru")->currentText(), QStringLiteral("その他"));
  EXPECT_EQ(control<QComboBox>("cboCyouri")->currentText(), QStringLiteral("その他"));
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("0"));
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 2"));
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 0"));
  EXPECT_TRUE(control<QLabel>("imgFace1(3)")->isVisibleTo(window.get()));
  EXPECT_TRUE(control<QLabel>("imgFace2(3)")->isVisibleTo(window.get()));
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(control<LevelBar>("LevelBar")->segmentColour(i), QColor(255, 255, 255));
}

TEST_F(MainWindowTest, LogAndCountComeFromTheLogNotTheStoredCount) {
  QStringList record = simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("優"), QStringLiteral("不"),
                                    QStringLiteral("2024/01/01\n2024/01/08\n2024/01/15"));
  record[10] = QStringLiteral("【回数　　】7");
  writeRecipes({record});
  open();
  EXPECT_EQ(control<QListWidget>("lstRireki")->count(), 3);
  EXPECT_EQ(control<QListWidget>("lstRireki")->item(2)->text(), QStringLiteral("2024/01/15"));
  EXPECT_EQ(text("lblKaisu"), QStringLiteral("3"));
  EXPECT_EQ(text("lblPoint1"), QStringLiteral("Point 6"));  // 1 + 2 + 3
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 10"));  // the table's count: 1 + 2 + 7
}

TEST_F(MainWindowTest, LevelBarLightsBandsOfTenPercent) {
  // 7 points against a target of 70: 10 %, one light-cyan segment.
  book.writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {"花子", " 70 ", "写真表示", " 0 "});
  QStringList record = simpleRecipe(QStringLiteral("煮魚"), QStringLiteral("良"), QStringLiteral("良"));
  record[10] = QStringLiteral("【回数　　】3");
  writeRecipes({record});
  open();
  EXPECT_EQ(text("lblPoint"), QStringLiteral("Point 7"));
  EXPECT_EQ(control<LevelBar>("LevelBar")->segmentColour(1), QColor(0, 255, 255));
  EXPECT_EQ(control<LevelBar>("LevelBar")->segmentColour(2), QColor(255, 255, 255));
}

TEST_F(MainWindowTest, PictureLookupPrefersBmpThenGifThenJpgAndFallsBackToStandIn) {
  writeRecipes({simpleRecipe(QStringLiteral("肉じゃが")), simpleRecipe(QStringLiteral("カレー")),
                simpleRecipe(QStringLiteral("サラダ"))});
  writePicture(book, QStringLiteral("肉じゃが.jpg"), Qt::red, "JPG");
  writePicture(book, QStringLiteral("肉じゃが.bmp"), Qt::blue, "BMP");
  writePicture(book, QStringLiteral("カレー.JPG"), Qt::green, "JPG");  // another letter case still matches
  writePicture(book, QStringLiteral("NOPIC.JPG"), Qt::yellow, "JPG");
  frmMain& w = open();
  EXPECT_TRUE(near(shownColour(w), Qt::blue));
  control<QScrollBar>("hsbData")->setValue(2);
  EXPECT_TRUE(near(shownColour(w), Qt::green));
  control<QScrollBar>("hsbData")->setValue(3);
  EXPECT_TRUE(near(shownColour(w), Qt::yellow));
}

TEST_F(MainWindowTest, PhotoModeOffLeavesThePictureAlone) {
  book.writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {"花子", " 100 ", "写真非表示", " 0 "});
  writeRecipes({simpleRecipe(QStringLiteral("肉じゃが"))});
  writePicture(book, QStringLiteral("肉じゃが.jpg"), Qt::red, "JPG");
  frmMain& w = open();
  EXPECT_TRUE(control<QRadioButton>("optMain")->isChecked());
  EXPECT_FALSE(control("fraGazou")->isVisibleTo(&w));
  EXPECT_TRUE(control<QLabel>("imgGazou")->pixmap().isNull());
}

TEST_F(MainWindowTest, MalformedRecipeFileStopsStartUpAndIsLeftAlone) {
  QStringList lines = simpleRecipe(QStringLiteral("肉じゃが"));
  lines.removeLast();  // no record end
  book.writeLines(QStringLiteral("レシピ.TXT"), lines);
  const QByteArray before = book.bytes(QStringLiteral("レシピ.TXT"));
  module = std::make_unique<Module1>(book.folder());
  window = std::make_unique<frmMain>(*module, dialogs, clock);
  auto error = window->Form_Load();
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->message().contains(QStringLiteral("レシピ.TXT")));
  EXPECT_EQ(error->line, lines.size());
  EXPECT_EQ(book.bytes(QStringLiteral("レシピ.TXT")), before);
}

TEST_F(MainWindowTest, EndAndCloseBoxEndTheProgram) {
  open();
  click(QStringLiteral("cmdEnd"));
  EXPECT_EQ(programEnded, 1);
  window->show();
  window->close();
  EXPECT_EQ(programEnded, 2);
}

TEST_F(MainWindowTest, EveryWindowButtonOpensItsOneWindow) {
  open();
  const std::pair<const char*, const char*> buttons[] = {
      {"cmdKensaku", "frmKensaku"}, {"cmdSort", "frmSort"},     {"cmdGraph1", "frmGraph1"},
      {"cmdGraph2", "frmGraph2"},   {"cmdMenu", "frmMenu"},     {"cmdReizou", "frmReizou"},
      {"cmdPrivate", "frmPrivate"}, {"cmdPrint", "frmPrint"}};
  for (const auto& [buttonName, windowName] : buttons) {
    ASSERT_TRUE(control<QPushButton>(buttonName)->isEnabled()) << buttonName;
    click(buttonName);
    auto* opened = window->findChild<QWidget*>(QString::fromLatin1(windowName));
    ASSERT_NE(opened, nullptr) << windowName;
    EXPECT_TRUE(opened->isVisible()) << windowName;
    EXPECT_TRUE(opened->isWindow()) << windowName;
    click(buttonName);
    EXPECT_EQ(window->findChildren<QWidget*>(QString::fromLatin1(windowName)).size(), 1) << windowName;
  }
}

TEST(StartUp, NewFolderIsSetUpAndTheSplashCountsTheRecipes) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("本"));
  ScriptedDialogs dialogs;
  Clock clock;
  QElapsedTimer sinceStart;
  sinceStart.start();
  auto program = StartProgram(folder, dialogs, clock);
  ASSERT_NE(program, nullptr) << dialogs.messages().back().text.toStdString();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(folder));
  EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("NOPIC.JPG"))));
  const int n = program->module->RecipeCount();
  ASSERT_GT(n, 0);
  EXPECT_EQ(program->splash->lblKensu->text(), QStringLiteral("%1 / %1件").arg(n));
  EXPECT_EQ(program->splash->lblKoumoku->text(), program->module->Recipes[n].DishName);
  EXPECT_TRUE(program->main->isVisible());
  // The splash stays for its minimum time, measured from when it was shown.
  EXPECT_TRUE(program->splash->isVisible());
  EXPECT_EQ_SOON_WITHIN(program->splash->isVisible(), false, 3000);
  EXPECT_GE(sinceStart.elapsed(), frmSplash::kMinimumMilliseconds);

  // A second start on the same folder asks nothing.
  program.reset();
  dialogs.clear();
  auto again = StartProgram(folder, dialogs, clock);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(dialogs.calls.empty());
}
