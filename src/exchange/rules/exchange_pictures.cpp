#include "exchange/rules/exchange_pictures.h"

#include <QFile>

#include "exchange/rules/exchange_file.h"
#include "main_extras/rules/picture_files.h"

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
    copies.push_back({source, existing.isEmpty() ? book.path(name) : existing, !existing.isEmpty()});
  }
  return copies;
}

}  // namespace exchange
