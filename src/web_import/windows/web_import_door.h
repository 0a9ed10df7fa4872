// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window opens 「Webから取り込み」: its button, and a drop of a page's address, a
// saved page (.html) or a browser's link onto the window. The door owns the window, made on first
// use, and hands added records to the main window's register path.
#include <QObject>
#include <QPointer>

#include "web_import/windows/frm_web_import.h"

class QMimeData;

class WebImportDoor : public QObject {
  Q_OBJECT
 public:
  // Drops onto mainWindow are watched from now on.
  WebImportDoor(Module1& module, Dialogs& dialogs, QWidget* mainWindow, frmWebImport::AddRecipe addRecipe);

  void open();                                   // shows the window as it was
  void openOn(const QString& addressOrPath);     // shows it and starts on the address or page
  // The address or saved page a drop carries, empty when it carries neither.
  static QString droppedPage(const QMimeData* mime);

 signals:
  void pictureStored();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  frmWebImport* window();

  Module1& module_;
  Dialogs& dialogs_;
  QWidget* mainWindow_;
  frmWebImport::AddRecipe addRecipe_;
  QPointer<frmWebImport> window_;
};
