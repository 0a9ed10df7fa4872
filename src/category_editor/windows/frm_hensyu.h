// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The category editor: renames the 6 genres, 9 kinds and 9 cooking methods. Saving writes the
// three list files and ends the program, so that the new lists take effect at the next start.
#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QLineEdit;
class QPushButton;

class frmHensyu : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(frmHensyu)
 public:
  frmHensyu(Module1& module, Dialogs& dialogs, std::function<void()> endProgram, QWidget* parent = nullptr);

  std::vector<QLineEdit*> txtJyanru;  // 6
  std::vector<QLineEdit*> txtSyurui;  // 9
  std::vector<QLineEdit*> txtCyouri;  // 9
  QPushButton* cmdHozon1;
  QPushButton* cmdModori;

 private slots:
  void cmdHozon1_Click();
  void cmdModori_Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Module1& module_;
  Dialogs& dialogs_;
  std::function<void()> endProgram_;
  bool keepOtherWritersLists(QStringList (&lists)[3]);

  std::array<QStringList, 3> shown_;  // the lists as this window showed them
  bool explained_ = false;
};
