// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/windows/help_tour.h"

void ShowHelpTour(Module1& module, Dialogs& dialogs) {
  if (module.HelpTourOn == 0) return;
  dialogs.message({module.HelpTourText, QStringLiteral("ヘルプツアー"), MessageBox::Buttons::Ok,
                   MessageBox::Icon::Information});
}

void Explain(Module1& module, Dialogs& dialogs, const QString& text) {
  module.HelpTourText = text;
  ShowHelpTour(module, dialogs);
}
