// SPDX-License-Identifier: GPL-3.0-or-later
// The category editor: its checks, list by list, and the three files it writes.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include "category_editor/windows/frm_hensyu.h"
#include "platform/rules/help_texts.h"
#include "main_extras/windows/window_buttons.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"

class CategoryEditorTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    open();
    editor = std::make_unique<frmHensyu>(*module, dialogs, [this] { ++programEnded; });
  }
  QLineEdit* box(const char* name) {
    auto* found = editor->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void save() { QTest::mouseClick(editor->cmdHozon1, Qt::LeftButton); }
  QByteArray genres() { return book.bytes(QStringLiteral("ジャンル.TXT")); }
  QByteArray kinds() { return book.bytes(QStringLiteral("種類.TXT")); }
  QByteArray methods() { return book.bytes(QStringLiteral("調理方法.TXT")); }
  std::unique_ptr<frmHensyu> editor;
};

TEST_F(CategoryEditorTest, ShowsTheListsWithoutOtherAndSavingWritesAllThreeThenEnds) {
  EXPECT_EQ(box("txtJyanru(0)")->text(), QStringLiteral("和食"));
  EXPECT_EQ(box("txtSyurui(8)")->text(), QStringLiteral("飲み物"));
  EXPECT_EQ(box("txtCyouri(8)")->text(), QStringLiteral("電子レンジ"));
  EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("txtJyanru(6)")), nullptr);
  box("txtJyanru(5)")->setText(QStringLiteral("スイーツ"));
  save();
  EXPECT_EQ(book.lines(QStringLiteral("ジャンル.TXT")),
            QStringList({"\"和食\"", "\"洋食\"", "\"中華\"", "\"エスニック\"", "\"イタリアン\"", "\"スイーツ\""}));
  EXPECT_EQ(book.lines(QStringLiteral("種類.TXT")).size(), 9);
  EXPECT_EQ(book.lines(QStringLiteral("調理方法.TXT"))[0], QStringLiteral("\"焼く\""));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text,
            QStringLiteral("項目を変更しました。データを反映させるため一旦プログラムを終了します。"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ZESTRA"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::None);
  EXPECT_EQ(programEnded, 1);
  // The lists in memory stay as they were until the next start.
  EXPECT_EQ(module->GenreList()[5], QStringLiteral("デザート"));
}

// Every list is checked before any file is written: a problem in a later list leaves the earlier
// lists' files as they were too.
TEST_F(CategoryEditorTest, ChecksOfAllListsComeBeforeAnyListIsSaved) {
  const QByteArray oldGenres = genres(), oldKinds = kinds(), oldMethods = methods();
  box("txtJyanru(2)")->clear();
  save();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("未入力の欄が存在します。何か仮の名前でも入力してください"));
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ZESTRA"));
  EXPECT_EQ(genres(), oldGenres);

  dialogs.clear();
  box("txtJyanru(2)")->setText(QStringLiteral("中国料理"));
  box("txtSyurui(0)")->clear();
  save();
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("未入力の欄が存在します。何か仮の名前でも入力してください"));
  EXPECT_EQ(genres(), oldGenres);  // genres passed, but nothing is written before all have
  EXPECT_EQ(kinds(), oldKinds);
  EXPECT_EQ(methods(), oldMethods);

  dialogs.clear();
  box("txtSyurui(0)")->setText(QStringLiteral("主菜"));
  box("txtCyouri(4)")->setText(QStringLiteral("その他"));
  save();
  EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("「その他」はシステムで使っています。別の名前を入力してください "));
  EXPECT_EQ(methods(), oldMethods);
  EXPECT_EQ(programEnded, 0);

  dialogs.clear();
  box("txtCyouri(4)")->setText(QStringLiteral(" その他 "));  // not exactly the reserved word
  box("txtCyouri(5)")->setText(QStringLiteral("\"ゆでる\""));
  save();
  EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("\"")));
  EXPECT_EQ(methods(), oldMethods);
  EXPECT_EQ(programEnded, 0);
}

