// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, where they stand and how its panels are wired.
#include "main_window/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "main_extras/windows/cooking_log_panel.h"
#include "main_extras/windows/picture_box.h"
#include "main_extras/windows/picture_picker.h"
#include "main_extras/windows/reference_box.h"
#include "main_extras/windows/slideshow_panel.h"
#include "main_extras/windows/window_buttons.h"
#include "platform/windows/clickable_label.h"
#include "platform/windows/controls.h"
#include "platform/windows/fixed_layout.h"
#include "platform/windows/level_bar.h"
#include "web_import/windows/web_import_door.h"

using controls::caption;
using controls::editableCombo;
using controls::numberBox;

namespace {

// Where every control stands, in pixels. The picture frame places itself (its size toggles).
void placeControls(QWidget* window) {
  PlaceControls(window, {
      {"lblRyoriNm", {16, 14, 64, 26}},    {"cboNamae", {84, 14, 340, 26}},
      {"lblCopyright", {440, 8, 160, 22}}, {"Label2", {440, 30, 160, 16}},

      {"lblJyanru", {16, 52, 64, 26}},     {"cboJyanru", {84, 52, 130, 26}},
      {"lblSyurui", {226, 52, 40, 26}},    {"cboSyurui", {266, 52, 130, 26}},
      {"lblCyouri", {408, 52, 64, 26}},    {"cboCyouri", {472, 52, 128, 26}},

      {"lblCal", {16, 88, 64, 26}},        {"txtCal", {84, 88, 90, 26}},     {"lblCalUnit", {178, 88, 40, 26}},
      {"lblEnbun", {226, 88, 40, 26}},     {"txtEnbun", {266, 88, 90, 26}},  {"lblEnbunUnit", {360, 88, 24, 26}},
      {"lblJikan", {408, 88, 64, 26}},     {"txtJikan", {472, 88, 90, 26}},  {"lblJikanUnit", {566, 88, 24, 26}},

      {"lblSankou", {16, 124, 64, 26}},    {"cboSankou", {84, 124, 516, 26}},
      {"lblZairyou", {16, 160, 64, 26}},   {"txtZairyou", {84, 160, 516, 122}},
      {"fraPicget", {84, 160, 516, 358}},
      {"lblTukuri", {16, 290, 64, 26}},    {"txtTukuri", {84, 290, 516, 150}},
      {"lblMemo", {16, 448, 64, 26}},      {"txtMemo", {84, 448, 516, 70}},

      {"hsbData", {84, 530, 420, 22}},     {"lblKensu", {510, 530, 90, 22}},

      {"CookingLogPanel", {612, 296, 360, 130}},
      {"LevelBar", {616, 440, 352, 20}},
      {"lblSlideshow", {616, 476, 100, 26}}, {"SlideshowPanel", {716, 474, 84, 30}},

      {"cmdNew", {16, 572, 84, 32}},       {"cmdTouroku", {104, 572, 84, 32}},
      {"cmdDelete", {192, 572, 84, 32}},   {"cmdTorikesi", {280, 572, 120, 32}},
      {"cmdWeb", {620, 572, 132, 32}},     {"cmdFukugen", {756, 572, 124, 32}}, {"cmdEnd", {884, 572, 84, 32}},
      {"WindowButtons", {16, 616, 952, 32}},
  });
}
constexpr int kPictureRight = 968, kPictureTop = 14;

template <typename Control>
Control* named(Control* control, const QString& name) {
  control->setObjectName(name);
  return control;
}

QPlainTextEdit* textArea(QWidget* parent, const QString& name) {
  auto* area = named(new QPlainTextEdit(parent), name);
  area->setTabChangesFocus(true);
  return area;
}

}  // namespace

frmMain::frmMain(Module1& module, Dialogs& dialogs, Clock& clock, QWidget* parent)
    : QWidget(parent), module_(module), dialogs_(dialogs), clock_(clock) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("ZESTRA"));
  setFixedSize(984, 660);
  endProgram_ = [] { QApplication::quit(); };
  buildControls();
  buildButtons();
  placeControls(this);
  picture->place(kPictureRight, kPictureTop);
  connectPanels();
}

