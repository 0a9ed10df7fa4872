// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/windows/backup_before_write.h"
#include "printing/windows/frm_print.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "printing/rules/catalogue_range.h"
#include "printing/rules/recipe_print_layout.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/page_printer.h"
#include "platform/windows/print_fonts.h"
#include "platform/windows/user_text.h"
#include "printing/windows/print_pictures.h"
#include "store/rules/profile_file.h"

namespace {

constexpr int kMaxMarginMm = 15;
constexpr int kLongJobPages = 10;

template <typename Control>
Control* placed(Control* control, const QString& name, QRect where) {
  control->setObjectName(name);
  control->setGeometry(where);
  return control;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& what, QRect where, QPixmap (*draw)(QSize)) {
  auto* label = placed(new QLabel(parent), name, where);
  label->setPixmap(draw(where.size()));
  label->setAccessibleName(what);
  return label;
}

}  // namespace

frmPrint::frmPrint(Module1& module, Dialogs& dialogs, MainWindowForPrint mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), main_(std::move(mainWindow)) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral("レシピ＆メニュー印刷"));
  setFixedSize(520, 380);
  buildControls();
  Form_Load();
}

void frmPrint::buildControls() {
  auto* recipeFrame = placed(new QGroupBox(QStringLiteral("レシピ印刷"), this), QStringLiteral("Frame2"), {16, 12, 370, 112});
  optText = placed(new QRadioButton(QStringLiteral("テキストベースで印刷します"), recipeFrame), QStringLiteral("optText"),
                   {12, 26, 240, 24});
  optForm = placed(new QRadioButton(QStringLiteral("画面イメージまま印刷します"), recipeFrame), QStringLiteral("optForm"),
                   {12, 54, 240, 24});
  cmdPrintForm = placed(new QPushButton(QStringLiteral("印刷"), recipeFrame), QStringLiteral("cmdPrintForm"),
                        {262, 68, 96, 32});
  cmdPrintForm->setToolTip(QStringLiteral("指定の形でレシピを印刷します"));
  picture(this, QStringLiteral("Image1"), QStringLiteral("レシピ印刷の図"), {400, 16, 104, 104}, RecipePagePicture);

  auto* catalogueFrame =
      placed(new QGroupBox(QStringLiteral("メニュー印刷"), this), QStringLiteral("Frame1"), {16, 136, 370, 144});
  optAll = placed(new QRadioButton(QStringLiteral("全部印刷します"), catalogueFrame), QStringLiteral("optAll"),
                  {12, 26, 240, 24});
  optHani = placed(new QRadioButton(QStringLiteral("印刷範囲を指定して印刷します"), catalogueFrame),
                   QStringLiteral("optHani"), {12, 54, 260, 24});
  txtSt = placed(new QLineEdit(catalogueFrame), QStringLiteral("txtSt"), {32, 88, 80, 26});
  txtSt->setAccessibleName(QStringLiteral("印刷範囲の最初のレシピ番号"));
  auto* between = placed(new QLabel(QStringLiteral("～"), catalogueFrame), QStringLiteral("Label1"), {116, 88, 20, 26});
  between->setAlignment(Qt::AlignCenter);
  txtEd = placed(new QLineEdit(catalogueFrame), QStringLiteral("txtEd"), {140, 88, 80, 26});
  txtEd->setAccessibleName(QStringLiteral("印刷範囲の最後のレシピ番号"));
  cmdPrintZestra = placed(new QPushButton(QStringLiteral("印刷"), catalogueFrame), QStringLiteral("cmdPrintZestra"),
                          {262, 100, 96, 32});
  cmdPrintZestra->setToolTip(QStringLiteral("メニューを印刷します"));
  picture(this, QStringLiteral("Image2"), QStringLiteral("メニュー印刷の図"), {400, 150, 104, 124}, CataloguePagePicture);

  auto* before = placed(new QLabel(QStringLiteral("綴じ代（左マージン）"), this), QStringLiteral("Label2(0)"),
                        {16, 296, 150, 24});
  hsbMjn = placed(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hsbMjn"), {168, 298, 150, 20});
  hsbMjn->setRange(0, kMaxMarginMm);
  hsbMjn->setPageStep(1);
  before->setBuddy(hsbMjn);
  lblMjn = placed(new QLabel(this), QStringLiteral("lblMjn"), {322, 296, 24, 24});
  lblMjn->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblMjn->setToolTip(QStringLiteral("綴じ代量を入力します"));
  placed(new QLabel(QStringLiteral("mm相当"), this), QStringLiteral("Label2(1)"), {350, 296, 60, 24});
  picture(this, QStringLiteral("Image3"), QStringLiteral("綴じ代の図"), {420, 284, 64, 48}, BindingMarginPicture);

  cmdHozon = placed(new QPushButton(QStringLiteral("綴じ代確定"), this), QStringLiteral("cmdHozon"), {16, 334, 120, 32});
  cmdHozon->setToolTip(QStringLiteral("変更した綴じ代の値を保存します"));
  cmdModori = placed(new QPushButton(QStringLiteral("戻り"), this), QStringLiteral("cmdModori"), {400, 334, 104, 32});
  cmdModori->setToolTip(QStringLiteral("メインに戻ります"));

  connect(hsbMjn, &QScrollBar::valueChanged, this, &frmPrint::hsbMjn_Change);
  connect(cmdHozon, &QPushButton::clicked, this, &frmPrint::cmdHozon_Click);
  connect(cmdModori, &QPushButton::clicked, this, &frmPrint::cmdModori_Click);
  connect(cmdPrintForm, &QPushButton::clicked, this, &frmPrint::cmdPrintForm_Click);
  connect(optAll, &QRadioButton::clicked, this, &frmPrint::optAll_Click);
  connect(optHani, &QRadioButton::clicked, this, &frmPrint::optHani_Click);
  connect(cmdPrintZestra, &QPushButton::clicked, this, &frmPrint::cmdPrintZestra_Click);
}

void frmPrint::Form_Load() {
  if (main_.window) move(main_.window->pos());
  optText->setChecked(true);
  optAll->setChecked(true);
  optAll_Click();
  hsbMjn->setValue(qBound(0, module_.Prof.BindingMargin, kMaxMarginMm));
  hsbMjn_Change();
}

void frmPrint::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (optAll->isChecked()) optAll_Click();
}

