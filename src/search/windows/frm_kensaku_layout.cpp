// SPDX-License-Identifier: GPL-3.0-or-later
// The search window's controls and where they stand. Positions are in twips.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

#include "platform/windows/after_pick_options.h"
#include "platform/windows/controls.h"
#include "platform/windows/fixed_layout.h"
#include "platform/windows/reader_caption.h"
#include "platform/windows/typed_combo.h"
#include "search/windows/frm_kensaku.h"
#include "search/windows/result_list_model.h"
#include "search/windows/search_pictures.h"

using controls::numberBox;

namespace {

// The criteria frame, in twips: a label column, the inputs, then the two buttons of the row.
constexpr int kLabelLeft = 150, kLabelWidth = 990;
constexpr int kInputLeft = 1200, kInputWidth = 4740;
constexpr int kBoxHeight = 330, kLinePitch = 390, kRowGap = 60;
constexpr int kNarrowLeft = 6060, kWholeLeft = 6420, kButtonSize = 330;
// Both frames stand side by side and equally tall; the legend and the two big buttons below.
constexpr int kFrameTop = 120, kFrameHeight = 5910, kBelowFrames = 6180;
constexpr int kFrame2Width = 6900;
// Half, third and unit columns inside the inputs.
constexpr int kHalfWidth = 2310, kSecondHalfLeft = kInputLeft + 2430;
constexpr int kThirdWidth = 1530, kThirdPitch = 1605;
constexpr int kNumberWidth = 1080, kUnitWidth = 1170, kRatingWidth = 900;

struct CriteriaRow {
  SearchKey key;
  const char* label;    // shown at the left; the evaluations have none
  const char* name;     // how the row's buttons are called out to a screen reader
  const char* narrowing;
  const char* whole;
  int lines;            // lines of inputs
  const char* boxes[2];  // a single box, or the two boxes of a range or of the evaluations
  const char* units[2];  // the unit label after each of two boxes
};

const CriteriaRow kRows[] = {
    {SearchKey::DishName, "料理名", "料理名", "cmdNamae", "cmdNamae1", 1, {"txtNamae"}, {}},
    {SearchKey::Ingredients, "材料", "材料", "cmdZairyo", "cmdZairyo1", 3, {}, {}},
    {SearchKey::Steps, "作り方", "作り方", "cmdTukuri", "cmdTukuri1", 1, {"txtTukuri"}, {}},
    {SearchKey::Memo, "メモ", "メモ", "cmdMemo", "cmdMemo1", 1, {"txtMemo"}, {}},
    {SearchKey::Classification, "分類", "分類", "cmdBunrui", "cmdBunrui1", 1, {}, {}},
    {SearchKey::Calories, "カロリー", "カロリー", "cmdCal", "cmdCal1", 1, {"txtCalL", "txtCalH"}, {"KCal以上", "KCal未満"}},
    {SearchKey::Salt, "塩分", "塩分", "cmdEnbun", "cmdEnbun1", 1, {"txtEnbunL", "txtEnbunH"}, {"ｇ以上", "ｇ未満"}},
    {SearchKey::CookingTime, "調理時間", "調理時間", "cmdJikan", "cmdJikan1", 1, {"txtJikanL", "txtJikanH"}, {"分以上", "分未満"}},
    {SearchKey::Ratings, "", "評価", "cmdHyouka", "cmdHyouka1", 1, {"cboHyouka1", "cboHyouka2"}, {"自己評価", "三者評価"}},
    {SearchKey::CookCount, "調理回数", "調理回数", "cmdKaisu", "cmdKaisu1", 1, {"txtKaisuL", "txtKaisuH"}, {"回以上", "回未満"}},
    {SearchKey::Reference, "参考文献", "参考文献", "cmdSankou", "cmdSankou1", 1, {}, {}},
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* lineEdit(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  return box;
}

// A drop-down list in which only an item can be chosen.
QComboBox* dropDown(QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  return combo;
}

QPushButton* pictureButton(QWidget* parent, const QString& name, const QIcon& picture, const QString& accessibleName) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setIcon(picture);
  button->setAccessibleName(accessibleName);
  return button;
}

}  // namespace