TEST_F(CategoryEditorTest, BackClosesWithoutSaving) {
  const QByteArray oldGenres = genres();
  box("txtJyanru(0)")->setText(QStringLiteral("郷土料理"));
  editor->show();
  QTest::mouseClick(editor->cmdModori, Qt::LeftButton);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(genres(), oldGenres);
  EXPECT_EQ(programEnded, 0);
}

TEST_F(CategoryEditorTest, FailedWriteIsReportedAndDoesNotEndTheProgram) {
  QFile::remove(book.path(QStringLiteral("種類.TXT")));
  QDir(book.folder()).mkdir(QStringLiteral("種類.TXT"));
  save();
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  EXPECT_EQ(programEnded, 0);
}

TEST_F(CategoryEditorTest, EditButtonOpensItModallyAndItExplainsItselfOnTheTour) {
  module->HelpTourOn = 1;
  QTimer::singleShot(0, [this] {
    EXPECT_TRUE_SOON(dialogs.messages().size() == 1u);
    if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) open->reject();
  });
  click("cmdHensyu");
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].text, help_texts::CategoryEditor());
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ヘルプツアー"));
}

// Another copy of the program saved the lists while this editor was open: what it changed is
// kept, and a list changed on both sides is written over only when the user says so.
TEST_F(CategoryEditorTest, ListsSavedMeanwhileByAnotherCopyAreKeptOrAskedAbout) {
  struct Case {
    const char* otherRenames;  // the box whose item the other copy renamed to 郷土料理
    MessageBox::Answer answer;
    QString genre0, kind0;  // what the files hold afterwards
    bool asked;
  };
  const Case cases[] = {
      {"txtSyurui(0)", MessageBox::Answer::Ok, QStringLiteral("和食"), QStringLiteral("郷土料理"), false},
      {"txtJyanru(0)", MessageBox::Answer::Cancel, QStringLiteral("郷土料理"), QStringLiteral("主菜"), true},
      {"txtJyanru(0)", MessageBox::Answer::Ok, QStringLiteral("和食"), QStringLiteral("主菜"), true},
  };
  const QByteArray genresAtStart = genres(), kindsAtStart = kinds();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.otherRenames);
    book.writeBytes(QStringLiteral("ジャンル.TXT"), genresAtStart);
    book.writeBytes(QStringLiteral("種類.TXT"), kindsAtStart);
    dialogs.clear();
    editor = std::make_unique<frmHensyu>(*module, dialogs, [this] { ++programEnded; });
    const bool genre = QByteArray(c.otherRenames).startsWith("txtJyanru");
    QStringList other = book.lines(genre ? QStringLiteral("ジャンル.TXT") : QStringLiteral("種類.TXT"));
    other[0] = QStringLiteral("\"郷土料理\"");
    book.writeLines(genre ? QStringLiteral("ジャンル.TXT") : QStringLiteral("種類.TXT"), other);
    QTest::keyClicks(box("txtJyanru(5)"), QStringLiteral("2"));  // this editor's own change
    if (c.asked) dialogs.answer(c.answer);
    const int endedBefore = programEnded;
    save();
    EXPECT_EQ(!dialogs.messages().empty() && dialogs.messages()[0].title == QStringLiteral("保存確認"), c.asked);
    EXPECT_EQ(book.lines(QStringLiteral("ジャンル.TXT"))[0], QStringLiteral("\"%1\"").arg(c.genre0));
    EXPECT_EQ(book.lines(QStringLiteral("種類.TXT"))[0], QStringLiteral("\"%1\"").arg(c.kind0));
    const bool saved = c.answer == MessageBox::Answer::Ok;
    EXPECT_EQ(book.lines(QStringLiteral("ジャンル.TXT"))[5].endsWith(QStringLiteral("2\"")), saved);
    EXPECT_EQ(programEnded - endedBefore, saved ? 1 : 0);
  }
}