// Every move of the scroll bar, a drag included, takes effect for the rest of the run.
void frmPrint::hsbMjn_Change() {
  lblMjn->setText(QString::number(hsbMjn->value()));
  module_.Prof.BindingMargin = hsbMjn->value();
}

void frmPrint::cmdHozon_Click() {
  BackUpBeforeWrite(module_, dialogs_, module_.path(kProfileFileName), backups::Change::Keeps);
  if (auto error = SaveProfile(module_.path(kProfileFileName), module_.Prof, kMarginLine))
    dialogs_.error(error->message(), QStringLiteral("保存エラー"));
}

void frmPrint::cmdModori_Click() { close(); }

void frmPrint::cmdPrintForm_Click() {
  if (optText->isChecked()) {
    const QString picture = main_.shownPictureFile ? main_.shownPictureFile() : QString();
    print(RecipeTextDocument(main_.shownRecipe(), picture, module_.Prof.BindingMargin, DefaultPrintableArea(),
                             FontTextMeasure()));
  } else {
    print(GrabWindowDocument(*main_.window, QStringLiteral("レシピ画面印刷")));
  }
}

void frmPrint::optAll_Click() {
  txtSt->setText(QStringLiteral("1"));
  txtEd->setText(QString::number(module_.RecipeCount()));
  txtSt->setEnabled(false);
  txtEd->setEnabled(false);
}

void frmPrint::optHani_Click() {
  txtSt->setEnabled(true);
  txtEd->setEnabled(true);
  txtSt->setFocus();
}

void frmPrint::cmdPrintZestra_Click() {
  if (optAll->isChecked()) optAll_Click();  // the book may have changed since the window opened
  const RangeCheck check = CheckCatalogueRange(txtSt->text(), txtEd->text(), module_.RecipeCount());
  if (!check.range) {
    rejectRange(check);
    return;
  }
  const PageDocument catalogue = [&] {
    BusyCursor busy;
    return CatalogueDocument(module_.Recipes, *check.range, module_.Prof.BindingMargin, module_.Folder,
                             FontTextMeasure());
  }();
  print(catalogue);
}

// The offending boxes are emptied, the beep sounds and the focus goes to the first empty box.
void frmPrint::rejectRange(const RangeCheck& check) {
  if (check.emptyFirst) txtSt->clear();
  if (check.emptyLast) txtEd->clear();
  dialogs_.beep();
  (check.focus == RangeCheck::Focus::First ? txtSt : txtEd)->setFocus();
}

// A long job (the whole catalogue of a full book is over two thousand pages) shows how far it is
// and can be stopped; a short one shows this only when it turns out slow.
void frmPrint::print(const PageDocument& document) {
  QProgressDialog progress(QStringLiteral("印刷しています…"), QStringLiteral("中止"), 0, document.pageCount(), this);
  progress.setObjectName(QStringLiteral("printProgress"));
  ShowUserWindowTitle(&progress, document.title());
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(document.pageCount() >= kLongJobPages ? 0 : 2000);
  PrintDocument(document, module_.Folder, dialogs_, [&progress](int done, int count) {
    progress.setLabelText(QStringLiteral("印刷しています… %1 / %2 ページ").arg(done + 1).arg(count));
    progress.setValue(done);
    return !progress.wasCanceled();
  });
}
