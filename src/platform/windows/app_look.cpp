// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/app_look.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/windows/artwork.h"

namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

}  // namespace

QStringList JapaneseFacesFor(const QString& named) {
  if (named == kGothic)
    return {QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"), QStringLiteral("TakaoGothic"),
            QStringLiteral("VL Gothic")};
  return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("TakaoPGothic"),
          QStringLiteral("VL PGothic")};
}

void InstallJapaneseFaces() {
  for (const QString& named : {kGothic, kPGothic})
    if (QFont::substitutes(named).isEmpty()) QFont::insertSubstitutions(named, JapaneseFacesFor(named));
}

void ApplyAppLook(QApplication& app) {
  InstallJapaneseFaces();
  QFont font(kPGothic, 9);
  font.setFamilies(JapaneseFacesFor(kPGothic) + QStringList{kPGothic});
  app.setFont(font);

  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
  app.setWindowIcon(ProgramIcon());
  app.setApplicationName(QStringLiteral("zestra"));
}
