// SPDX-License-Identifier: GPL-3.0-or-later
// The sorted list and the two chart windows, opened from the main window's buttons as a user
// opens them.
#include <QAbstractItemModelTester>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>

#include "listing/rules/sorted_listing.h"
#include "listing/windows/frm_graph2.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"
#include "support/soon.h"

namespace {

// A recipe with the four listed values and a genre.
QStringList Listed(const QString& name, const QString& calories, const QString& salt, const QString& time,
                   const QString& count, const QString& genre = QStringLiteral("和食")) {
  return recordLines({name, genre, QStringLiteral("主菜"), QStringLiteral("煮る"), calories, salt, time,
                      QStringLiteral("未"), QStringLiteral("未"), count, QString()});
}

}  // namespace

class ListingTest : public MainWindowTest {
 protected:
  // Presses the main window's button and returns the window it shows.
  QWidget* openFrom(const QString& button, const QString& windowName) {
    click(button);
    QWidget* shown = nullptr;
    for (QWidget* w : window->findChildren<QWidget*>(windowName))
      if (w->isVisible()) shown = w;
    EXPECT_NE(shown, nullptr) << windowName.toStdString();
    return shown;
  }
  template <typename T = QWidget>
  static T* in(QWidget* parent, const QString& name) {
    return FindControl<T>(parent, name);
  }
  // The grid's rows as "name value".
  static QStringList rows(QTableView* grid) {
    QStringList shown;
    const QAbstractItemModel* model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r)
      shown << model->index(r, 0).data().toString() + u' ' + model->index(r, 1).data().toString();
    return shown;
  }
  static void clickRow(QTableView* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  int shownRecord() { return control<QScrollBar>(QStringLiteral("hsbData"))->value(); }
  QString shownName() { return control<QComboBox>(QStringLiteral("cboNamae"))->currentText(); }
};

