// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/typed_text.h"

#include <QRegularExpression>

#include "platform/rules/cp932.h"

namespace typed_text {

QString ToStored(const QString& typed) {
  QString text = typed;
  if (text.contains(u'\r') || text.contains(u'\n')) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    text.replace(lineBreak, QStringLiteral("\r\n"));
  }
  return cp932::toCodePageForms(text);
}

QString ForTextBox(const QString& stored) {
  QString text = stored;
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace typed_text
