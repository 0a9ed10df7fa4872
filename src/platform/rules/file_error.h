// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What went wrong with a data file, in words a user can act on. Rules return it; windows show it.
#include <QString>

struct FileError {
  // ChangedOutside: the file was changed by another writer after it was read, so nothing was
  // written over it. Unfinished: the file is still being written, or was cut short.
  enum class Kind { Missing, Unreadable, NotCp932, Unencodable, Malformed, WriteFailed, Refused, ChangedOutside, Unfinished };
  Kind kind = Kind::Malformed;
  QString path;   // the file concerned
  int line = 0;   // 1-based line, 0 when not about one line
  QString detail; // what was found or expected

  // One Japanese sentence naming the file, the line and the problem.
  QString message() const;
};