TEST_F(ListingTest, SortedListOpensWithFourAscendingGridsAndItsCaptions) {
  writeRecipes({Listed(QStringLiteral("百"), QStringLiteral("100"), QStringLiteral("2.5"), QStringLiteral("30"), QStringLiteral("12")),
                Listed(QStringLiteral("九"), QStringLiteral("9"), QStringLiteral("0.7"), QStringLiteral("5"), QStringLiteral("3")),
                Listed(QStringLiteral("十"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"))});
  open();
  QWidget* sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(sort, nullptr);
  EXPECT_EQ(sort->windowTitle(), QStringLiteral("並び替えリスト"));
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgCal"))), QStringList({"九 9", "十 10", "百 100"}));
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgEnbun"))), QStringList({"九 0.7", "十 1", "百 2.5"}));
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgJikan"))), QStringList({"九 5", "百 30", "十 100"}));
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgKaisu"))), QStringList({"十 0", "九 3", "百 12"}));

  const struct {
    const char *frame, *caption, *grid, *header, *option, *low, *high;
  } grids[] = {{"Frame1", " カロリー", "msgCal", "カロリー", "optCal", "低い順", "高い順"},
               {"Frame2", " 塩分", "msgEnbun", "塩分", "optEnbun", "少ない順", "多い順"},
               {"Frame3", " 調理時間", "msgJikan", "時間", "optJikan", "短い順", "長い順"},
               {"Frame4", "調理回数", "msgKaisu", "回数", "optKaisu", "少ない順", "多い順"}};
  for (const auto& g : grids) {
    SCOPED_TRACE(g.grid);
    EXPECT_EQ(in<QGroupBox>(sort, QString::fromUtf8(g.frame))->title(), QString::fromUtf8(g.caption));
    auto* grid = in<QTableView>(sort, QString::fromUtf8(g.grid));
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("料理名"));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8(g.header));
    EXPECT_EQ(grid->columnWidth(0), 265);  // 3970 twips
    EXPECT_EQ(grid->columnWidth(1), 58);   // 870 twips
    auto* low = in<QRadioButton>(sort, QStringLiteral("%1(0)").arg(QString::fromUtf8(g.option)));
    auto* high = in<QRadioButton>(sort, QStringLiteral("%1(1)").arg(QString::fromUtf8(g.option)));
    EXPECT_EQ(low->text(), QString::fromUtf8(g.low));
    EXPECT_EQ(high->text(), QString::fromUtf8(g.high));
    EXPECT_TRUE(low->isChecked());
    EXPECT_FALSE(high->isChecked());
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  }
  EXPECT_TRUE(in<QRadioButton>(sort, QStringLiteral("optHide"))->isChecked());
  EXPECT_EQ(in<QRadioButton>(sort, QStringLiteral("optHide"))->text(), QStringLiteral("クリック時はフォームを隠す"));
  EXPECT_EQ(in<QRadioButton>(sort, QStringLiteral("optShow"))->text(), QStringLiteral("残す"));
  EXPECT_EQ(in<QPushButton>(sort, QStringLiteral("cmdModori"))->text(), QStringLiteral("戻り"));
  EXPECT_EQ(in<QPushButton>(sort, QStringLiteral("cmdModori"))->toolTip(), QStringLiteral("メインに戻ります"));
}

TEST_F(ListingTest, OptionsTurnOneGridRoundAndBack) {
  writeRecipes({Listed(QStringLiteral("百"), QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")),
                Listed(QStringLiteral("九"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")),
                Listed(QStringLiteral("千"), QStringLiteral("1000"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1"))});
  open();
  QWidget* sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(sort, nullptr);
  auto* calories = in<QTableView>(sort, QStringLiteral("msgCal"));
  QTest::mouseClick(in<QRadioButton>(sort, QStringLiteral("optCal(1)")), Qt::LeftButton);
  EXPECT_EQ(rows(calories), QStringList({"千 1000", "百 100", "九 9"}));
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgEnbun"))), QStringList({"百 1", "九 1", "千 2"}));
  QTest::mouseClick(in<QRadioButton>(sort, QStringLiteral("optCal(0)")), Qt::LeftButton);
  EXPECT_EQ(rows(calories), QStringList({"九 9", "百 100", "千 1000"}));
  QTest::mouseClick(in<QRadioButton>(sort, QStringLiteral("optKaisu(1)")), Qt::LeftButton);
  EXPECT_EQ(rows(calories), QStringList({"九 9", "百 100", "千 1000"}));
}

TEST_F(ListingTest, ARowClickShowsThatRecordEvenWhenItsNameIsShared) {
  writeRecipes({Listed(QStringLiteral("カレー"), QStringLiteral("800"), QStringLiteral("3"), QStringLiteral("40"), QStringLiteral("0")),
                Listed(QStringLiteral("サラダ"), QStringLiteral("80"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("0")),
                Listed(QStringLiteral("カレー"), QStringLiteral("300"), QStringLiteral("2"), QStringLiteral("20"), QStringLiteral("0"))});
  open();
  QWidget* sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(sort, nullptr);
  QTest::mouseClick(in<QRadioButton>(sort, QStringLiteral("optShow")), Qt::LeftButton);
  auto* calories = in<QTableView>(sort, QStringLiteral("msgCal"));
  clickRow(calories, 1);  // カレー 300, the third record
  EXPECT_EQ(shownRecord(), 3);
  EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtCal"))->text(), QStringLiteral("300"));
  EXPECT_TRUE(in<QRadioButton>(sort, QStringLiteral("optShow"))->isChecked());
  EXPECT_FALSE(in<QRadioButton>(sort, QStringLiteral("optHide"))->isChecked());
  EXPECT_TRUE(in<QRadioButton>(sort, QStringLiteral("optCal(0)"))->isChecked());
  EXPECT_TRUE(sort->isVisible());  // 残す
  clickRow(calories, 2);  // カレー 800, the first
  EXPECT_EQ(shownRecord(), 1);
  EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtCal"))->text(), QStringLiteral("800"));
  clickRow(in<QTableView>(sort, QStringLiteral("msgJikan")), 0);  // サラダ 5
  EXPECT_EQ(shownName(), QStringLiteral("サラダ"));
  EXPECT_EQ(shownRecord(), 2);

  // Enter opens the current row.
  auto* counts = in<QTableView>(sort, QStringLiteral("msgKaisu"));
  counts->setFocus();
  counts->setCurrentIndex(counts->model()->index(2, 0));  // equal counts keep table order: the third
  QTest::keyClick(counts, Qt::Key_Return);
  EXPECT_EQ(shownRecord(), 3);
  clickRow(in<QTableView>(sort, QStringLiteral("msgJikan")), 0);
  ASSERT_EQ(shownRecord(), 2);

  // The header row opens nothing.
  auto* header = calories->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 10, 5));
  EXPECT_EQ(shownRecord(), 2);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ListingTest, HiddenAfterAClickAndShownAgainAsItWasLeft) {
  writeRecipes({Listed(QStringLiteral("百"), QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")),
                Listed(QStringLiteral("九"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"))});
  open();
  QWidget* sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(sort, nullptr);
  QTest::mouseClick(in<QRadioButton>(sort, QStringLiteral("optCal(1)")), Qt::LeftButton);
  clickRow(in<QTableView>(sort, QStringLiteral("msgCal")), 1);
  EXPECT_EQ(shownName(), QStringLiteral("九"));
  EXPECT_FALSE(sort->isVisible());

  QWidget* again = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  EXPECT_EQ(again, sort);
  EXPECT_TRUE(in<QRadioButton>(sort, QStringLiteral("optCal(1)"))->isChecked());
  EXPECT_EQ(rows(in<QTableView>(sort, QStringLiteral("msgCal"))), QStringList({"百 100", "九 9"}));
}

TEST_F(ListingTest, AnEmptyBookListsNothingAndAClickOpensNothing) {
  open();
  for (const char* button : {"cmdSort", "cmdGraph1", "cmdGraph2"})
    EXPECT_TRUE(control<QPushButton>(QString::fromLatin1(button))->isEnabled()) << button;
  QWidget* sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(sort, nullptr);
  auto* grid = in<QTableView>(sort, QStringLiteral("msgKaisu"));
  EXPECT_EQ(grid->model()->rowCount(), 0);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_TRUE(sort->isVisible());
  QTest::mouseClick(in<QPushButton>(sort, QStringLiteral("cmdModori")), Qt::LeftButton);
  EXPECT_FALSE(sort->isVisible());
}

TEST_F(ListingTest, StoringARecipeClosesTheListsAndTheNextOpeningShowsIt) {
  writeRecipes({Listed(QStringLiteral("百"), QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"))});
  open();
  QPointer<QWidget> sort = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  QPointer<QWidget> graph = openFrom(QStringLiteral("cmdGraph1"), QStringLiteral("frmGraph1"));
  ASSERT_TRUE(sort && graph);
  click(QStringLiteral("cmdNew"));
  control<QComboBox>(QStringLiteral("cboNamae"))->setEditText(QStringLiteral("新作"));
  click(QStringLiteral("cmdTouroku"));
  EXPECT_TRUE_SOON(!sort && !graph);
  QWidget* fresh = openFrom(QStringLiteral("cmdSort"), QStringLiteral("frmSort"));
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(rows(in<QTableView>(fresh, QStringLiteral("msgCal"))), QStringList({"新作 0", "百 100"}));
  QWidget* chart = openFrom(QStringLiteral("cmdGraph1"), QStringLiteral("frmGraph1"));
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(in<QLabel>(chart, QStringLiteral("lblJ_ken(0)"))->text(), QStringLiteral("1"));
  EXPECT_EQ(in<QLabel>(chart, QStringLiteral("lblJ_p(6)"))->text(), QStringLiteral("50.0%"));
}

namespace {

QString SeriesKind(QWidget* window, const QString& chart) {
  auto* view = window->findChild<QChartView*>(chart);
  if (!view || view->chart()->series().size() != 1) return QStringLiteral("none");
  return view->chart()->series()[0]->type() == QAbstractSeries::SeriesTypePie ? QStringLiteral("pie")
                                                                                : QStringLiteral("bar");
}

}  // namespace

TEST_F(ListingTest, CategoryChartsShowCountsSharesAndSwatchColouredPies) {
  writeRecipes({Listed(QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")),
                Listed(QStringLiteral("b"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")),
                Listed(QStringLiteral("c"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                       QStringLiteral("中華"))});
  open();
  QWidget* graph = openFrom(QStringLiteral("cmdGraph1"), QStringLiteral("frmGraph1"));
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("種類分析"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_name(0)"))->text(), QStringLiteral("和食"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_ken(0)"))->text(), QStringLiteral("2"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_p(0)"))->text(), QStringLiteral("66.7%"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_ken(2)"))->text(), QStringLiteral("1"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_p(2)"))->text(), QStringLiteral("33.3%"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_p(1)"))->text(), QStringLiteral("0.0%"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblJ_name(6)"))->text(), QStringLiteral("その他"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblS_name(9)"))->text(), QStringLiteral("その他"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblC_ken(1)"))->text(), QStringLiteral("3"));
  EXPECT_EQ(in<QLabel>(graph, QStringLiteral("lblC_p(1)"))->text(), QStringLiteral("100.0%"));
  EXPECT_EQ(graph->findChild<QLabel*>(QStringLiteral("lblJ_name(7)")), nullptr);

  auto* pie = qobject_cast<QPieSeries*>(in<QChartView>(graph, QStringLiteral("chrJ"))->chart()->series().value(0));
  ASSERT_NE(pie, nullptr);
  ASSERT_EQ(pie->count(), 7);
  EXPECT_EQ(pie->slices()[0]->value(), 2);
  EXPECT_EQ(pie->slices()[0]->brush().color(), QColor(0xFF, 0x00, 0x00));
  EXPECT_EQ(pie->slices()[2]->value(), 1);
  EXPECT_EQ(pie->slices()[2]->brush().color(), QColor(0x00, 0xFF, 0x00));
  EXPECT_EQ(pie->slices()[6]->brush().color(), QColor(0xC0, 0xC0, 0xFF));
  // An empty slice leaves no hairline from the centre; a filled one has no dark seam.
  EXPECT_EQ(pie->slices()[1]->pen().style(), Qt::NoPen);
  EXPECT_EQ(pie->slices()[0]->pen().color(), QColor(0xFF, 0x00, 0x00));
  auto* kinds = qobject_cast<QPieSeries*>(in<QChartView>(graph, QStringLiteral("chrS"))->chart()->series().value(0));
  ASSERT_NE(kinds, nullptr);
  EXPECT_EQ(kinds->count(), 10);
  EXPECT_EQ(kinds->slices()[9]->brush().color(), QColor(0xFF, 0xFF, 0xC0));

  QTest::mouseClick(in<QPushButton>(graph, QStringLiteral("cmdBar")), Qt::LeftButton);
  for (const char* chart : {"chrJ", "chrS", "chrC"}) EXPECT_EQ(SeriesKind(graph, QString::fromLatin1(chart)), "bar") << chart;
  auto* bars = qobject_cast<QBarSeries*>(in<QChartView>(graph, QStringLiteral("chrJ"))->chart()->series().value(0));
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 7);
  EXPECT_EQ(bars->barSets()[0]->at(0), 2);
  EXPECT_EQ(bars->barSets()[0]->color(), QColor(0xFF, 0x00, 0x00));
  QTest::mouseClick(in<QPushButton>(graph, QStringLiteral("cmdPai")), Qt::LeftButton);
  for (const char* chart : {"chrJ", "chrS", "chrC"}) EXPECT_EQ(SeriesKind(graph, QString::fromLatin1(chart)), "pie") << chart;
}

TEST_F(ListingTest, ChartsOfAnEmptyBookShowZeros) {
  open();
  QWidget* graph1 = openFrom(QStringLiteral("cmdGraph1"), QStringLiteral("frmGraph1"));
  ASSERT_NE(graph1, nullptr);
  for (const char* prefix : {"lblJ", "lblS", "lblC"})
    for (int i = 0; i < (prefix == std::string("lblJ") ? 7 : 10); ++i) {
      EXPECT_EQ(in<QLabel>(graph1, QStringLiteral("%1_ken(%2)").arg(QLatin1String(prefix)).arg(i))->text(), "0");
      EXPECT_EQ(in<QLabel>(graph1, QStringLiteral("%1_p(%2)").arg(QLatin1String(prefix)).arg(i))->text(), "0.0%");
    }
  QWidget* graph2 = openFrom(QStringLiteral("cmdGraph2"), QStringLiteral("frmGraph2"));
  ASSERT_NE(graph2, nullptr);
  for (const char* name : {"lblJiseki_p(0)", "lblJiseki_p(1)", "lblHyo1_p(0)", "lblHyo1_p(2)", "lblHyo2_p(1)"})
    EXPECT_EQ(in<QLabel>(graph2, QString::fromLatin1(name))->text(), "0.0%") << name;
  EXPECT_EQ(in<QLabel>(graph2, QStringLiteral("lblLevel"))->text(), QStringLiteral("Level  0"));
  EXPECT_EQ(SeriesKind(graph2, QStringLiteral("chrJiko")), "bar");
}

TEST_F(ListingTest, RatingChartsShowCookedAndBothRatingsAsBars) {
  // One never cooked; three cooked rated 優, 優, 不 by the cook and 優, 良, 良 by the others.
  writeRecipes({simpleRecipe(QStringLiteral("a")), simpleRecipe(QStringLiteral("b"), QStringLiteral("優"), QStringLiteral("優")),
                simpleRecipe(QStringLiteral("c"), QStringLiteral("優"), QStringLiteral("良")),
                simpleRecipe(QStringLiteral("d"), QStringLiteral("不"), QStringLiteral("良"))});
  open();
  QWidget* graph = openFrom(QStringLiteral("cmdGraph2"), QStringLiteral("frmGraph2"));
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("評価分析"));
  const std::pair<const char*, const char*> expected[] = {
      {"lblJiseki(0)", "調理済み"}, {"lblJiseki_ken(0)", "3"}, {"lblJiseki_p(0)", "75.0%"},
      {"lblJiseki(1)", "未調理"},   {"lblJiseki_ken(1)", "1"}, {"lblJiseki_p(1)", "25.0%"},
      {"lblHyo1(0)", "優"},         {"lblHyo1_ken(0)", "2"},   {"lblHyo1_p(0)", "66.7%"},
      {"lblHyo1(1)", "良"},         {"lblHyo1_ken(1)", "0"},   {"lblHyo1_p(1)", "0.0%"},
      {"lblHyo1(2)", "不"},         {"lblHyo1_ken(2)", "1"},   {"lblHyo1_p(2)", "33.3%"},
      {"lblHyo2(0)", "優"},         {"lblHyo2_ken(0)", "1"},   {"lblHyo2_p(0)", "33.3%"},
      {"lblHyo2(1)", "良"},         {"lblHyo2_ken(1)", "2"},   {"lblHyo2_p(1)", "66.7%"},
      {"lblHyo2(2)", "不"},         {"lblHyo2_ken(2)", "0"},   {"lblHyo2_p(2)", "0.0%"},
  };
  for (const auto& [name, text] : expected)
    EXPECT_EQ(in<QLabel>(graph, QString::fromLatin1(name))->text(), QString::fromUtf8(text)) << name;

  for (const char* chart : {"chrJitu", "chrJiko", "chrSansya"}) EXPECT_EQ(SeriesKind(graph, QString::fromLatin1(chart)), "bar") << chart;
  auto* cooked = qobject_cast<QBarSeries*>(in<QChartView>(graph, QStringLiteral("chrJitu"))->chart()->series().value(0));
  ASSERT_NE(cooked, nullptr);
  ASSERT_EQ(cooked->count(), 2);
  EXPECT_EQ(cooked->barSets()[0]->at(0), 3);
  EXPECT_EQ(cooked->barSets()[0]->color(), QColor(0x00, 0xFF, 0x00));
  EXPECT_EQ(cooked->barSets()[1]->color(), QColor(0xFF, 0x00, 0x00));
  auto* others = qobject_cast<QBarSeries*>(in<QChartView>(graph, QStringLiteral("chrSansya"))->chart()->series().value(0));
  ASSERT_NE(others, nullptr);
  EXPECT_EQ(others->barSets()[1]->at(0), 2);
  EXPECT_EQ(others->barSets()[0]->color(), QColor(0x00, 0x00, 0xFF));
  EXPECT_EQ(others->barSets()[1]->color(), QColor(0xFF, 0xFF, 0x00));

  QTest::mouseClick(in<QPushButton>(graph, QStringLiteral("cmdPai")), Qt::LeftButton);
  for (const char* chart : {"chrJitu", "chrJiko", "chrSansya"}) EXPECT_EQ(SeriesKind(graph, QString::fromLatin1(chart)), "pie") << chart;
  QTest::mouseClick(in<QPushButton>(graph, QStringLiteral("cmdBar")), Qt::LeftButton);
  for (const char* chart : {"chrJitu", "chrJiko", "chrSansya"}) EXPECT_EQ(SeriesKind(graph, QString::fromLatin1(chart)), "bar") << chart;
}

TEST_F(ListingTest, LevelCaptionAndBarFollowTheLevel) {
  open();
  module->Stats.LevelPercent = 85.2f;
  frmGraph2 graph(*module, dialogs);
  EXPECT_EQ(in<QLabel>(&graph, QStringLiteral("lblLevel"))->text(), QStringLiteral("Level  85"));
  const auto colours = LevelBarColours(85.2f);
  for (int i = 1; i <= 10; ++i) {
    auto* segment = in<QFrame>(&graph, QStringLiteral("shpLevel(%1)").arg(i));
    const Rgb c = colours[size_t(i - 1)];
    EXPECT_EQ(segment->palette().color(QPalette::Window), QColor(c.r, c.g, c.b)) << i;
  }
}

TEST_F(ListingTest, PrintButtonsPrintTheWindowImage) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  open();
  for (const auto& [button, name, title] : {std::tuple{"cmdGraph1", "frmGraph1", "種類分析"},
                                             std::tuple{"cmdGraph2", "frmGraph2", "評価分析"}}) {
    QWidget* graph = openFrom(QString::fromLatin1(button), QString::fromLatin1(name));
    ASSERT_NE(graph, nullptr);
    dialogs.clear();
    auto* print = in<QPushButton>(graph, QStringLiteral("cmdPrint"));
    EXPECT_EQ(print->text(), QStringLiteral("印刷"));
    EXPECT_EQ(print->toolTip(), QStringLiteral("画面イメージで印刷します"));
    QTest::mouseClick(print, Qt::LeftButton);
    const QString path = book.path(QString::fromUtf8(title) + QStringLiteral("001.pdf"));
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.endsWith(QDir::toNativeSeparators(path)));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    ASSERT_TRUE(images.waitForFinished(20000));
    // One page holding one picture the size of the window.
    const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    const QStringList columns = lines[2].simplified().split(u' ');
    EXPECT_EQ(columns.value(0), QStringLiteral("1"));
    EXPECT_EQ(columns.value(3), QString::number(graph->width()));
    EXPECT_EQ(columns.value(4), QString::number(graph->height()));
  }
}

TEST_F(ListingTest, ChartButtonsCarryTheirTextsInTheirOrder) {
  open();
  QWidget* graph1 = openFrom(QStringLiteral("cmdGraph1"), QStringLiteral("frmGraph1"));
  QWidget* graph2 = openFrom(QStringLiteral("cmdGraph2"), QStringLiteral("frmGraph2"));
  ASSERT_TRUE(graph1 && graph2);
  auto leftToRight = [&](QWidget* w) {
    QStringList names = {QStringLiteral("cmdPai"), QStringLiteral("cmdBar"), QStringLiteral("cmdPrint"),
                         QStringLiteral("cmdModori")};
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
      return in<QPushButton>(w, a)->x() < in<QPushButton>(w, b)->x();
    });
    return names;
  };
  EXPECT_EQ(leftToRight(graph1), QStringList({"cmdPai", "cmdBar", "cmdPrint", "cmdModori"}));
  EXPECT_EQ(leftToRight(graph2), QStringList({"cmdBar", "cmdPai", "cmdPrint", "cmdModori"}));
  EXPECT_EQ(in<QPushButton>(graph1, QStringLiteral("cmdPai"))->text(), QStringLiteral("円グラフ"));
  EXPECT_EQ(in<QPushButton>(graph1, QStringLiteral("cmdPai"))->toolTip(), QStringLiteral("円グラフを表示します"));
  EXPECT_EQ(in<QPushButton>(graph2, QStringLiteral("cmdBar"))->text(), QStringLiteral("棒グラフ"));
  EXPECT_EQ(in<QPushButton>(graph2, QStringLiteral("cmdBar"))->toolTip(), QStringLiteral("棒グラフを表示します"));
  QTest::mouseClick(in<QPushButton>(graph2, QStringLiteral("cmdModori")), Qt::LeftButton);
  EXPECT_FALSE(graph2->isVisible());
}

TEST_F(ListingTest, EachWindowReadsToAScreenReaderWhatItShows) {
  writeRecipes({Listed(QStringLiteral("肉じゃが"), QStringLiteral("350"), QStringLiteral("2.5"), QStringLiteral("40"), QStringLiteral("3")),
                Listed(QStringLiteral("麻婆豆腐"), QStringLiteral("420"), QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("1"),
                       QStringLiteral("中華"))});
  open();
  const auto expectReadsWhatItShows = [](QWidget* shown) {
    const QStringList faults = ShownTextsMissingFromNames(shown);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
  };
  for (const auto& [button, name] : {std::pair{"cmdSort", "frmSort"}, {"cmdGraph1", "frmGraph1"}, {"cmdGraph2", "frmGraph2"}}) {
    QWidget* shown = openFrom(QString::fromLatin1(button), QString::fromLatin1(name));
    ASSERT_NE(shown, nullptr);
    expectReadsWhatItShows(shown);
    // A chart window is read with either kind of chart on it.
    for (const char* chart : {"cmdPai", "cmdBar"}) {
      if (auto* chartButton = shown->findChild<QPushButton*>(QString::fromLatin1(chart))) {
        QTest::mouseClick(chartButton, Qt::LeftButton);
        expectReadsWhatItShows(shown);
      }
    }
  }
}
