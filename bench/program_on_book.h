// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program started on the generated full book, as a user starts it.
#include <benchmark/benchmark.h>

#include <memory>

#include "book_generator.h"
#include "main_window/startup.h"

namespace bench {

// The running program, or nothing when start-up failed (the benchmark is then marked failed).
inline std::unique_ptr<RunningProgram> StartOnBook(benchmark::State& state, Dialogs& dialogs, Clock& clock) {
  auto program = StartProgram(Book().folder, dialogs, clock);
  if (!program) state.SkipWithError("start-up failed");
  return program;
}

}  // namespace bench
