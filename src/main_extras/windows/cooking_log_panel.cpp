// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/cooking_log_panel.h"

#include <QLabel>
#include <QListWidget>

#include "main_extras/rules/cooking_log.h"
#include "main_extras/rules/ratings.h"
#include "platform/rules/numbers.h"
#include "platform/windows/artwork.h"
#include "platform/windows/clickable_label.h"
#include "store/rules/statistics.h"

namespace {

const QString kFaceNames[4] = {kExcellent, kGood, kPoor, kUnrated};

std::array<ClickableLabel*, 4> makeFaces(QWidget* parent, const QString& name, const QString& title, int x) {
  std::array<ClickableLabel*, 4> faces;
  for (int i = 0; i < 4; ++i) {
    auto* face = new ClickableLabel(parent);
    face->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
    face->setPixmap(FacePicture(i, 52));
    face->setGeometry(x, 22, 56, 56);
    face->setAlignment(Qt::AlignCenter);
    face->setToolTip(QStringLiteral("クリックで評価を切り替えます"));
    face->setAccessibleName(title + QLatin1Char(' ') + kFaceNames[i]);
    face->setCursor(Qt::PointingHandCursor);
    face->hide();
    faces[size_t(i)] = face;
  }
  return faces;
}

}  // namespace

CookingLogPanel::CookingLogPanel(Dialogs& dialogs, Clock& clock, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), clock_(clock) {
  setObjectName(QStringLiteral("CookingLogPanel"));

  Label4 = new QLabel(QStringLiteral("自己評価   三者評価"), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setGeometry(4, 0, 150, 20);
  imgFace1 = makeFaces(this, QStringLiteral("imgFace1"), QStringLiteral("自己評価"), 4);
  imgFace2 = makeFaces(this, QStringLiteral("imgFace2"), QStringLiteral("三者評価"), 76);
  for (int i = 0; i < 4; ++i) {
    connect(imgFace1[size_t(i)], &ClickableLabel::clicked, this, [this, i] { imgFace1_Click(i); });
    connect(imgFace2[size_t(i)], &ClickableLabel::clicked, this, [this, i] { imgFace2_Click(i); });
  }

  lblPoint1 = new QLabel(QStringLiteral("Label5"), this);
  lblPoint1->setObjectName(QStringLiteral("lblPoint1"));
  lblPoint1->setGeometry(4, 86, 140, 22);
  lblPoint1->setAccessibleDescription(QStringLiteral("このレシピのポイント"));
  QFont bold = lblPoint1->font();
  bold.setBold(true);
  lblPoint1->setFont(bold);

  lblKai = new ClickableLabel(QStringLiteral("調理回数　     　　　回"), this);
  lblKai->setObjectName(QStringLiteral("lblKai"));
  lblKai->setGeometry(160, 0, 196, 20);
  lblKai->setToolTip(QStringLiteral("クリックすると調理履歴に追加できます"));
  lblKai->setCursor(Qt::PointingHandCursor);
  connect(lblKai, &ClickableLabel::clicked, this, &CookingLogPanel::lblKai_Click);

  // The count sits in the caption's blank between "調理回数" and "回".
  const QFontMetrics metrics(lblKai->font());
  const int gapStart = metrics.horizontalAdvance(QStringLiteral("調理回数　"));
  const int gapWidth = metrics.horizontalAdvance(QStringLiteral("     　　　"));
  lblKaisu = new ClickableLabel(QStringLiteral("9999"), this);
  lblKaisu->setObjectName(QStringLiteral("lblKaisu"));
  lblKaisu->setGeometry(160 + gapStart, 0, gapWidth, 20);
  lblKaisu->setAlignment(Qt::AlignCenter);
  lblKaisu->setToolTip(lblKai->toolTip());
  lblKaisu->setAccessibleDescription(QStringLiteral("調理回数"));
  lblKaisu->setCursor(Qt::PointingHandCursor);
  QFont countFont = lblKaisu->font();
  countFont.setBold(true);
  lblKaisu->setFont(countFont);
  connect(lblKaisu, &ClickableLabel::clicked, this, &CookingLogPanel::lblKaisu_Click);

  lstRireki = new QListWidget(this);
  lstRireki->setObjectName(QStringLiteral("lstRireki"));
  lstRireki->setGeometry(160, 22, 196, 106);
  lstRireki->setAccessibleName(QStringLiteral("調理履歴"));
  lstRireki->setToolTip(QStringLiteral("ダブルクリックで選んだ日付を削除します"));
  connect(lstRireki, &QListWidget::itemDoubleClicked, this, [this] { lstRireki_DblClick(); });

  setFixedSize(360, 130);
}

void CookingLogPanel::setRatings(const Ratings& ratings) {
  ratings_ = ratings;
  const int self = FaceIndex(ratings_.self);
  const int others = FaceIndex(ratings_.others);
  for (int i = 0; i < 4; ++i) {
    imgFace1[size_t(i)]->setVisible(i == self);
    imgFace2[size_t(i)]->setVisible(i == others);
  }
  emit ratingsChanged(ratings_.self, ratings_.others);
}

void CookingLogPanel::showRecipe(const Recipe& recipe) {
  lstRireki->clear();
  lstRireki->addItems(CookingLogEntries(recipe.CookingLog));
  setRatings({recipe.SelfRating, recipe.OthersRating});
  ShowRecipePoints();
  lblKaisu->setText(QString::number(lstRireki->count()));
}

void CookingLogPanel::clear() {
  lstRireki->clear();
  lblKaisu->setText(QStringLiteral("0"));
  lblPoint1->setText(QStringLiteral("Point 2"));
  setRatings({kUnrated, kUnrated});
}

QStringList CookingLogPanel::entries() const {
  QStringList list;
  for (int i = 0; i < lstRireki->count(); ++i) list.append(lstRireki->item(i)->text());
  return list;
}

int CookingLogPanel::cookCount() const { return lstRireki->count(); }

void CookingLogPanel::ShowRecipePoints() {
  const double points = RecipePoints(ratings_.others, lstRireki->count());
  lblPoint1->setText(QStringLiteral("Point ") + numbers::FormatDouble(points));
}

void CookingLogPanel::afterLogChange() {
  lblKaisu->setText(QString::number(lstRireki->count()));
  if (lstRireki->count() == 1) setRatings({kExcellent, kExcellent});
  ShowRecipePoints();
}

void CookingLogPanel::lblKai_Click() {
  const auto answer = dialogs_.input(QStringLiteral("日付をリストに追加します。"), QStringLiteral("日付登録"),
                                     FormatCookingDate(clock_.today()));
  if (!answer || answer->isEmpty()) return;
  const auto date = NormaliseCookingDate(*answer);
  if (!date) {
    dialogs_.warn(QStringLiteral("「%1」は日付として読めません。\n2024/03/09 のように 年/月/日 で入力してください。").arg(*answer),
                  QStringLiteral("日付登録"));
    return;
  }
  lstRireki->addItem(*date);
  afterLogChange();
}

void CookingLogPanel::lstRireki_DblClick() {
  const int row = lstRireki->currentRow();
  if (row < 0 || !lstRireki->currentItem() || !lstRireki->currentItem()->isSelected()) return;
  delete lstRireki->takeItem(row);
  afterLogChange();
}

void CookingLogPanel::imgFace1_Click(int index) {
  setRatings(AdvanceSelfRating({RatingOfFace(index), ratings_.others}));
  ShowRecipePoints();
}

void CookingLogPanel::imgFace2_Click(int index) {
  if (ratings_.self == kUnrated) return;
  setRatings(AdvanceOthersRating({ratings_.self, RatingOfFace(index)}));
  ShowRecipePoints();
}
