// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's extras: help tour, window buttons, help file, pictures and the slideshow.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QRadioButton>
#include <QTimer>

#include "platform/rules/help_texts.h"
#include "main_extras/windows/picture_box.h"
#include "main_extras/windows/picture_picker.h"
#include "main_extras/windows/slideshow_panel.h"
#include "main_extras/windows/window_buttons.h"
#include "platform/windows/clickable_label.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"

class HelpTourTest : public MainWindowTest {
 protected:
  void switchHelpTour() { QTest::mouseClick(control<QCheckBox>("chkHelp"), Qt::LeftButton); }
};

TEST_F(HelpTourTest, SwitchingRewritesTheSettingsFileAndSaysSo) {
  open();
  switchHelpTour();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("ヘルプツアー機能をオンにします。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ヘルプツアーＯＮ"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Information);
  EXPECT_EQ(book.bytes(QStringLiteral("設定.TXT")), cp932Line("\"ヘルプツアー\",1"));
  switchHelpTour();
  EXPECT_EQ(dialogs.messages()[1].text, QStringLiteral("ヘルプツアー機能をオフにします。"));
  EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("ヘルプツアーＯＦＦ"));
  EXPECT_EQ(book.bytes(QStringLiteral("設定.TXT")), cp932Line("\"ヘルプツアー\",0"));
  EXPECT_EQ(module->HelpTourOn, 0);
}

TEST_F(HelpTourTest, ExplanationsShowOnlyWhileTheTourIsOn) {
  open();
  click("cmdNew");
  EXPECT_TRUE(dialogs.calls.empty());
  switchHelpTour();
  dialogs.clear();
  click("cmdNew");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ヘルプツアー"));
  EXPECT_EQ(dialogs.messages()[0].text, help_texts::NewRecipe());
  EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("新しいレシピを登録します。\r\n\r\n料理名だけでも")));
  EXPECT_EQ(module->HelpTourText, help_texts::NewRecipe());
  // The name box takes the focus, ready for typing.
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  control<QPushButton>("cmdNew")->setFocus();
  click("cmdNew");
  EXPECT_TRUE(control<QComboBox>("cboNamae")->hasFocus());
}

TEST(HelpTexts, KeepTheirBlanksAndLineBreaks) {
  const QString search = help_texts::ForWindowButton(QStringLiteral("cmdKensaku"));
  EXPECT_TRUE(search.contains(QStringLiteral("\r\n     ・指定した材料")));
  EXPECT_TRUE(search.contains(QStringLiteral("絞り込むことができます。　\r\n　　　　　　　　　　　：　\r\n…のように")));
  EXPECT_TRUE(search.endsWith(QStringLiteral("\r\n  「残す」にするとメイン画面とリスト画面が見れます。\r\n")));
  EXPECT_FALSE(help_texts::ForWindowButton(QStringLiteral("cmdGraph1")).endsWith(QStringLiteral("\r\n")));
  EXPECT_TRUE(help_texts::ForWindowButton(QStringLiteral("cmdMenu")).endsWith(QStringLiteral("印刷します。　")));
  EXPECT_TRUE(help_texts::ForWindowButton(QStringLiteral("cmdPrint")).endsWith(QStringLiteral("大喜び！\r\n\r\n")));
  EXPECT_TRUE(help_texts::ForWindowButton(QStringLiteral("cmdReizou"))
                  .contains(QStringLiteral("\r\n\r\n\r\n＜登録方法＞\r\n　①まずは")));
  EXPECT_EQ(help_texts::PhotoModeOff(),
            QStringLiteral("料理画像を表示しません。\r\n\r\n料理画像をお持ちでないときはこちらのモードでどうぞ。\r\n\r\n"
                           "またレシピの表示を早くしたいときにも有効です。\r\n画像を表示しない分速くなります。"));
  EXPECT_EQ(help_texts::CategoryEditor(),
            QStringLiteral("ジャンル、種類、調理方法の項目を編集することができます。\r\n\r\n自由に変更して保存ボタンを押してください。\r\n"));
  EXPECT_TRUE(help_texts::ForWindowButton(QStringLiteral("cmdHensyu")).isEmpty());
}

