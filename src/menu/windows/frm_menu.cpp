// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/windows/frm_menu.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include "store/rules/picture_files.h"
#include "menu/windows/day_summaries.h"
#include "menu/windows/frm_kaimono.h"
#include "platform/rules/typed_text.h"
#include "store/windows/backup_before_write.h"
#include "platform/windows/controls.h"
#include "platform/windows/picture_reading.h"
#include "platform/windows/reader_caption.h"
#include "platform/windows/typed_combo.h"
#include "platform/windows/user_text.h"

namespace {

// Where the controls stand, in pixels.
constexpr int kFrameLeft = 16, kFrameTop = 48, kFrameWidth = 250, kFrameGap = 8, kFrameHeight = 468;
constexpr int kMealTop = 26, kMealHeight = 146;
constexpr QRect kSetButton(10, 0, 40, 26), kDishBox(56, 0, 182, 26), kPicture(56, 30, 182, 110);
constexpr int kBottomRow = 530;
constexpr int kSummaryTop = kBottomRow + 42;  // the day totals and warnings, under the buttons

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

// A button of the bottom row, x pixels from the left.
QPushButton* button(QWidget* parent, const QString& text, const QString& name, const QString& tip, int x) {
  QPushButton* b = controls::button(parent, text, name, tip);
  b->setGeometry(x, kBottomRow, 110, 32);
  return b;
}

}  // namespace

frmMenu::frmMenu(Module1& module, Dialogs& dialogs, Clock& clock, std::function<void(QWidget&)> printWindow,
                 QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), clock_(clock),
      printWindow_(std::move(printWindow)) {
  setObjectName(QStringLiteral("frmMenu"));
  setWindowTitle(QStringLiteral("献立"));
  setFixedSize(kFrameLeft * 2 + kMenuDays * kFrameWidth + (kMenuDays - 1) * kFrameGap,
               kSummaryTop + DaySummaries::kHeight + 8);
  buildControls();
  Form_Load();
}

void frmMenu::buildControls() {
  cboHizuke = new QComboBox(this);
  cboHizuke->setObjectName(QStringLiteral("cboHizuke"));
  KeepTypedText(cboHizuke);  // only a date picked from the list captions the days
  cboHizuke->setToolTip(QStringLiteral("先頭の日付を指定します"));
  AddReaderCaption(cboHizuke, QStringLiteral("先頭の日付"));
  cboHizuke->setGeometry(kFrameLeft, 12, 200, 26);
  connect(cboHizuke, &QComboBox::activated, this, &frmMenu::cboHizuke_Click);

  dishNames_ = new QStringListModel(this);
  for (int day = 0; day < kMenuDays; ++day) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(indexed("fraHizuke", day));
    frame->setGeometry(kFrameLeft + day * (kFrameWidth + kFrameGap), kFrameTop, kFrameWidth, kFrameHeight);
    fraHizuke[day] = frame;
    for (int meal = 0; meal < kMealsPerDay; ++meal) {
      const int slot = day * kMealsPerDay + meal;
      const QPoint rowTop(0, kMealTop + meal * kMealHeight);

      auto* set = new QPushButton(MealCaption(meal), frame);
      set->setObjectName(indexed("cmdSet", slot));
      set->setGeometry(kSetButton.translated(rowTop));
      set->setAccessibleDescription(MenuSlotName(slot) + QStringLiteral("の料理を選びます"));
      connect(set, &QPushButton::clicked, this, [this, slot] { cmdSet_Click(slot); });
      cmdSet[slot] = set;

      auto* dish = new QComboBox(frame);
      dish->setObjectName(indexed("cboMenu", slot));
      KeepTypedText(dish);
      dish->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      dish->setMaxVisibleItems(20);
      if (auto* view = qobject_cast<QListView*>(dish->view())) view->setUniformItemSizes(true);
      dish->setModel(dishNames_);
      dish->setGeometry(kDishBox.translated(rowTop));
      connect(dish, &QComboBox::activated, this, [this, slot] { cboMenu_Click(slot); });
      // A typed dish is as much an edit as a chosen one.
      connect(dish->lineEdit(), &QLineEdit::textEdited, this, [this] {
        menuEdited_ = true;
        summaries_->refresh();
      });
      AddReaderCaption(dish, MenuSlotName(slot));
      cboMenu[slot] = dish;

      auto* picture = new QLabel(frame);
      picture->setObjectName(indexed("imgMenu", slot));
      picture->setAccessibleName(MenuSlotName(slot) + QStringLiteral("の写真"));
      picture->setAlignment(Qt::AlignCenter);
      picture->setFrameShape(QFrame::StyledPanel);
      picture->setGeometry(kPicture.translated(rowTop));
      imgMenu[slot] = picture;
    }
  }

  cmdHozon = button(this, QStringLiteral("献立保存"), QStringLiteral("cmdHozon"),
                    QStringLiteral("表示中の献立を保存します"), width() - 3 * 122 - 4);
  cmdPrint = button(this, QStringLiteral("献立印刷"), QStringLiteral("cmdPrint"),
                    QStringLiteral("表示中の献立を印刷します"), width() - 2 * 122 - 4);
  cmdModori = button(this, QStringLiteral("戻り"), QStringLiteral("cmdModori"), QStringLiteral("メインに戻ります"),
                     width() - 122 - 4);
  connect(cmdHozon, &QPushButton::clicked, this, &frmMenu::cmdHozon_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmMenu::cmdPrint_Click);
  connect(cmdModori, &QPushButton::clicked, this, &frmMenu::cmdModori_Click);

  cmdKaimono = button(this, QStringLiteral("買い物リスト"), QStringLiteral("cmdKaimono"),
                      QStringLiteral("献立の材料から冷蔵庫にある物を除いた買い物リストを作ります"), width() - 4 * 122 - 4);
  connect(cmdKaimono, &QPushButton::clicked, this, &frmMenu::cmdKaimono_Click);
  summaries_ = new DaySummaries(
      this, module_, clock_, [this] { return shownPlan(); },
      [](int day) { return kFrameLeft + day * (kFrameWidth + kFrameGap); }, kSummaryTop, kFrameWidth);
}

