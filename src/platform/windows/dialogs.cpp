// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

MessageBox::Answer QtDialogs::message(const MessageBox& box) {
  QMessageBox qbox(parent_);
  qbox.setWindowTitle(box.title);
  qbox.setText(box.text);
  switch (box.icon) {
    case MessageBox::Icon::None: qbox.setIcon(QMessageBox::NoIcon); break;
    case MessageBox::Icon::Information: qbox.setIcon(QMessageBox::Information); break;
    case MessageBox::Icon::Exclamation: qbox.setIcon(QMessageBox::Warning); break;
    case MessageBox::Icon::Critical: qbox.setIcon(QMessageBox::Critical); break;
    case MessageBox::Icon::Question: qbox.setIcon(QMessageBox::Question); break;
  }
  if (box.buttons == MessageBox::Buttons::OkCancel) {
    qbox.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    qbox.setDefaultButton(box.defaultButton == MessageBox::Answer::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    qbox.setEscapeButton(QMessageBox::Cancel);
  } else {
    qbox.setStandardButtons(QMessageBox::Ok);
  }
  return qbox.exec() == QMessageBox::Ok ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel;
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
  if (!ok) return std::nullopt;
  return text;
}

void QtDialogs::beep() { QApplication::beep(); }

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent_, title, folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}
