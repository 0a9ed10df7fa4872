// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/user_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QVariant>

namespace {

constexpr char kUserTextProperty[] = "userText";

// A doubled "&" is shown as one and marks no shortcut.
QString withoutShortcutMarks(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

void remember(QWidget* control, const QString& text) { control->setProperty(kUserTextProperty, text); }

}  // namespace

void ShowUserText(QLabel* label, const QString& text) {
  remember(label, text);
  label->setTextFormat(Qt::PlainText);
  // Only a label with a buddy reads "&" as a shortcut mark.
  label->setText(label->buddy() ? withoutShortcutMarks(text) : text);
}

void ShowUserTitle(QGroupBox* frame, const QString& text) {
  remember(frame, text);
  frame->setTitle(withoutShortcutMarks(text));
}

void ShowUserWindowTitle(QWidget* window, const QString& title) {
  remember(window, title);
  window->setWindowTitle(QString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));  // doubled: shown once
}

QString UserTextOf(const QWidget* control) { return control->property(kUserTextProperty).toString(); }
