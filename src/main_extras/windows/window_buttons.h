// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hub's buttons: each opens its window (modeless, shown again when it is already open), the
// help-tour switch and the help file. A button whose window the program does not have is disabled.
#include <QMap>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QCheckBox;
class QDialog;
class QPushButton;

class WindowButtons : public QWidget {
  Q_OBJECT
 public:
  WindowButtons(Module1& module, Dialogs& dialogs, QWidget* parent);

  // A modeless window made on first press and kept; pressing again shows the same window.
  void registerWindow(const QString& buttonName, std::function<QWidget*()> create);
  // A modal window made on each press; the main window waits until it is closed.
  void registerModal(const QString& buttonName, std::function<QDialog*()> create);

  // The open window of a button, or nothing.
  QWidget* openWindow(const QString& buttonName) const;
  // Closes the windows whose contents derive from the recipe table (after every reload).
  void closeWindows(const QStringList& buttonNames);

  // Opens the help file with this (tests replace it); returns false when nothing could open it.
  void setHelpOpener(std::function<bool(const QString&)> opener) { openHelp_ = std::move(opener); }


  // Sets the check box from HelpTourOn without acting as a click.
  void showHelpTourFlag();

 private slots:
  void windowButton_Click(const QString& buttonName);
  void chkHelp_Click();
  void cmdHelp_Click();

 private:
  QCheckBox* chkHelp;
  QPushButton* cmdHelp;
  Module1& module_;
  Dialogs& dialogs_;
  QMap<QString, QPushButton*> buttons_;
  QMap<QString, std::function<QWidget*()>> modeless_;
  QMap<QString, std::function<QDialog*()>> modal_;
  QMap<QString, QPointer<QWidget>> open_;
  std::function<bool(const QString&)> openHelp_;
};

inline const QString kHelpFileName = QStringLiteral("ZestraHelp.chm");
