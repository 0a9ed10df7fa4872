// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/reference_box.h"

#include <QComboBox>
#include <QLineEdit>

#include "platform/rules/typed_text.h"
#include "platform/windows/controls.h"
#include "platform/windows/typed_combo.h"
#include "store/windows/backup_before_write.h"
#include "store/rules/reference_list.h"

ReferenceBox::ReferenceBox(Module1& module, Dialogs& dialogs, QComboBox* cboSankou)
    : QObject(cboSankou), module_(module), dialogs_(dialogs), cboSankou_(cboSankou) {
  cboSankou_->installEventFilter(this);
  if (cboSankou_->lineEdit()) cboSankou_->lineEdit()->installEventFilter(this);
}

void ReferenceBox::showReferenceList(const QStringList& sources) { ShowItemsKeepingText(cboSankou_, sources); }

bool ReferenceBox::cboSankou_KeyPress(int keyAscii) {
  const QString text = typed_text::ToStored(cboSankou_->currentText());
  if (keyAscii != 13 || text.isEmpty()) return false;
  addSource(text);
  return true;
}

void ReferenceBox::offerNewSource(const QString& source) {
  if (!source.isEmpty() && cboSankou_->findText(source, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) addSource(source);
}

void ReferenceBox::addSource(const QString& text) {
  if (!dialogs_.confirm(text + QStringLiteral("を新たに追加しますか？"), QStringLiteral("保存確認"),
                        MessageBox::Icon::Question))
    return;
  BackUpBeforeWrite(module_, dialogs_, module_.path(kReferenceFileName), backups::Change::Keeps);
  if (auto error = AppendReference(module_.path(kReferenceFileName), text)) {
    dialogs_.error(error->message(), QStringLiteral("保存エラー"));
    return;
  }
  cboSankou_->addItem(text);
  cboSankou_->setEditText(text);
  dialogs_.inform(QStringLiteral("保存しました"), QStringLiteral("参考リストに追加"));
}

bool ReferenceBox::eventFilter(QObject* watched, QEvent* event) {
  if (controls::isEnterPress(event) && cboSankou_KeyPress(13)) return true;
  return QObject::eventFilter(watched, event);
}
