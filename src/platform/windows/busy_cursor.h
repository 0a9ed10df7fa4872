// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The busy pointer over the whole program while a long step runs.
#include <QApplication>

// Shows the busy pointer for as long as it lives, so that a step that returns early or throws
// still puts the pointer back.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
