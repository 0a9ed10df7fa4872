// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries put into the stock file from outside the refrigerator window (the shopping list's
// bought items) in one write, and taken out again in one write while the file is still exactly
// as that write left it: an undo never overwrites what another writer changed since.
#include <QByteArray>
#include <optional>
#include <vector>

#include "fridge/rules/stock.h"
#include "platform/rules/file_error.h"

class StockDelivery {
 public:
  // Adds the entries' lines at the end of the file; the last delivery can then be undone.
  std::optional<FileError> deliver(const QString& path, const std::vector<StockEntry>& entries);

  bool canUndo() const { return undo_.has_value(); }
  int delivered() const { return undo_ ? undo_->count : 0; }

  enum class UndoResult { Undone, FileChanged, Failed };
  // Puts the file back to its bytes before the delivery. FileChanged, with nothing written, when
  // the file is no longer as the delivery left it; error holds the failure of Failed.
  UndoResult undo(const QString& path, std::optional<FileError>& error);

 private:
  struct Undo {
    QByteArray before;  // empty for a file that did not exist
    QByteArray after;
    int count = 0;
  };
  std::optional<Undo> undo_;
};
