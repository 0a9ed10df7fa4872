// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for in the exchange window with a full book: opening it (two lists of
// 32,766 names), and importing ten recipes into a book with room for just those ten (the atomic
// append, the reload, the statistics and both lists following the new table).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "book_generator.h"
#include "program_on_book.h"
#include "silent_dialogs.h"
#include "exchange/rules/exchange_file.h"
#include "exchange/windows/frm_private.h"
#include "main_extras/windows/window_buttons.h"
#include "main_window/frm_main.h"
#include "platform/rules/text_file.h"
#include "store/windows/frm_splash.h"

namespace {

// Answers every box with OK and every file chooser with the exchange file.
class ExchangeDialogs : public bench::SilentDialogs {
 public:
  QString exchangeFile;
  std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return exchangeFile; }
};

const QString kButton = QStringLiteral("cmdPrivate");

void BM_OpenExchangeWindow(benchmark::State& state) {
  bench::RestoreRecipeFile();
  ExchangeDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  WindowButtons& buttons = *program->main->findChild<WindowButtons*>();
  for (auto _ : state) {
    program->main->findChild<QPushButton*>(kButton)->click();
    state.PauseTiming();
    buttons.closeWindows({kButton});
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenExchangeWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The full book cut into the book without its last ten records and those ten as an exchange file
// in a folder of its own.
struct RoomForTen {
  QTemporaryDir elsewhere;
  QString exchangeFile = elsewhere.filePath(exchange::kExchangeFileName);
  QByteArray book;

  RoomForTen() {
    const QByteArray& full = bench::Book().recipeBytes;
    const auto records = std::get<recipe_file::RawRecords>(recipe_file::FindRawRecords({}, full)).records;
    book = full.left(records[records.size() - 10].span.begin);
    text_file::writeBytes(exchangeFile, full.mid(book.size()));
  }
  bool restoreBook() const { return !text_file::writeBytes(bench::Book().recipePath, book); }
};

// The append alone: the book read and checked, the ten records added, the file replaced.
void BM_AppendTenRecords(benchmark::State& state) {
  RoomForTen files;
  const auto file = std::get<exchange::ExchangeFile>(exchange::ReadExchangeFile(files.exchangeFile));
  const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (auto _ : state) {
    state.PauseTiming();
    files.restoreBook();
    state.ResumeTiming();
    if (auto error = exchange::AppendExchangeRecords(bench::Book().recipePath, file, all))
      state.SkipWithError(error->message().toUtf8().constData());
  }
  bench::RestoreRecipeFile();
}
BENCHMARK(BM_AppendTenRecords)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The whole import from the window: append, reload, statistics, the lists following.
void BM_ImportTenRecipes(benchmark::State& state) {
  RoomForTen files;
  ExchangeDialogs dialogs;
  dialogs.exchangeFile = files.exchangeFile;
  if (!files.restoreBook()) {
    state.SkipWithError("cannot write the book");
    return;
  }
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  program->main->findChild<QPushButton*>(kButton)->click();
  auto* window = program->main->findChild<frmPrivate*>();
  window->findChild<QPushButton*>(QStringLiteral("cmdFile"))->click();
  for (auto _ : state) {
    window->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
    state.PauseTiming();
    if (program->module->RecipeCount() != kMaxRecipes) state.SkipWithError("the import did not append ten recipes");
    files.restoreBook();
    program->main->LoadRecipeFile();
    state.ResumeTiming();
  }
  bench::RestoreRecipeFile();
}
BENCHMARK(BM_ImportTenRecipes)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
