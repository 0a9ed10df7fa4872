// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/typed_combo.h"

#include <QComboBox>
#include <QLineEdit>

void KeepTypedText(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  // QComboBox looks the finished text up in its list and, on a match, selects that item and
  // emits activated() as if it had been picked; the text then stays as typed and nothing moves.
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
}
