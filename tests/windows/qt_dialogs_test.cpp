// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: Japanese standard buttons from Qt's own translation, the default
// button the question asks for, and Escape as Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>

#include "platform/windows/app_look.h"
#include "platform/windows/dialogs.h"

namespace {

// The program's look for the length of a test: the translation goes again afterwards, so that
// other tests see Qt as it was.
class QtDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    font_ = QApplication::font();
    ApplyAppLook(*qApp);
  }
  void TearDown() override {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      QApplication::removeTranslator(translator);
      delete translator;
    }
    QApplication::setFont(font_);
  }

  // Shows the box and, once it is up, hands it to act, which answers it.
  MessageBox::Answer answer(const MessageBox& box, const std::function<void(QMessageBox&)>& act) {
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!shown || acted) return;
      acted = true;
      act(*shown);
    });
    poll.start(10);
    const MessageBox::Answer answered = dialogs_.message(box);
    EXPECT_TRUE(acted);
    return answered;
  }

  QtDialogs dialogs_;
  QFont font_;
};

const MessageBox kDeleteQuestion{QStringLiteral("『 カレー 』を削除しますか？"), QStringLiteral("削除確認"),
                                 MessageBox::Buttons::OkCancel, MessageBox::Icon::Question, MessageBox::Answer::Cancel};

TEST_F(QtDialogsTest, ShowJapaneseButtonsAndTheTextAsked) {
  answer(kDeleteQuestion, [](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("削除確認"));
    EXPECT_EQ(box.text(), QStringLiteral("『 カレー 』を削除しますか？"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    box.button(QMessageBox::Cancel)->click();
  });
}

struct KeyCase {
  std::string name;
  MessageBox::Answer defaultButton;
  Qt::Key key;
  MessageBox::Answer answer;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class QtDialogsKeys : public QtDialogsTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(QtDialogsKeys, AnswerTheKeyAsTheQuestionSays) {
  MessageBox box = kDeleteQuestion;
  box.defaultButton = GetParam().defaultButton;
  const Qt::Key key = GetParam().key;
  EXPECT_EQ(answer(box, [key](QMessageBox& shown) { QTest::keyClick(&shown, key); }), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtDialogsKeys,
    testing::Values(KeyCase{"EnterOnADeleteQuestionIsCancel", MessageBox::Answer::Cancel, Qt::Key_Return, MessageBox::Answer::Cancel},
                    KeyCase{"EnterWhereOkIsTheDefaultIsOk", MessageBox::Answer::Ok, Qt::Key_Return, MessageBox::Answer::Ok},
                    KeyCase{"EscapeIsCancel", MessageBox::Answer::Ok, Qt::Key_Escape, MessageBox::Answer::Cancel}),
    [](const auto& info) { return info.param.name; });

}  // namespace
