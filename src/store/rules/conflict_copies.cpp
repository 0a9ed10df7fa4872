// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/conflict_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QRegularExpression conflictPattern(const QString& original) {
  const QFileInfo info(original);
  const QString base = QRegularExpression::escape(info.completeBaseName());
  const QString ext = info.suffix().isEmpty() ? QString() : QStringLiteral("\\.") + QRegularExpression::escape(info.suffix());
  const QString forms = QStringLiteral(
      "(?:\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}"       // Syncthing
      "| \\(conflicted copy \\d{4}-\\d{2}-\\d{2} \\d{6}\\)"  // Nextcloud
      "| \\(.+'s conflicted copy \\d{4}-\\d{2}-\\d{2}(?: \\(\\d+\\))?\\))");  // Dropbox
  return QRegularExpression(QStringLiteral("^") + base + forms + ext + QStringLiteral("$"),
                            QRegularExpression::CaseInsensitiveOption);
}

}  // namespace

bool IsConflictCopyOf(const QString& fileName, const QString& original) {
  return conflictPattern(original).match(fileName).hasMatch();
}

QStringList FindConflictCopies(const QString& folder, const QString& original) {
  const QRegularExpression pattern = conflictPattern(original);
  QStringList found;
  const QDir dir(folder);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
    if (!entry.isSymLink() && pattern.match(entry.fileName()).hasMatch()) found.append(entry.filePath());
  return found;
}
