// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/rules/exchange_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "store/rules/picture_files.h"
#include "platform/rules/cp932.h"
#include "platform/rules/plain_file.h"
#include "platform/rules/text_file.h"
#include "store/rules/line_cursor.h"
#include "store/rules/recipe_file.h"

namespace exchange {
namespace {

std::filesystem::path fsPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

FileError refused(const QString& path, const QString& detail) { return FileError{FileError::Kind::Refused, path, 0, detail}; }

// A full book has under a million lines; a file of little else but line ends is refused before
// its lines are looked at.
constexpr qsizetype kMaxExchangeLines = 4'000'000;

const QByteArray& dishNameLabel() {
  static const QByteArray label = cp932::encode(QStringLiteral("【料理名　】")).bytes;
  return label;
}

bool holdsDishNameLine(QByteArrayView bytes) {
  recipe_file::LineCursor lines(bytes);
  while (!lines.atEnd())
    if (lines.next().startsWith(dishNameLabel())) return true;
  return false;
}

// The record's second line, the one that names the dish.
QByteArrayView secondLine(const QByteArray& bytes, const recipe_file::RecordSpan& span) {
  const QByteArrayView record = QByteArrayView(bytes).sliced(span.begin, span.end - span.begin);
  const qsizetype second = record.indexOf('\n') + 1;
  return record.sliced(second);
}

}  // namespace

std::variant<ExchangeFile, FileError> ReadExchangeFile(const QString& path) {
  auto read = text_file::readBytes(path, plain_file::kExchangeFileCap);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  QByteArray& bytes = std::get<QByteArray>(read);
  if (bytes.count('\n') > kMaxExchangeLines)
    return FileError{FileError::Kind::Unreadable, path, 0,
                     QStringLiteral("行が多すぎるため読み込みません（%1行まで）。").arg(kMaxExchangeLines)};
  const cp932::Decoded decoded = cp932::decode(bytes);
  if (decoded.error) return FileError{FileError::Kind::NotCp932, path, decoded.error->line, {}};
  if (!holdsDishNameLine(bytes)) return ExchangeFile{path, std::move(bytes), {}};

  auto found = recipe_file::FindRawRecords(path, std::move(bytes));
  if (auto* error = std::get_if<FileError>(&found)) return *error;
  ExchangeFile& file = std::get<ExchangeFile>(found);
  for (const recipe_file::RawRecord& record : file.records)
    if (!secondLine(file.bytes, record.span).startsWith(dishNameLabel()))
      return FileError{FileError::Kind::Malformed, path, record.span.firstLine + 1,
                       QStringLiteral("料理名の行（【料理名　】で始まる行）があるはずの所に別の行があります。")};
  return std::move(file);
}

bool IsSameFile(const QString& a, const QString& b) {
  std::error_code error;
  return std::filesystem::equivalent(fsPath(a), fsPath(b), error);
}

namespace {

QString failure(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Moves from to the free name to in one step; EEXIST when the name is taken.
int renameToFreeName(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without renames that refuse to replace: the name is claimed by an empty
  // folder first, which the complete one then replaces in one rename.
  if (::mkdir(to.constData(), 0777) != 0) return errno;
  if (::rename(from.constData(), to.constData()) == 0) return 0;
  const int error = errno;
  ::rmdir(to.constData());
  return error;
}

// A new empty hidden folder in folder to build an export in; empty when none can be made.
QString makeStagingFolder(const QString& folder, QString& why) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    QString suffix;
    for (int i = 0; i < 6; ++i) suffix += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    const QString path = QDir(folder).filePath(kUnfinishedExportPrefix + suffix);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) return path;
    if (errno != EEXIST) {
      why = failure(errno);
      return {};
    }
  }
  why = failure(EEXIST);
  return {};
}

}  // namespace

std::variant<ExportResult, FileError> PlaceExchangeFolder(const QString& staged, const QString& folder, int lastNumber) {
  const QByteArray from = QFile::encodeName(staged);
  for (int n = 0; n <= lastNumber; ++n) {
    const QString name = kExchangeFolderPrefix + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    const QString path = QDir(folder).filePath(name);
    const int error = renameToFreeName(from, QFile::encodeName(path));
    if (error == 0) return ExportResult{name, path};
    if (error == EEXIST || error == ENOTEMPTY) continue;
    return refused(path, QStringLiteral("フォルダ「%1」を作成できませんでした。\n%2").arg(path, failure(error)));
  }
  return refused(folder, QStringLiteral("追加レシピのフォルダは「%1%2」まで作成済みで、これ以上作成できません。\n"
                                        "不要になった追加レシピのフォルダを片付けてから、もう一度抜き出してください。")
                             .arg(kExchangeFolderPrefix)
                             .arg(lastNumber));
}

void RemoveUnfinishedExports(const QString& folder) {
  const QDir dir(folder);
  const QStringList names =
      dir.entryList({kUnfinishedExportPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
  for (const QString& name : names) QDir(dir.filePath(name)).removeRecursively();
}

std::variant<ExportResult, FileError> ExportRecipes(const DataFolder& book, const RecipeTable& table,
                                                    std::vector<int> recordNumbers, int lastFolderNumber) {
  std::sort(recordNumbers.begin(), recordNumbers.end());
  recordNumbers.erase(std::unique(recordNumbers.begin(), recordNumbers.end()), recordNumbers.end());

  const QString recipePath = book.path(recipe_file::kFileName);
  auto read = recipe_file::ReadRawRecords(recipePath);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  const recipe_file::RawRecords& file = std::get<recipe_file::RawRecords>(read);
  const std::vector<recipe_file::RawRecord>& records = file.records;

  QByteArray exchange;
  for (int number : recordNumbers) {
    const bool stillThere = number >= 1 && number <= table.count() && size_t(number) <= records.size() &&
                            records[size_t(number - 1)].dishName == table[number].DishName;
    if (!stillThere)
      return refused(recipePath, QStringLiteral("レシピファイルが読み込んだ後に書き換えられているため、抜き出せません。\n"
                                                "ゼストラを起動し直してから、もう一度抜き出してください。"));
    recipe_file::AppendRecordLines(exchange, file, records[size_t(number - 1)]);
  }

  // Built complete in a hidden folder, then given its number: a killed export leaves no
  // numbered folder half filled, only the hidden one, which the next start removes.
  QString why;
  const QString staged = makeStagingFolder(book.folder(), why);
  if (staged.isEmpty())
    return refused(book.folder(), QStringLiteral("フォルダ「%1」に追加レシピを作成できませんでした。\n%2").arg(book.folder(), why));
  const auto abandon = [&staged](FileError error) {
    QDir(staged).removeRecursively();
    return error;
  };
  if (auto error = text_file::writeBytes(QDir(staged).filePath(kExchangeFileName), exchange)) return abandon(*error);
  for (int number : recordNumbers)
    for (const QString& picture : PictureCandidates(book, table[number].DishName))
      CopyPictureFile(picture, QDir(staged).filePath(QFileInfo(picture).fileName()));
  auto placed = PlaceExchangeFolder(staged, book.folder(), lastFolderNumber);
  if (auto* error = std::get_if<FileError>(&placed)) return abandon(*error);
  return std::get<ExportResult>(placed);
}

}  // namespace exchange
