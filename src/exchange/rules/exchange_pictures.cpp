// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/rules/exchange_pictures.h"

#include <QFile>

#include "exchange/rules/exchange_file.h"
#include "store/rules/picture_files.h"
#include "platform/rules/plain_file.h"

namespace exchange {
namespace {

const char* const kPictureExtensions[] = {".jpg", ".gif", ".bmp"};
constexpr qsizetype kMaxFileNameBytes = 255;

}  // namespace

std::optional<QString> UntrustedPictureName(const QString& dishName) {
  if (auto problem = PictureNameProblem(dishName)) return problem;
  if (dishName.contains(u'\\')) return QStringLiteral("料理名に「\\」が入っているため、ファイル名にできません。");
  for (QChar c : dishName)
    if (c.category() == QChar::Other_Control) return QStringLiteral("料理名に制御文字が入っているため、ファイル名にできません。");
  if (QFile::encodeName(dishName + QLatin1String(".jpg")).size() > kMaxFileNameBytes)
    return QStringLiteral("料理名が長すぎるため、ファイル名にできません。");
  return std::nullopt;
}

std::vector<PictureCopy> PicturesToImport(const DataFolder& exchangeFolder, const DataFolder& book,
                                          const QString& dishName) {
  std::vector<PictureCopy> copies;
  if (UntrustedPictureName(dishName)) return copies;
  for (const char* extension : kPictureExtensions) {
    const QString name = dishName + QLatin1String(extension);
    const QString source = exchangeFolder.existing(name);
    if (source.isEmpty()) continue;
    const QString existing = book.existing(name);
    if (!existing.isEmpty() && IsSameFile(source, existing)) continue;
    auto bytes = plain_file::read(source, plain_file::kPictureCap);
    if (std::holds_alternative<FileError>(bytes)) continue;
    PictureCopy copy{source, existing.isEmpty() ? book.path(name) : existing, false, std::get<QByteArray>(std::move(bytes))};
    if (!existing.isEmpty()) {
      const auto old = plain_file::read(existing, plain_file::kPictureCap);
      if (const auto* oldBytes = std::get_if<QByteArray>(&old); oldBytes && *oldBytes == copy.bytes) continue;
      copy.replaces = true;
    }
    copies.push_back(std::move(copy));
  }
  return copies;
}

}  // namespace exchange
