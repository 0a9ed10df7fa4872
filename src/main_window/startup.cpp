#include "main_window/startup.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "main_extras/rules/picture_files.h"
#include "main_window/frm_main.h"
#include "platform/windows/artwork.h"
#include "store/rules/book_setup.h"
#include "store/windows/frm_splash.h"

QString DefaultBookFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("zestra"));
}

namespace {

bool setUpBook(const DataFolder& folder, Dialogs& dialogs) {
  BookSetup setup = EnsureBook(folder);
  if (!setup.error && !folder.exists(kNoPictureFileName)) {
    if (NoPictureImage().save(folder.path(kNoPictureFileName), "JPG", 90))
      setup.createdFiles.append(kNoPictureFileName);
  }
  if (setup.error) {
    dialogs.error(setup.error->message() + QStringLiteral("\nレシピ帳を用意できないため、起動を中止します。"),
                  QStringLiteral("起動エラー"));
    return false;
  }
  if (setup.newBook) {
    dialogs.inform(QStringLiteral("新しいレシピ帳を作成しました。\n保存場所：%1").arg(folder.folder()),
                   QStringLiteral("ZESTRA"));
  } else if (!setup.createdFiles.isEmpty()) {
    dialogs.inform(QStringLiteral("見つからなかったファイルを標準の内容で作成しました。\n%1\n保存場所：%2")
                       .arg(setup.createdFiles.join(QStringLiteral("、")), folder.folder()),
                   QStringLiteral("ZESTRA"));
  }
  return true;
}

}  // namespace

std::unique_ptr<RunningProgram> StartProgram(const QString& folder, Dialogs& dialogs, Clock& clock) {
  auto program = std::make_unique<RunningProgram>();
  program->module = std::make_unique<Module1>(QDir(folder).absolutePath());
  if (!setUpBook(program->module->Folder, dialogs)) return nullptr;

  program->splash = std::make_unique<frmSplash>();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    program->splash->move(screen->availableGeometry().center() - program->splash->rect().center());
  program->splash->show();
  QApplication::processEvents();
  program->main = std::make_unique<frmMain>(*program->module, dialogs, clock);
  if (auto error = program->main->Form_Load(program->splash.get())) {
    program->splash->close();
    dialogs.error(error->message() + QStringLiteral("\n\n起動を中止します。ファイルは変更していません。"),
                  QStringLiteral("起動エラー"));
    return nullptr;
  }
  if (QScreen* screen = QGuiApplication::primaryScreen())
    program->main->move(screen->availableGeometry().center() - program->main->rect().center());
  program->main->show();
  program->splash->raise();  // the splash stays in front until its time is up
  QApplication::processEvents();
  frmSplash* splash = program->splash.get();
  QTimer::singleShot(int(splash->remainingMilliseconds()), splash, [splash] {
    splash->close();
  });
  return program;
}
