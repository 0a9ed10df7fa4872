// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window over a fresh temporary recipe book, loaded as at start-up, with scripted
// dialogs and a fixed day.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "main_window/frm_main.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_book.h"

// The control named name inside root (a window or panel); fails the test when there is none.
template <typename T = QWidget>
T* FindControl(QWidget* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

// Clicks the button named name inside root, as a user would. A button that is not there, is hidden
// or is disabled cannot be pressed by a user: the test fails and nothing is clicked.
inline void Press(QWidget* root, const QString& name) {
  auto* button = FindControl<QAbstractButton>(root, name);
  if (!button) return;
  if (!button->isVisible() || !button->isEnabled()) {
    ADD_FAILURE() << name.toStdString() << (button->isVisible() ? " is disabled" : " is hidden");
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { book.writeStandardFiles(); }

  // Loads the book into a new main window; fails the test when start-up reports an error.
  frmMain& open() {
    module = std::make_unique<Module1>(book.folder());
    module->Backups.setClock(clock);
    window = std::make_unique<frmMain>(*module, dialogs, clock);
    window->setEndProgram([this] { ++programEnded; });
    auto error = window->Form_Load();
    EXPECT_FALSE(error.has_value()) << (error ? error->message().toStdString() : "");
    window->show();
    return *window;
  }

  template <typename T = QWidget>
  T* control(const QString& name) {
    return FindControl<T>(window.get(), name);
  }
  // Presses one of the main window's window buttons and returns the window it shows.
  QWidget* openThrough(const char* buttonName, const char* windowName) {
    if (!window) open();
    click(buttonName);
    return FindControl(window.get(), QString::fromLatin1(windowName));
  }
  void click(const QString& buttonName) { Press(window.get(), buttonName); }
  QString text(const QString& labelName) { return control<QLabel>(labelName)->text(); }

  // Writes records made by recordLines() as the recipe file.
  void writeRecipes(const std::vector<QStringList>& records) {
    QStringList lines;
    for (const QStringList& r : records) lines += r;
    book.writeLines(QStringLiteral("レシピ.TXT"), lines);
  }

  TempBook book;
  ScriptedDialogs dialogs;
  FixedClock clock{QDate(2024, 5, 12)};
  std::unique_ptr<Module1> module;
  std::unique_ptr<frmMain> window;
  int programEnded = 0;
};

// A record with only a name and the given others' rating and log (dates joined by "\n").
inline QStringList simpleRecipe(const QString& name, const QString& self = QStringLiteral("未"),
                                const QString& others = QStringLiteral("未"), const QString& log = {}) {
  const int count = log.isEmpty() ? 0 : int(log.count(u'\n')) + 1;
  return recordLines({name, QStringLiteral("和食"), QStringLiteral("主菜"), QStringLiteral("煮る"), QStringLiteral("100"),
                      QStringLiteral("1.5"), QStringLiteral("20"), self, others, QString::number(count), QString()},
                     {}, {}, {}, log);
}
