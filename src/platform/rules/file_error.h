#pragma once
// What went wrong with a data file, in words a user can act on. Rules return it; windows show it.
#include <QString>

struct FileError {
  enum class Kind { Missing, Unreadable, NotCp932, Unencodable, Malformed, WriteFailed, Refused };
  Kind kind = Kind::Malformed;
  QString path;   // the file concerned
  int line = 0;   // 1-based line, 0 when not about one line
  QString detail; // what was found or expected

  // One Japanese sentence naming the file, the line and the problem.
  QString message() const;
};