TEST_F(MainWindowTest, WindowButtonsOpenOneWindowEachAndExplainIt) {
  open();
  auto* buttons = control<WindowButtons>("WindowButtons");
  int made = 0;
  buttons->registerWindow(QStringLiteral("cmdSort"), [&] {
    ++made;
    auto* w = new QWidget(window.get(), Qt::Window);
    w->setObjectName(QStringLiteral("frmSort"));
    return w;
  });
  EXPECT_TRUE(control<QPushButton>("cmdSort")->isEnabled());
  click("cmdSort");
  QWidget* first = buttons->openWindow(QStringLiteral("cmdSort"));
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(dialogs.calls.empty());  // tour off: no explanation
  module->HelpTourOn = 1;
  click("cmdSort");
  EXPECT_EQ(made, 1);
  EXPECT_EQ(buttons->openWindow(QStringLiteral("cmdSort")), first);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, help_texts::ForWindowButton(QStringLiteral("cmdSort")));

  // A reload closes the windows built from the table; the next press makes a new one.
  click("cmdNew");
  control<QComboBox>("cboNamae")->setEditText(QStringLiteral("新作"));
  click("cmdTouroku");
  EXPECT_TRUE_SOON(buttons->openWindow(QStringLiteral("cmdSort")) == nullptr);
  click("cmdSort");
  EXPECT_EQ(made, 2);
}

TEST_F(MainWindowTest, HelpButtonOpensTheHelpFileOrExplainsWhyNot) {
  open();
  QStringList opened;
  control<WindowButtons>("WindowButtons")->setHelpOpener([&](const QString& path) {
    opened.append(path);
    return false;
  });
  click("cmdHelp");
  EXPECT_TRUE(opened.isEmpty());
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("ZestraHelp.chm")));

  book.writeBytes(QStringLiteral("zestrahelp.CHM"), "help");
  dialogs.clear();
  click("cmdHelp");
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], book.path(QStringLiteral("zestrahelp.CHM")));
  ASSERT_EQ(dialogs.messages().size(), 1u);  // no viewer could open it
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("開くアプリケーション")));
}

class PictureTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    writeRecipes({simpleRecipe(QStringLiteral("カレー"))});
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(source.isValid());
    ASSERT_TRUE(image.save(QDir(source.path()).filePath(QStringLiteral("dish.jpg")), "JPG"));
    ASSERT_TRUE(image.save(QDir(source.path()).filePath(QStringLiteral("dish.jpeg")), "JPG"));
  }
  PicturePicker* picker() { return control<PicturePicker>("fraPicget"); }
  void pick(const QString& fileName) {
    QTest::mouseDClick(control<QLabel>("lblRyoriNm"), Qt::LeftButton);
    picker()->dirZukei_Moto_Change(source.path());
    picker()->filZukei_Moto_Click(fileName);
  }
  QTemporaryDir source;
};

TEST_F(PictureTest, BringingAPictureInCopiesItUnderTheDishName) {
  open();
  pick(QStringLiteral("dish.jpg"));
  EXPECT_TRUE(picker()->isVisible());
  click("cmdFileCopy");
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, QStringLiteral("カレーはこの画像でＯＫですか？"));
  EXPECT_EQ(messages[0].title, QStringLiteral("コピー確認"));
  EXPECT_EQ(messages[0].icon, MessageBox::Icon::Exclamation);
  EXPECT_EQ(messages[1].text, QStringLiteral("料理名をファイル名としてコピー終了しました。"));
  EXPECT_EQ(messages[1].title, QStringLiteral("コピー終了"));
  EXPECT_EQ(book.bytes(QStringLiteral("カレー.jpg")), QFile(QDir(source.path()).filePath("dish.jpg")).exists()
                                                          ? [&] {
                                                              QFile f(QDir(source.path()).filePath("dish.jpg"));
                                                              f.open(QIODevice::ReadOnly);
                                                              return f.readAll();
                                                            }()
                                                          : QByteArray());
  EXPECT_FALSE(picker()->isVisible());

  // A second time asks before overwriting; Cancel keeps the picture and the picker.
  dialogs.clear();
  book.writeBytes(QStringLiteral("カレー.jpg"), "old");
  pick(QStringLiteral("dish.jpg"));
  dialogs.answer(MessageBox::Answer::Ok);
  dialogs.answerCancel();
  click("cmdFileCopy");
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_EQ(dialogs.messages()[1].text, QStringLiteral("同じ名前の画像が既に存在します。上書きしますか？"));
  EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("上書き確認"));
  EXPECT_EQ(book.bytes(QStringLiteral("カレー.jpg")), QByteArray("old"));
  EXPECT_TRUE(picker()->isVisible());
  click("cmdYame");
  EXPECT_FALSE(picker()->isVisible());
}

TEST_F(PictureTest, CopyNeedsAFileAndADishNameThatCanNameAFile) {
  open();
  QTest::mouseDClick(control<QLabel>("lblRyoriNm"), Qt::LeftButton);
  click("cmdFileCopy");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text,
            QStringLiteral("コピー元ファイルが指定されていません \n\n先にシンボルファイルを選択して下さい "));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ファイル未選択"));

  dialogs.clear();
  control<QComboBox>("cboNamae")->setEditText(QStringLiteral("鶏/豚"));
  pick(QStringLiteral("dish.jpg"));
  click("cmdFileCopy");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("/")));
  EXPECT_TRUE(picker()->isVisible());
}

