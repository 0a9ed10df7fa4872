// zestra [FOLDER]: opens the recipe book in FOLDER, or in the default book folder.
#include <QApplication>

#include "main_window/frm_main.h"
#include "main_window/startup.h"
#include "platform/windows/app_look.h"
#include "store/windows/frm_splash.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ApplyAppLook(app);
  const QStringList args = QApplication::arguments();
  const QString folder = args.size() > 1 ? args[1] : DefaultBookFolder();

  QtDialogs dialogs;
  Clock clock;
  auto program = StartProgram(folder, dialogs, clock);
  if (!program) return 1;
  dialogs.setParent(program->main.get());
  return app.exec();
}
