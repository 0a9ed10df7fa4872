// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/reader_caption.h"

#include <QLabel>

QLabel* AddReaderCaption(QWidget* box, const QString& caption) {
  auto* label = new QLabel(caption, box->parentWidget());
  label->setObjectName(box->objectName() + QStringLiteral("_caption"));
  label->setTextFormat(Qt::PlainText);
  label->setBuddy(box);
  label->hide();
  box->setAccessibleName(caption);
  box->setAccessibleDescription(caption);
  return label;
}