void frmKensaku::buildControls() {
  setObjectName(QStringLiteral("frmKensaku"));
  setWindowTitle(QStringLiteral("検索"));
  setWindowFlag(Qt::Window);
  auto* frame2 = new QGroupBox(this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setAccessibleName(QStringLiteral("検索条件"));  // the frame shows no title
  buildCriteriaRows(frame2);
  buildResultFrame();
  buildLegendAndButtons();
  placeFixedControls();
  setFixedSize(Twips(11400), Twips(kBelowFrames + 900));
}

void frmKensaku::buildCriteriaRows(QWidget* frame) {
  int label2 = 0, lblNami = 0;
  auto rowLabel = [&](const QString& caption, QWidget* buddy) {
    return controls::caption(frame, caption, QStringLiteral("Label2(%1)").arg(label2++), buddy);
  };
  auto unitLabel = [&](const QString& caption, QWidget* buddy) {
    return controls::caption(frame, caption, QStringLiteral("lblNami(%1)").arg(lblNami++), buddy);
  };
  // A range or evaluation row: two boxes made in reading order, each followed by its unit label.
  auto pairRow = [&](int top, const CriteriaRow& row, auto make, int boxWidth) {
    QWidget* first = make(frame, QString::fromLatin1(row.boxes[0]));
    QWidget* second = make(frame, QString::fromLatin1(row.boxes[1]));
    const int lefts[] = {kInputLeft, kSecondHalfLeft};
    for (int i = 0; i < 2; ++i) {
      QWidget* box = i ? second : first;
      box->setGeometry(FromTwips(lefts[i], top, boxWidth, kBoxHeight));
      unitLabel(text(row.units[i]), box)->setGeometry(FromTwips(lefts[i] + boxWidth + 60, top, kUnitWidth, kBoxHeight));
    }
    return QList<QWidget*>{first, second};
  };

  int top = 180;
  for (const CriteriaRow& row : kRows) {
    QList<QWidget*>& inputs = inputs_[row.key];
    switch (row.key) {
      case SearchKey::DishName:
      case SearchKey::Steps:
      case SearchKey::Memo: {
        QLineEdit* box = lineEdit(frame, QString::fromLatin1(row.boxes[0]));
        box->setGeometry(FromTwips(kInputLeft, top, kInputWidth, kBoxHeight));
        rowLabel(text(row.label), box)->setGeometry(FromTwips(kLabelLeft, top, kLabelWidth, kBoxHeight));
        inputs = {box};
        break;
      }
      case SearchKey::Ingredients:
        for (int i = 0; i < 5; ++i) {
          QLineEdit* box = lineEdit(frame, QStringLiteral("txtZairyo(%1)").arg(i));
          box->setAccessibleName(QStringLiteral("材料%1").arg(i + 1));
          box->setGeometry(FromTwips(i % 2 ? kSecondHalfLeft : kInputLeft, top + (i / 2) * kLinePitch, kHalfWidth, kBoxHeight));
          txtZairyo.append(box);
          inputs.append(box);
        }
        rowLabel(text(row.label), nullptr)->setGeometry(FromTwips(kLabelLeft, top, kLabelWidth, kBoxHeight));
        break;
      case SearchKey::Classification: {
        const char* names[] = {"cboJyanru", "cboSyurui", "cboCyouri"};
        const char* what[] = {"ジャンル", "種類", "調理方法"};
        for (int i = 0; i < 3; ++i) {
          QComboBox* combo = dropDown(frame, QString::fromLatin1(names[i]));
          combo->setGeometry(FromTwips(kInputLeft + i * kThirdPitch, top, kThirdWidth, kBoxHeight));
          inputs.append(combo);
          AddReaderCaption(combo, text(row.label) + u' ' + text(what[i]));
        }
        rowLabel(text(row.label), nullptr)->setGeometry(FromTwips(kLabelLeft, top, kLabelWidth, kBoxHeight));
        break;
      }
      case SearchKey::Calories:
      case SearchKey::Salt:
      case SearchKey::CookingTime:
      case SearchKey::CookCount:
        rowLabel(text(row.label), nullptr)->setGeometry(FromTwips(kLabelLeft, top, kLabelWidth, kBoxHeight));
        inputs = pairRow(top, row, numberBox, kNumberWidth);
        break;
      case SearchKey::Ratings:
        inputs = pairRow(top, row, dropDown, kRatingWidth);
        break;
      case SearchKey::Reference:
        cboSankou = dropDown(frame, QStringLiteral("cboSankou"));
        KeepTypedText(cboSankou);
        cboSankou->setGeometry(FromTwips(kInputLeft, top, kInputWidth, kBoxHeight));
        rowLabel(text(row.label), cboSankou)->setGeometry(FromTwips(kLabelLeft, top, kLabelWidth, kBoxHeight));
        inputs = {cboSankou};
        break;
    }

    // The buttons stand level with the row's last line of inputs.
    const int buttonTop = top + (row.lines - 1) * kLinePitch + (kBoxHeight - kButtonSize) / 2;
    const QString rowName = text(row.name);
    auto* narrowing = pictureButton(frame, QString::fromLatin1(row.narrowing), NarrowingPicture(),
                                    rowName + QStringLiteral(" 絞り込み検索"));
    auto* whole = pictureButton(frame, QString::fromLatin1(row.whole), WholeTablePicture(),
                                rowName + QStringLiteral(" 全体から検索"));
    narrowing->setGeometry(FromTwips(kNarrowLeft, buttonTop, kButtonSize, kButtonSize));
    whole->setGeometry(FromTwips(kWholeLeft, buttonTop, kButtonSize, kButtonSize));
    if (row.key == SearchKey::DishName) {
      narrowing->setToolTip(QStringLiteral("絞り込み検索"));
      whole->setToolTip(QStringLiteral("全部からの検索"));
    }
    const SearchKey key = row.key;
    connect(narrowing, &QPushButton::clicked, this, [this, key] { search(key, true); });
    connect(whole, &QPushButton::clicked, this, [this, key] { search(key, false); });

    top += (row.lines - 1) * kLinePitch + kBoxHeight + kRowGap;
    if (&row != &std::end(kRows)[-1]) {
      auto* line = new QFrame(frame);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      line->setGeometry(FromTwips(kLabelLeft, top - kRowGap / 2 - 15, kFrame2Width - 2 * kLabelLeft, 30));
      top += kRowGap;
    }
  }

  auto box = [this](SearchKey key, int i) { return qobject_cast<QLineEdit*>(inputs_[key][i]); };
  auto combo = [this](SearchKey key, int i) { return qobject_cast<QComboBox*>(inputs_[key][i]); };
  txtNamae = box(SearchKey::DishName, 0);
  txtTukuri = box(SearchKey::Steps, 0);
  txtMemo = box(SearchKey::Memo, 0);
  cboJyanru = combo(SearchKey::Classification, 0);
  cboSyurui = combo(SearchKey::Classification, 1);
  cboCyouri = combo(SearchKey::Classification, 2);
  txtCalL = box(SearchKey::Calories, 0);
  txtCalH = box(SearchKey::Calories, 1);
  txtEnbunL = box(SearchKey::Salt, 0);
  txtEnbunH = box(SearchKey::Salt, 1);
  txtJikanL = box(SearchKey::CookingTime, 0);
  txtJikanH = box(SearchKey::CookingTime, 1);
  cboHyouka1 = combo(SearchKey::Ratings, 0);
  cboHyouka2 = combo(SearchKey::Ratings, 1);
  txtKaisuL = box(SearchKey::CookCount, 0);
  txtKaisuH = box(SearchKey::CookCount, 1);
}

void frmKensaku::buildResultFrame() {
  auto* frame1 = new QGroupBox(QStringLiteral("検索条件一致リスト"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  lstKondate = new QListView(frame1);
  lstKondate->setObjectName(QStringLiteral("lstKondate"));
  lstKondate->setAccessibleName(QStringLiteral("検索条件一致リスト"));
  lstKondate->setModel(results_);
  lstKondate->setUniformItemSizes(true);
  lstKondate->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstKondate->setSelectionMode(QAbstractItemView::SingleSelection);
  std::tie(optHide, optShow) = MakeAfterPickOptions(QStringLiteral("クリック時に検索画面を隠す"), frame1);
}

void frmKensaku::buildLegendAndButtons() {
  auto* command1 = pictureButton(this, QStringLiteral("Command1"), NarrowingPicture(), QStringLiteral("絞り込み検索"));
  command1->setToolTip(QStringLiteral("絞り込み検索"));
  controls::caption(this, QStringLiteral("→ 絞り込み検索する時のボタン"), QStringLiteral("Label1(0)"));
  pictureButton(this, QStringLiteral("Command2"), WholeTablePicture(), QStringLiteral("全体から検索"));
  controls::caption(this, QStringLiteral("→ 全体から検索する時のボタン"), QStringLiteral("Label1(1)"));

  cmdALL = new QPushButton(AllRecipesPicture(), QStringLiteral("全部"), this);
  cmdALL->setObjectName(QStringLiteral("cmdALL"));
  cmdALL->setToolTip(QStringLiteral("レシピ全部をリストアップします"));
  cmdALL->setIconSize(QSize(24, 24));
  cmdModori = new QPushButton(BackPicture(), QStringLiteral("戻り"), this);
  cmdModori->setObjectName(QStringLiteral("cmdModori"));
  cmdModori->setToolTip(QStringLiteral("メインに戻ります"));
  cmdModori->setIconSize(QSize(24, 24));
}

// The two frames (the result frame's controls in its own coordinates), the legend and the two big
// buttons below; the criteria rows inside Frame2 are placed as they are made.
void frmKensaku::placeFixedControls() {
  PlaceControls(this, {
      {"Frame2", FromTwips(120, kFrameTop, kFrame2Width, kFrameHeight)},
      {"Frame1", FromTwips(7140, kFrameTop, 4140, kFrameHeight)},
      {"lstKondate", FromTwips(120, 360, 3900, 4650)},
      {"optHide", FromTwips(120, 5130, 3900, 360)},
      {"optShow", FromTwips(120, 5490, 3900, 360)},
      {"Command1", FromTwips(240, kBelowFrames, kButtonSize, kButtonSize)},
      {"Label1(0)", FromTwips(660, kBelowFrames, 3600, kBoxHeight)},
      {"Command2", FromTwips(240, kBelowFrames + 420, kButtonSize, kButtonSize)},
      {"Label1(1)", FromTwips(660, kBelowFrames + 420, 3600, kBoxHeight)},
      {"cmdALL", FromTwips(7140, kBelowFrames, 1980, 690)},
      {"cmdModori", FromTwips(9300, kBelowFrames, 1980, 690)},
  });
}