frmMain::~frmMain() {
  if (tableFreeing_.joinable()) tableFreeing_.join();
}

void frmMain::buildControls() {
  cboNamae = editableCombo(this, QStringLiteral("cboNamae"));
  lblRyoriNm = named(new ClickableLabel(QStringLiteral("料理名"), this), QStringLiteral("lblRyoriNm"));
  lblRyoriNm->setBuddy(cboNamae);
  lblRyoriNm->setToolTip(QStringLiteral("ダブルクリックで画像を取り込みます"));
  if (auto* view = qobject_cast<QListView*>(cboNamae->view())) view->setUniformItemSizes(true);
  QFont nameFont = cboNamae->font();
  nameFont.setPointSize(nameFont.pointSize() + 2);
  nameFont.setBold(true);
  cboNamae->setFont(nameFont);

  lblCopyright = named(new QLabel(QStringLiteral("～ゼストラ～"), this), QStringLiteral("lblCopyright"));
  lblCopyright->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont brand = lblCopyright->font();
  brand.setPointSize(brand.pointSize() + 4);
  brand.setBold(true);
  lblCopyright->setFont(brand);
  lblCopyright->setStyleSheet(QStringLiteral("color: #a0522d;"));
  Label2 = named(new QLabel(QStringLiteral("料理レシピソフト"), this), QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label2->setStyleSheet(QStringLiteral("color: #806040;"));

  cboJyanru = editableCombo(this, QStringLiteral("cboJyanru"));
  caption(this, QStringLiteral("ジャンル"), QStringLiteral("lblJyanru"), cboJyanru);
  cboSyurui = editableCombo(this, QStringLiteral("cboSyurui"));
  caption(this, QStringLiteral("種類"), QStringLiteral("lblSyurui"), cboSyurui);
  cboCyouri = editableCombo(this, QStringLiteral("cboCyouri"));
  caption(this, QStringLiteral("調理方法"), QStringLiteral("lblCyouri"), cboCyouri);

  txtCal = numberBox(this, QStringLiteral("txtCal"));
  caption(this, QStringLiteral("一人分㌍"), QStringLiteral("lblCal"), txtCal);
  caption(this, QStringLiteral("KCal"), QStringLiteral("lblCalUnit"));
  txtEnbun = numberBox(this, QStringLiteral("txtEnbun"));
  caption(this, QStringLiteral("塩分"), QStringLiteral("lblEnbun"), txtEnbun);
  caption(this, QStringLiteral("ｇ"), QStringLiteral("lblEnbunUnit"));
  txtJikan = numberBox(this, QStringLiteral("txtJikan"));
  caption(this, QStringLiteral("調理時間"), QStringLiteral("lblJikan"), txtJikan);
  caption(this, QStringLiteral("分"), QStringLiteral("lblJikanUnit"));

  cboSankou = editableCombo(this, QStringLiteral("cboSankou"));
  caption(this, QStringLiteral("参考"), QStringLiteral("lblSankou"), cboSankou);

  txtZairyou = textArea(this, QStringLiteral("txtZairyou"));
  caption(this, QStringLiteral("材料"), QStringLiteral("lblZairyou"), txtZairyou);
  txtTukuri = textArea(this, QStringLiteral("txtTukuri"));
  caption(this, QStringLiteral("作り方"), QStringLiteral("lblTukuri"), txtTukuri);
  txtMemo = textArea(this, QStringLiteral("txtMemo"));
  caption(this, QStringLiteral("メモ"), QStringLiteral("lblMemo"), txtMemo);

  hsbData = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hsbData"));
  hsbData->setAccessibleName(QStringLiteral("レシピの移動"));
  hsbData->setRange(1, 1);
  hsbData->setPageStep(10);
  lblKensu = named(new QLabel(this), QStringLiteral("lblKensu"));
  lblKensu->setAccessibleDescription(QStringLiteral("表示中のレシピ番号"));
  lblKensu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  picture = new PictureBox(module_, dialogs_, this);
  picker = new PicturePicker(module_, dialogs_, this);
  cookingLog = new CookingLogPanel(dialogs_, clock_, this);
  levelBar = new LevelBar(this);
  reference = new ReferenceBox(module_, dialogs_, cboSankou);
  caption(this, QStringLiteral("スライドショー"), QStringLiteral("lblSlideshow"));
  slideshow = new SlideshowPanel(module_, dialogs_, this);
}

void frmMain::connectPanels() {
  connect(hsbData, &QScrollBar::valueChanged, this, [this] { hsbData_Change(); });
  connect(cboNamae, &QComboBox::activated, this, &frmMain::cboNamae_Click);

  connect(cboNamae, &QComboBox::editTextChanged, picture, &PictureBox::setDishName);
  connect(cboNamae, &QComboBox::editTextChanged, picker, &PicturePicker::setDishName);
  connect(lblRyoriNm, &ClickableLabel::doubleClicked, picker, &PicturePicker::lblRyoriNm_DblClick);
  connect(picker, &PicturePicker::previewChosen, picture, &PictureBox::showPreview);

  connect(cookingLog, &CookingLogPanel::ratingsChanged, this, [this](const QString& self, const QString& others) {
    module_.CurrentSelfRating = self;
    module_.CurrentOthersRating = others;
  });

  connect(slideshow, &SlideshowPanel::showRecordRequested, this, [this](int record) { hsbData->setValue(record); });
  connect(slideshow, &SlideshowPanel::enlargePictureRequested, this, [this] { picture->setEnlarged(true); });
}

void frmMain::buildButtons() {
  cmdNew = named(new QPushButton(QStringLiteral("新規"), this), QStringLiteral("cmdNew"));
  cmdTouroku = named(new QPushButton(QStringLiteral("登録"), this), QStringLiteral("cmdTouroku"));
  cmdDelete = named(new QPushButton(QStringLiteral("削除"), this), QStringLiteral("cmdDelete"));
  cmdTorikesi = named(new QPushButton(QStringLiteral("削除を元に戻す"), this), QStringLiteral("cmdTorikesi"));
  cmdTorikesi->setToolTip(QStringLiteral("削除したレシピを元の位置に戻します"));
  cmdTorikesi->hide();  // until a recipe is deleted
  cmdWeb = controls::button(this, QStringLiteral("Webから取り込み"), QStringLiteral("cmdWeb"),
                            QStringLiteral("レシピのページのアドレスや保存したページからレシピを取り込みます"));
  cmdFukugen = named(new QPushButton(QStringLiteral("バックアップ"), this), QStringLiteral("cmdFukugen"));
  cmdFukugen->setToolTip(QStringLiteral("バックアップからレシピを復元します"));
  cmdEnd = named(new QPushButton(QStringLiteral("終了"), this), QStringLiteral("cmdEnd"));
  webImport = new WebImportDoor(module_, dialogs_, this, [this](const recipe_file::RecipeForm& form) { return registerImported(form); });
  connect(cmdWeb, &QPushButton::clicked, webImport, &WebImportDoor::open);
  connect(webImport, &WebImportDoor::pictureStored, this, [this] { showRecord(shownRecord()); });
  connect(cmdNew, &QPushButton::clicked, this, &frmMain::cmdNew_Click);
  connect(cmdTouroku, &QPushButton::clicked, this, &frmMain::cmdTouroku_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
  connect(cmdTorikesi, &QPushButton::clicked, this, &frmMain::cmdTorikesi_Click);
  connect(cmdFukugen, &QPushButton::clicked, this, &frmMain::cmdFukugen_Click);
  connect(cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);

  windowButtons = new WindowButtons(module_, dialogs_, this);
  registerWindows();
}

void frmMain::EndProgram() {
  hide();
  endProgram_();
}

void frmMain::cmdEnd_Click() { EndProgram(); }

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}
