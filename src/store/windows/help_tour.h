// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help tour: while it is on, a feature explains itself in a message box first.
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

// Shows module.HelpTourText when the tour is on.
void ShowHelpTour(Module1& module, Dialogs& dialogs);

// Fills HelpTourText with text and shows it when the tour is on.
void Explain(Module1& module, Dialogs& dialogs, const QString& text);
