// The main window's controls and where they stand.
#include "main_window/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "category_editor/windows/frm_hensyu.h"
#include "main_extras/windows/cooking_log_panel.h"
#include "main_extras/windows/picture_panel.h"
#include "main_extras/windows/reference_box.h"
#include "main_extras/windows/slideshow_panel.h"
#include "main_extras/windows/window_buttons.h"
#include "menu/windows/frm_menu.h"
#include "platform/windows/clickable_label.h"
#include "printing/windows/frm_print.h"
#include "printing/windows/page_printer.h"
#include "store/windows/level_bar.h"

namespace {

constexpr int kFieldX = 84;       // left edge of the entry fields
constexpr int kFieldRight = 600;  // right edge of the entry fields
constexpr int kRowHeight = 26;

template <typename Control>
Control* named(Control* control, const QString& name, const QString& accessibleName) {
  control->setObjectName(name);
  control->setAccessibleName(accessibleName);
  return control;
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, kRowHeight);
  return label;
}

QComboBox* editableCombo(QWidget* parent, const QString& name, const QString& accessibleName) {
  auto* combo = named(new QComboBox(parent), name, accessibleName);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(20);
  return combo;
}

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& accessibleName) {
  auto* box = named(new QLineEdit(parent), name, accessibleName);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QPlainTextEdit* textArea(QWidget* parent, const QString& name, const QString& accessibleName) {
  auto* area = named(new QPlainTextEdit(parent), name, accessibleName);
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
}

frmMain::~frmMain() = default;

void frmMain::buildControls() {
  lblRyoriNm = named(new ClickableLabel(QStringLiteral("料理名"), this), QStringLiteral("lblRyoriNm"),
                     QStringLiteral("料理名の見出し"));
  lblRyoriNm->setGeometry(16, 14, 64, kRowHeight);
  lblRyoriNm->setToolTip(QStringLiteral("ダブルクリックで画像を取り組みます"));
  cboNamae = editableCombo(this, QStringLiteral("cboNamae"), QStringLiteral("料理名"));
  cboNamae->setGeometry(kFieldX, 14, 340, kRowHeight);
  if (auto* view = qobject_cast<QListView*>(cboNamae->view())) view->setUniformItemSizes(true);
  QFont nameFont = cboNamae->font();
  nameFont.setPointSize(nameFont.pointSize() + 2);
  nameFont.setBold(true);
  cboNamae->setFont(nameFont);

  lblCopyright = new QLabel(QStringLiteral("～ゼストラ～"), this);
  lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
  lblCopyright->setGeometry(440, 8, 160, 22);
  lblCopyright->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont brand = lblCopyright->font();
  brand.setPointSize(brand.pointSize() + 4);
  brand.setBold(true);
  lblCopyright->setFont(brand);
  lblCopyright->setStyleSheet(QStringLiteral("color: #a0522d;"));
  Label2 = new QLabel(QStringLiteral("料理レシピソフト"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(440, 30, 160, 16);
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label2->setStyleSheet(QStringLiteral("color: #806040;"));

  caption(this, QStringLiteral("ジャンル"), 16, 52, 64);
  cboJyanru = editableCombo(this, QStringLiteral("cboJyanru"), QStringLiteral("ジャンル"));
  cboJyanru->setGeometry(kFieldX, 52, 130, kRowHeight);
  caption(this, QStringLiteral("種類"), 226, 52, 40);
  cboSyurui = editableCombo(this, QStringLiteral("cboSyurui"), QStringLiteral("種類"));
  cboSyurui->setGeometry(266, 52, 130, kRowHeight);
  caption(this, QStringLiteral("調理方法"), 408, 52, 64);
  cboCyouri = editableCombo(this, QStringLiteral("cboCyouri"), QStringLiteral("調理方法"));
  cboCyouri->setGeometry(472, 52, kFieldRight - 472, kRowHeight);

  caption(this, QStringLiteral("一人分㌍"), 16, 88, 64);
  txtCal = numberBox(this, QStringLiteral("txtCal"), QStringLiteral("一人分㌍"));
  txtCal->setGeometry(kFieldX, 88, 90, kRowHeight);
  caption(this, QStringLiteral("KCal"), 178, 88, 40);
  caption(this, QStringLiteral("塩分"), 226, 88, 40);
  txtEnbun = numberBox(this, QStringLiteral("txtEnbun"), QStringLiteral("塩分"));
  txtEnbun->setGeometry(266, 88, 90, kRowHeight);
  caption(this, QStringLiteral("ｇ"), 360, 88, 24);
  caption(this, QStringLiteral("調理時間"), 408, 88, 64);
  txtJikan = numberBox(this, QStringLiteral("txtJikan"), QStringLiteral("調理時間"));
  txtJikan->setGeometry(472, 88, 90, kRowHeight);
  caption(this, QStringLiteral("分"), 566, 88, 24);

  caption(this, QStringLiteral("参考"), 16, 124, 64);
  cboSankou = editableCombo(this, QStringLiteral("cboSankou"), QStringLiteral("参考"));
  cboSankou->setGeometry(kFieldX, 124, kFieldRight - kFieldX, kRowHeight);

  caption(this, QStringLiteral("材料"), 16, 160, 64);
  txtZairyou = textArea(this, QStringLiteral("txtZairyou"), QStringLiteral("材料"));
  txtZairyou->setGeometry(kFieldX, 160, kFieldRight - kFieldX, 122);
  caption(this, QStringLiteral("作り方"), 16, 290, 64);
  txtTukuri = textArea(this, QStringLiteral("txtTukuri"), QStringLiteral("作り方"));
  txtTukuri->setGeometry(kFieldX, 290, kFieldRight - kFieldX, 150);
  caption(this, QStringLiteral("メモ"), 16, 448, 64);
  txtMemo = textArea(this, QStringLiteral("txtMemo"), QStringLiteral("メモ"));
  txtMemo->setGeometry(kFieldX, 448, kFieldRight - kFieldX, 70);

  hsbData = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("hsbData"), QStringLiteral("レシピの移動"));
  hsbData->setGeometry(kFieldX, 530, 420, 22);
  hsbData->setRange(1, 1);
  hsbData->setPageStep(10);
  lblKensu = named(new QLabel(this), QStringLiteral("lblKensu"), QStringLiteral("表示中のレシピ番号"));
  lblKensu->setGeometry(510, 530, 90, 22);
  lblKensu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(hsbData, &QScrollBar::valueChanged, this, [this] { hsbData_Change(); });
  connect(cboNamae, &QComboBox::activated, this, &frmMain::cboNamae_Click);

  picture = new PicturePanel(module_, dialogs_, this, [this] { return cboNamae->currentText(); });
  picture->place(968, 14);
  picture->placePicker(kFieldX, 160, kFieldRight - kFieldX, 358);
  connect(lblRyoriNm, &ClickableLabel::doubleClicked, picture, &PicturePanel::lblRyoriNm_DblClick);

  cookingLog = new CookingLogPanel(module_, dialogs_, clock_, this);
  cookingLog->move(612, 296);

  levelBar = new LevelBar(this);
  levelBar->setGeometry(616, 440, 352, 20);

  reference = new ReferenceBox(module_, dialogs_, cboSankou);

  auto* slideshowCaption = caption(this, QStringLiteral("スライドショー"), 616, 476, 100);
  slideshowCaption->setObjectName(QStringLiteral("lblSlideshow"));
  slideshow = new SlideshowPanel(module_, dialogs_,
                                 {[this] { return cboNamae->count(); }, [this](int n) { hsbData->setValue(n); },
                                  [this] { picture->setEnlarged(true); }},
                                 this);
  slideshow->setGeometry(716, 474, 84, 30);
}

void frmMain::buildButtons() {
  auto button = [this](const QString& text, const QString& name, int x) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setGeometry(x, 572, 84, 32);
    return b;
  };
  cmdNew = button(QStringLiteral("新規"), QStringLiteral("cmdNew"), 16);
  cmdTouroku = button(QStringLiteral("登録"), QStringLiteral("cmdTouroku"), 104);
  cmdDelete = button(QStringLiteral("削除"), QStringLiteral("cmdDelete"), 192);
  cmdEnd = button(QStringLiteral("終了"), QStringLiteral("cmdEnd"), 884);
  connect(cmdNew, &QPushButton::clicked, this, &frmMain::cmdNew_Click);
  connect(cmdTouroku, &QPushButton::clicked, this, &frmMain::cmdTouroku_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &frmMain::cmdDelete_Click);
  connect(cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);

  windowButtons = new WindowButtons(module_, dialogs_, this);
  windowButtons->setGeometry(16, 616, 952, 32);
  windowButtons->registerModal(QStringLiteral("cmdHensyu"), [this] {
    return new frmHensyu(module_, dialogs_, [this] { EndProgram(); }, this);
  });
  windowButtons->registerWindow(QStringLiteral("cmdMenu"), [this] {
    auto printImage = [this](QWidget& w) { PrintDocument(GrabWindowDocument(w, w.windowTitle()), module_.Folder, dialogs_); };
    return new frmMenu(module_, dialogs_, clock_, printImage, this);
  });
  windowButtons->registerWindow(QStringLiteral("cmdPrint"), [this] {
    const auto shownPicture = [this] {
      const bool photosShown = findChild<QRadioButton*>(QStringLiteral("optGazou"))->isChecked();
      return photosShown ? findChild<QLabel*>(QStringLiteral("imgGazou"))->pixmap().toImage() : QImage();
    };
    MainWindowForPrint shown{this, [this] { return typedRecipe(); }, shownPicture};
    return new frmPrint(module_, dialogs_, shown, this);
  });
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
