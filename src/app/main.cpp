// SPDX-License-Identifier: GPL-3.0-or-later
// zestra [FOLDER]: opens the recipe book in FOLDER, or in the default book folder.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include "main_window/frm_main.h"
#include "main_window/startup.h"
#include "platform/rules/file_size_signal.h"
#include "platform/windows/app_look.h"
#include "store/windows/book_lock.h"
#include "store/windows/frm_splash.h"

namespace {

// --help and --version only print; they answer on a machine without a display as well.
bool onlyPrints(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArrayView argument(argv[i]);
    if (argument == "--") return false;
    for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
      if (argument == option) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (onlyPrints(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
  IgnoreFileSizeSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(ZESTRA_VERSION));
  // Names the installed desktop entry, so that task bars group the windows under its name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(ZESTRA_APP_ID));
  ApplyAppLook(app);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("ZESTRA 料理レシピソフト"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FOLDER"),
                               QStringLiteral("開くレシピ帳のフォルダー（省略時は %1）").arg(DefaultBookFolder()),
                               QStringLiteral("[FOLDER]"));
  // Lets the install check see the program come up on a book and end by itself.
  QCommandLineOption quitAfterStart(QStringLiteral("quit-after-start"));
  quitAfterStart.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(quitAfterStart);
  parser.process(app);
  const QStringList folders = parser.positionalArguments();
  const QString folder = folders.isEmpty() ? DefaultBookFolder() : folders.first();

  QtDialogs dialogs;
  QDir().mkpath(folder);
  BookLock lock(folder);
  switch (lock.take()) {
    case BookLock::Outcome::Held: break;
    case BookLock::Outcome::RaisedOther: return 0;  // the running program came to the front
    case BookLock::Outcome::HeldElsewhere:
      dialogs.inform(QStringLiteral("このレシピ帳は、ほかのコンピューター（%1）のZESTRAでも開かれています。\n"
                                    "このまま開きます。保存のときは、毎回ファイルを読み直して、向こうで書いた内容も残します。")
                         .arg(lock.holder()),
                     QStringLiteral("ZESTRA"));
      break;
    case BookLock::Outcome::Unanswered:
      dialogs.inform(QStringLiteral("このレシピ帳を開いているZESTRAが、このコンピューターで応答しません。\n"
                                    "このまま開きます。保存のときは、毎回ファイルを読み直して、向こうで書いた内容も残します。"),
                     QStringLiteral("ZESTRA"));
      break;
  }
  Clock clock;
  auto program = StartProgram(folder, dialogs, clock);
  if (!program) return 1;
  dialogs.setParent(program->main.get());
  program->main->watchBookFolder();
  QObject::connect(&lock, &BookLock::raiseRequested, program->main.get(), [main = program->main.get()] {
    if (main->isMinimized()) main->showNormal();
    main->raise();
    main->activateWindow();
  });
  if (parser.isSet(quitAfterStart)) QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
