// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a recipe in from a web page: from the address pasted into 「Webから取り込み」 to the
// preview filled, for a page served from this machine (the goal is 0.2 s), and the reading of
// the page's recipe data alone. The page is the tests' recipe page amid 300 KB of other markup,
// about what a recipe site's page weighs.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>
#include <QEventLoop>
#include <QTimer>

#include "program_on_book.h"
#include "silent_dialogs.h"
#include "main_window/frm_main.h"
#include "store/windows/frm_splash.h"
#include "support/local_web_server.h"
#include "support/recipe_pages.h"
#include "web_import/rules/imported_recipe.h"
#include "web_import/rules/page_recipes.h"
#include "web_import/windows/frm_web_import.h"

namespace {

QByteArray sitePage() {
  QByteArray filler;
  for (int i = 0; filler.size() < 300 * 1024; ++i)
    filler += "<div class=\"card\"><a href=\"/r/" + QByteArray::number(i) + "\"><img src=\"/t/" + QByteArray::number(i) +
              ".jpg\"><p>季節の野菜を使ったおかずのレシピ " + QByteArray::number(i) + "</p></a></div>\n";
  QByteArray page = recipe_pages::kPlain;
  return page.replace("<body>", "<body>" + filler);
}

void BM_PageReadAndMapped(benchmark::State& state) {
  const QByteArray page = sitePage();
  const CategoryLists lists{{QStringLiteral("和食")}, {QStringLiteral("主菜")}, {QStringLiteral("焼く")}};
  for (auto _ : state) {
    const web_import::PageRecipes recipes = web_import::ReadPage(page);
    benchmark::DoNotOptimize(web_import::MapRecipe(recipes.recipes.value(0), {recipes.siteName, recipes.address}, lists));
  }
  state.counters["page_kb"] = double(page.size()) / 1024;
}
BENCHMARK(BM_PageReadAndMapped)->Unit(benchmark::kMillisecond);

void BM_PasteToPreview(benchmark::State& state) {
  bench::SilentDialogs dialogs;
  Clock clock;
  auto program = bench::StartOnBook(state, dialogs, clock);
  if (!program) return;
  LocalWebServer server;
  server.page(QStringLiteral("/recipe"), sitePage());
  program->main->findChild<QPushButton*>(QStringLiteral("cmdWeb"))->click();
  auto* window = program->main->findChild<frmWebImport*>(QStringLiteral("frmWebImport"));
  QEventLoop untilShown;
  QObject::connect(window, &frmWebImport::previewShown, &untilShown, &QEventLoop::quit);
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, &untilShown, [&] { untilShown.exit(1); });
  for (auto _ : state) {
    giveUp.start(5000);
    window->open(server.url(QStringLiteral("/recipe")));
    if (untilShown.exec() != 0) state.SkipWithError("no preview");
    giveUp.stop();
    if (window->findChild<QLineEdit*>(QStringLiteral("txtName"))->text().isEmpty()) state.SkipWithError("empty preview");
  }
}
BENCHMARK(BM_PasteToPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
