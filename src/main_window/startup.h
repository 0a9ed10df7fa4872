// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing the program up on a recipe book folder: set up a new book, show the splash, load
// every data file into the main window, then hand over to it.
#include <QString>
#include <memory>

#include "platform/rules/clock.h"
#include "platform/windows/dialogs.h"
#include "store/rules/module1.h"

class frmMain;
class frmSplash;

// The folder used when none is given: $XDG_DATA_HOME/zestra (usually ~/.local/share/zestra).
QString DefaultBookFolder();

struct RunningProgram {
  std::unique_ptr<Module1> module;
  std::unique_ptr<frmSplash> splash;  // closed once it has been up long enough
  std::unique_ptr<frmMain> main;
};

// Sets up a missing book (and says so), shows the splash, loads and shows the main window.
// Nothing when start-up had to stop; the user has been told why, and no file was changed.
std::unique_ptr<RunningProgram> StartProgram(const QString& folder, Dialogs& dialogs, Clock& clock);