TEST_F(PictureTest, JpegKeepsItsLastFourCharactersAndAFailedCopyIsReported) {
  open();
  pick(QStringLiteral("dish.jpeg"));
  click("cmdFileCopy");
  EXPECT_TRUE(book.exists(QStringLiteral("カレーjpeg")));

  dialogs.clear();
  QDir(book.folder()).mkdir(QStringLiteral("カレー.jpg"));  // a folder in the way: the copy fails
  pick(QStringLiteral("dish.jpg"));
  click("cmdFileCopy");
  const auto messages = dialogs.messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages.back().icon, MessageBox::Icon::Critical);
  for (const auto& m : messages) EXPECT_NE(m.title, QStringLiteral("コピー終了"));
}

TEST_F(PictureTest, PictureSizeTogglesAndPhotoModeIsSavedInTheProfile) {
  open();
  auto* frame = control("fraGazou");
  auto* picture = control<QLabel>("imgGazou");
  EXPECT_EQ(frame->size(), QSize(328, 247));
  QTest::mouseClick(picture, Qt::LeftButton);
  EXPECT_EQ(frame->size(), QSize(580, 419));
  EXPECT_EQ(picture->size(), QSize(575, 415));
  QTest::mouseClick(picture, Qt::LeftButton);
  EXPECT_EQ(frame->size(), QSize(328, 247));

  QTest::mouseClick(control<QRadioButton>("optMain"), Qt::LeftButton);
  EXPECT_FALSE(frame->isVisibleTo(window.get()));
  EXPECT_EQ(book.lines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt")),
            QStringList({QStringLiteral("花子"), QStringLiteral(" 100 "), QStringLiteral("写真非表示"), QStringLiteral(" 10 ")}));
  QTest::mouseClick(control<QRadioButton>("optGazou"), Qt::LeftButton);
  EXPECT_TRUE(frame->isVisibleTo(window.get()));
  EXPECT_EQ(book.lines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"))[2], QStringLiteral("写真表示"));
}

class SlideshowTest : public MainWindowTest {
 protected:
  SlideshowPanel* show() { return control<SlideshowPanel>("SlideshowPanel"); }
  QTimer* timer() { return control<QTimer>("tmrPlay"); }
  bool enlarged() { return control("fraGazou")->size() == QSize(580, 419); }
  QString shown() { return control<QComboBox>("cboNamae")->currentText(); }
};

TEST_F(SlideshowTest, ShowsEachRecipeThenTheFirstAgainAndStops) {
  writeRecipes({simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二")), simpleRecipe(QStringLiteral("三"))});
  open();
  timer()->stop();  // the test drives the ticks
  EXPECT_EQ(timer()->interval(), 1000);
  click("cmdSaisei");
  EXPECT_TRUE(enlarged());
  QStringList seen;
  for (int tick = 0; tick < 5; ++tick) {
    show()->tmrPlay_Timer();
    seen.append(shown());
  }
  EXPECT_EQ(seen, QStringList({"一", "二", "三", "一", "一"}));
  EXPECT_FALSE(show()->isPlaying());
  EXPECT_EQ(show()->position(), 2);
}

TEST_F(SlideshowTest, StoppingAndStartingAgainContinues) {
  writeRecipes({simpleRecipe(QStringLiteral("一")), simpleRecipe(QStringLiteral("二")), simpleRecipe(QStringLiteral("三"))});
  open();
  timer()->stop();
  click("cmdSaisei");
  show()->tmrPlay_Timer();
  show()->tmrPlay_Timer();
  click("cmdStop");
  show()->tmrPlay_Timer();
  EXPECT_EQ(shown(), QStringLiteral("二"));
  click("cmdSaisei");
  show()->tmrPlay_Timer();
  EXPECT_EQ(shown(), QStringLiteral("三"));
  EXPECT_TRUE(enlarged());
}

TEST_F(SlideshowTest, EmptyBookSaysThereIsNothingToShow) {
  open();
  click("cmdSaisei");
  click("cmdStop");
  ASSERT_EQ(dialogs.messages().size(), 2u);
  for (const auto& m : dialogs.messages()) {
    EXPECT_EQ(m.text, QStringLiteral("レシピが１件も登録されていません"));
    EXPECT_EQ(m.title, QStringLiteral("データ無し"));
    EXPECT_EQ(m.icon, MessageBox::Icon::Exclamation);
  }
  EXPECT_FALSE(show()->isPlaying());
}
