// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The source of a recipe, picked from the reference list or typed; Enter on a new text offers
// to add it to the list for good.
#include <QObject>

#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class QComboBox;

class ReferenceBox : public QObject {
  Q_OBJECT
 public:
  ReferenceBox(Module1& module, Dialogs& dialogs, QComboBox* cboSankou);

  // Adds the sources of the reference list (as the book loaded them) to the list.
  void showReferenceList(const QStringList& sources);

  // Acts on Enter (key code 13) with a text; returns whether it handled the key.
  bool cboSankou_KeyPress(int keyAscii);
  // Asks whether to add a source (as stored) to the reference list for good, unless it is
  // empty or already listed.
  void offerNewSource(const QString& source);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addSource(const QString& text);  // after asking; the list file and the list get it

  Module1& module_;
  Dialogs& dialogs_;
  QComboBox* cboSankou_;
};
