// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/unfinished_saves.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The kinds of file the program writes, for a temporary file whose own file does not exist yet.
bool isWrittenKind(const QString& name) {
  static const QRegularExpression kinds(QStringLiteral("\\.(txt|jpg|gif|bmp)$"), QRegularExpression::CaseInsensitiveOption);
  return kinds.match(name).hasMatch();
}

// The six characters are random capitals and small letters. A word such as "backup" or "Backup"
// names a file someone made on purpose; it is left alone (a few true leftovers are too).
bool looksRandom(QStringView suffix) {
  static const QRegularExpression word(QStringLiteral("^([a-z]+|[A-Z]+|[A-Z][a-z]+|[0-9]+)$"));
  return !word.match(suffix).hasMatch();
}

}  // namespace

QStringList RemoveUnfinishedSaves(const QString& folder) {
  static const QRegularExpression temporary(QStringLiteral("^(.+)\\.([A-Za-z0-9]{6})$"));
  const QDir dir(folder);
  QStringList removed;
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
    const QRegularExpressionMatch match = temporary.match(entry.fileName());
    if (!match.hasMatch() || !looksRandom(match.capturedView(2))) continue;
    const QString owner = match.captured(1);
    if (!QFileInfo(dir.filePath(owner)).isFile() && !isWrittenKind(owner)) continue;
    if (QFile::remove(entry.filePath())) removed.append(entry.fileName());
  }
  return removed;
}
