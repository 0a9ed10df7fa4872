// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/startup.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "exchange/rules/exchange_file.h"
#include "store/rules/picture_files.h"
#include "main_window/frm_main.h"
#include "platform/rules/text_file.h"
#include "platform/rules/saves_together.h"
#include "platform/rules/unfinished_saves.h"
#include "platform/windows/artwork.h"
#include "store/rules/book_setup.h"
#include "store/windows/frm_splash.h"

QString DefaultBookFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("zestra"));
}

namespace {

// Tells why start-up stops, and which files, if any, it had already created.
void stop(Dialogs& dialogs, const FileError& error, const QStringList& createdFiles = {}) {
  const QString changed = createdFiles.isEmpty()
                              ? QStringLiteral("ファイルは変更していません。")
                              : QStringLiteral("作成したファイル：%1").arg(createdFiles.join(QStringLiteral("、")));
  dialogs.error(error.message() + QStringLiteral("\n\n起動を中止します。") + changed, QStringLiteral("起動エラー"));
}

// The stand-in picture goes in whole or not at all; a failed write is tried again next start.
std::optional<FileError> writeNoPicture(const DataFolder& folder) {
  const QString path = folder.path(kNoPictureFileName);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  if (!NoPictureImage().save(&buffer, "JPG", 90))
    return FileError{FileError::Kind::WriteFailed, path, 0, QStringLiteral("画像を作れませんでした。")};
  return text_file::writeBytes(path, jpeg);
}

// The names of the files created, or nothing when start-up stops (the user has been told why).
std::optional<QStringList> setUpBook(const DataFolder& folder, Dialogs& dialogs) {
  BookSetup setup = EnsureBook(folder);
  if (!setup.error && !folder.exists(kNoPictureFileName)) {
    if (auto error = writeNoPicture(folder))
      dialogs.warn(error->message() + QStringLiteral("\n写真のないレシピには何も表示しません。次の起動でもう一度作成します。"),
                   QStringLiteral("ZESTRA"));
    else
      setup.createdFiles.append(kNoPictureFileName);
  }
  if (setup.error) {
    stop(dialogs, *setup.error, setup.createdFiles);
    return std::nullopt;
  }
  if (setup.newBook) {
    dialogs.inform(QStringLiteral("新しいレシピ帳を作成しました。\n保存場所：%1").arg(folder.folder()),
                   QStringLiteral("ZESTRA"));
  } else if (!setup.createdFiles.isEmpty()) {
    dialogs.inform(QStringLiteral("見つからなかったファイルを標準の内容で作成しました。\n%1\n保存場所：%2")
                       .arg(setup.createdFiles.join(QStringLiteral("、")), folder.folder()),
                   QStringLiteral("ZESTRA"));
  }
  return setup.createdFiles;
}

}  // namespace

std::unique_ptr<RunningProgram> StartProgram(const QString& folder, Dialogs& dialogs, Clock& clock) {
  auto program = std::make_unique<RunningProgram>();
  program->module = std::make_unique<Module1>(QDir(folder).absolutePath());
  program->module->Backups.setClock(clock);
  // A save of several files that a killed run left half done is finished or rolled back first.
  saves_together::FinishSavesTogether(program->module->Folder.folder());
  const std::optional<QStringList> created = setUpBook(program->module->Folder, dialogs);
  if (!created) return nullptr;
  // What a run killed in the middle of a write left behind.
  RemoveUnfinishedSaves(program->module->Folder.folder());
  exchange::RemoveUnfinishedExports(program->module->Folder.folder());

  program->splash = std::make_unique<frmSplash>();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    program->splash->move(screen->availableGeometry().center() - program->splash->rect().center());
  program->splash->show();
  QApplication::processEvents();
  program->main = std::make_unique<frmMain>(*program->module, dialogs, clock);
  if (auto error = program->main->Form_Load(program->splash.get())) {
    program->splash->close();
    stop(dialogs, *error, *created);
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
