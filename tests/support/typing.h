// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing into a control as a user does. ASCII goes key by key (QTest::keyClicks); Japanese text
// arrives the way an input method delivers it, as a committed string.
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>

inline void typeText(QWidget* control, const QString& text) {
  const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
  if (ascii) {
    QTest::keyClicks(control, text);
    return;
  }
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(control, &commit);
}
