#include "platform/windows/app_look.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/windows/artwork.h"

void ApplyAppLook(QApplication& app) {
  const QStringList japanese = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                                QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic")};
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), japanese);
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), japanese);
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("ＭＳ Ｐゴシック")});
  app.setFont(font);

  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
  app.setWindowIcon(ProgramIcon());
  app.setApplicationName(QStringLiteral("zestra"));
}
