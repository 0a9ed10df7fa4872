// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/backups.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "platform/rules/text_file.h"

namespace backups {
namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");
constexpr int kLastSequence = 99;

// "レシピ.TXT" -> {"レシピ", ".TXT"}; a name without a dot has no extension.
std::pair<QString, QString> splitExtension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot <= 0) return {fileName, QString()};
  return {fileName.left(dot), fileName.mid(dot)};
}

QRegularExpression namePattern(const QString& fileName) {
  const auto [stem, extension] = splitExtension(fileName);
  return QRegularExpression(QStringLiteral("^%1_(\\d{8}-\\d{6})(?:_(\\d{2}))?%2$")
                                .arg(QRegularExpression::escape(stem), QRegularExpression::escape(extension)),
                            QRegularExpression::CaseInsensitiveOption);
}

FileError failed(const QString& path, const QString& detail) {
  return FileError{FileError::Kind::WriteFailed, path, 0, detail};
}

// The backup folder, made when missing. A link in its place is refused: copies never leave the
// book's folder.
std::optional<FileError> ensureFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.isSymLink() || (info.exists() && !info.isDir()))
    return failed(folder, QStringLiteral("同じ名前のファイルかリンクがあります。"));
  if (!info.exists() && !QDir().mkdir(folder)) return failed(folder, QStringLiteral("フォルダーを作成できません。"));
  return std::nullopt;
}

bool takenToday(const std::vector<Backup>& copies, const QDate& today) {
  return std::any_of(copies.begin(), copies.end(), [&](const Backup& b) { return b.takenAt.date() == today; });
}

std::optional<QString> freeName(const QString& folder, const QString& fileName, const QDateTime& at) {
  for (int sequence = 1; sequence <= kLastSequence; ++sequence) {
    const QString name = NameFor(fileName, at, sequence);
    if (!QFileInfo::exists(QDir(folder).filePath(name))) return name;
  }
  return std::nullopt;
}

void dropOldest(const QString& bookFolder, const QString& fileName) {
  std::vector<Backup> copies = List(bookFolder, fileName);
  for (size_t i = 0; i + kKeptPerFile < copies.size(); ++i) QFile::remove(copies[i].path);
}

}  // namespace

QString NameFor(const QString& fileName, const QDateTime& at, int sequence) {
  const auto [stem, extension] = splitExtension(fileName);
  QString name = stem + u'_' + at.toString(kStampFormat);
  if (sequence > 1) name += QStringLiteral("_%1").arg(sequence, 2, 10, QLatin1Char('0'));
  return name + extension;
}

QString FolderOf(const QString& bookFolder) { return QDir(bookFolder).filePath(kFolderName); }

std::vector<Backup> List(const QString& bookFolder, const QString& fileName) {
  const QString folder = FolderOf(bookFolder);
  if (QFileInfo(folder).isSymLink()) return {};
  const QRegularExpression pattern = namePattern(fileName);
  std::vector<std::pair<QString, Backup>> found;  // sort key: stamp and sequence
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden)) {
    const QRegularExpressionMatch match = pattern.match(info.fileName());
    if (!match.hasMatch()) continue;
    const QDateTime at = QDateTime::fromString(match.captured(1), kStampFormat);
    if (!at.isValid()) continue;
    const QString sequence = match.captured(2).isEmpty() ? QStringLiteral("01") : match.captured(2);
    found.push_back({match.captured(1) + sequence, Backup{info.filePath(), info.fileName(), at}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Backup> copies;
  copies.reserve(found.size());
  for (auto& [key, backup] : found) copies.push_back(std::move(backup));
  return copies;
}

std::optional<FileError> BeforeWrite(const QString& path, Change change, const QDateTime& now) {
  const QFileInfo file(path);
  // Only a regular file is copied: nothing is there to lose in a missing file, and a folder or a
  // link in its place is left to the write to report.
  if (!file.isFile() || file.isSymLink()) return std::nullopt;
  const QString bookFolder = file.absolutePath();
  if (change == Change::Keeps && takenToday(List(bookFolder, file.fileName()), now.date())) return std::nullopt;

  const QString folder = FolderOf(bookFolder);
  if (auto error = ensureFolder(folder)) return error;
  auto bytes = text_file::readBytes(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  const std::optional<QString> name = freeName(folder, file.fileName(), now);
  if (!name) return failed(folder, QStringLiteral("同じ時刻のバックアップが多すぎます。"));
  if (auto error = text_file::writeBytes(QDir(folder).filePath(*name), std::get<QByteArray>(bytes))) return error;
  dropOldest(bookFolder, file.fileName());
  return std::nullopt;
}

}  // namespace backups

std::optional<FileError> BookBackups::beforeWrite(const QString& path, backups::Change change) {
  std::optional<FileError> error = backups::BeforeWrite(path, change, clock_->now());
  if (!error) {
    failureTold_ = false;
    return std::nullopt;
  }
  if (failureTold_) return std::nullopt;
  failureTold_ = true;
  return error;
}

QString BackupFailureMessage(const FileError& error) {
  QString text = QStringLiteral("バックアップを作成できませんでした。\n「%1」").arg(error.path);
  if (!error.detail.isEmpty()) text += u'\n' + error.detail;
  return text + QStringLiteral("\n保存はこのまま続けます。空き容量と「%1」フォルダーに書き込めるかを確かめてください。")
                    .arg(backups::kFolderName);
}
