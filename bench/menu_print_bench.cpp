// SPDX-License-Identifier: GPL-3.0-or-later
// What the user waits for with a full book in the menu planner and the print window: opening the
// planner (nine dish lists over the whole book), opening one of its lists, and laying out the
// whole picture catalogue (2,185 pages of placed items; the pictures are looked up, not decoded);
// for scale, writing ten catalogue pages into a PDF with the stand-in picture in every cell.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTemporaryDir>

#include "book_generator.h"
#include "menu/windows/frm_menu.h"
#include "platform/windows/artwork.h"
#include "printing/rules/catalogue_layout.h"
#include "platform/windows/page_printer.h"
#include "platform/windows/print_fonts.h"
#include "silent_dialogs.h"

namespace {

// A Module1 over the generated book with its recipe table loaded.
Module1& fullBook() {
  static Module1* module = [] {
    auto* m = new Module1(bench::Book().folder);
    auto loaded = recipe_file::LoadRecipeFile(bench::Book().recipePath);
    m->Recipes = std::get<RecipeTable>(std::move(loaded));
    return m;
  }();
  return *module;
}

void BM_OpenMenuPlanner(benchmark::State& state) {
  Module1& module = fullBook();
  bench::SilentDialogs dialogs;
  Clock clock;
  for (auto _ : state) {
    frmMenu window(module, dialogs, clock, [](QWidget&) {});
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(&window);
  }
  state.counters["recipes"] = module.RecipeCount();
}
BENCHMARK(BM_OpenMenuPlanner)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenDishList(benchmark::State& state) {
  Module1& module = fullBook();
  bench::SilentDialogs dialogs;
  Clock clock;
  frmMenu window(module, dialogs, clock, [](QWidget&) {});
  window.show();
  auto* dishes = window.findChild<QComboBox*>(QStringLiteral("cboMenu(4)"));
  for (auto _ : state) {
    dishes->showPopup();
    QApplication::processEvents();
    state.PauseTiming();
    dishes->hidePopup();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDishList)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_LayOutWholeCatalogue(benchmark::State& state) {
  Module1& module = fullBook();
  int pages = 0;
  for (auto _ : state) {
    const PageDocument document =
        CatalogueDocument(module.Recipes, {1, module.RecipeCount()}, module.Prof.BindingMargin, module.Folder,
                          FontTextMeasure());
    pages = document.pageCount();
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_LayOutWholeCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CatalogueTenPagesToPdf(benchmark::State& state) {
  Module1& module = fullBook();
  QTemporaryDir folder;
  NoPictureImage().save(QDir(folder.path()).filePath(QStringLiteral("NOPIC.JPG")));
  const PageDocument document =
      CatalogueDocument(module.Recipes, {1, 150}, 0, DataFolder(folder.path()), FontTextMeasure());
  const QString pdf = QDir(folder.path()).filePath(QStringLiteral("catalogue.pdf"));
  for (auto _ : state) benchmark::DoNotOptimize(WritePdf(document, pdf));
  state.counters["pages"] = document.pageCount();
  state.counters["pdf_kib"] = double(QFileInfo(pdf).size()) / 1024;
}
BENCHMARK(BM_CatalogueTenPagesToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