void frmMenu::Form_Load() {
  dishNames_->setStringList(module_.Recipes.DishNames());

  const QDate today = clock_.today();
  for (int offset = 0; offset < 7; ++offset) {
    const QDate day = today.addDays(offset);
    cboHizuke->addItem(MenuShortDate(day), day);
  }
  cboHizuke->setCurrentIndex(-1);
  cboHizuke->setEditText(QStringLiteral("日付決め"));

  auto plan = ReadMenuPlan(module_.path(kMenuFileName));
  if (auto* error = std::get_if<FileError>(&plan)) {
    dialogs_.error(error->message() + QStringLiteral("\n空の献立を表示します。保存するとこのファイルは置き換わります。"),
                   QStringLiteral("献立"));
    showPlan(BlankMenuPlan());
    readPlan_.reset();
  } else {
    readPlan_ = std::get<MenuPlan>(plan);
    showPlan(*readPlan_);
  }
  menuEdited_ = false;
  summaries_->refresh();
}

void frmMenu::showPlan(const MenuPlan& plan) {
  for (int day = 0; day < kMenuDays; ++day) ShowUserTitle(fraHizuke[day], plan.Days[day].DayCaption);
  for (int slot = 0; slot < kMenuSlots; ++slot) {
    cboMenu[slot]->setCurrentIndex(-1);
    cboMenu[slot]->setEditText(plan.dish(slot));
    loadSlotPicture(slot, plan.dish(slot));
  }
}

MenuPlan frmMenu::shownPlan() const {
  MenuPlan plan;
  for (int day = 0; day < kMenuDays; ++day) plan.Days[day].DayCaption = UserTextOf(fraHizuke[day]);
  for (int slot = 0; slot < kMenuSlots; ++slot) plan.dish(slot) = typed_text::ToStored(cboMenu[slot]->currentText());
  return plan;
}

void frmMenu::loadSlotPicture(int slot, const QString& dishName) {
  const QImage picture = ReadLastPicture(PictureCandidates(module_.Folder, dishName));
  QLabel* label = imgMenu[slot];
  if (picture.isNull()) {
    label->setPixmap(QPixmap());
    label->setAccessibleDescription(QString());
    return;
  }
  label->setPixmap(QPixmap::fromImage(picture.scaled(label->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  label->setAccessibleDescription(dishName);
}

void frmMenu::cboHizuke_Click(int index) {
  const QDate first = cboHizuke->itemData(index).toDate();
  if (!first.isValid()) return;
  for (int day = 0; day < kMenuDays; ++day) ShowUserTitle(fraHizuke[day], MenuDayCaption(first.addDays(day)));
  menuEdited_ = true;
  summaries_->refresh();
}

void frmMenu::cboMenu_Click(int slot) {
  menuEdited_ = true;
  imgMenu[slot]->setPixmap(QPixmap());
  loadSlotPicture(slot, cboMenu[slot]->currentText());
  summaries_->refresh();
}

void frmMenu::cmdSet_Click(int slot) {
  menuEdited_ = true;
  cboMenu[slot]->setFocus();
}

void frmMenu::cmdHozon_Click() {
  BackUpBeforeWrite(module_, dialogs_, module_.path(kMenuFileName), backups::Change::Keeps);
  const MenuPlan shown = shownPlan();
  // A file that could not be read is replaced; else only what this window changed is saved, over
  // what another window or program may have saved meanwhile.
  std::variant<MenuPlan, FileError> saved = shown;
  if (readPlan_) saved = SaveMenuPlanChanges(module_.path(kMenuFileName), *readPlan_, shown);
  else if (auto error = WriteMenuPlan(module_.path(kMenuFileName), shown)) saved = *error;
  if (auto* error = std::get_if<FileError>(&saved)) {
    dialogs_.error(error->message(), QStringLiteral("献立保存"));
    return;
  }
  readPlan_ = std::get<MenuPlan>(saved);
  if (*readPlan_ != shown) {
    showPlan(*readPlan_);
    summaries_->refresh();
  }
  menuEdited_ = false;
}

void frmMenu::cmdPrint_Click() { printWindow_(*this); }

// Only the back button asks about an unsaved plan; the close box closes at once.
void frmMenu::cmdModori_Click() {
  if (menuEdited_ &&
      !dialogs_.confirm(QStringLiteral("編集した内容をまだ保存していません。\n\nこのまま戻っていいですか？"),
                        QStringLiteral("ZESTRA"), MessageBox::Icon::Question))
    return;
  close();
}

void frmMenu::cmdKaimono_Click() {
  if (!kaimono_) kaimono_ = new frmKaimono(module_, dialogs_, clock_, this);
  kaimono_->showList(shownPlan());
  kaimono_->show();
  kaimono_->raise();
  kaimono_->activateWindow();
}
