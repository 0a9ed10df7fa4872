// SPDX-License-Identifier: GPL-3.0-or-later
#include "category_editor/windows/frm_hensyu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "category_editor/rules/category_edit.h"
#include "platform/rules/help_texts.h"
#include "platform/rules/typed_text.h"
#include "store/windows/backup_before_write.h"
#include "store/windows/help_tour.h"
#include "store/rules/category_lists.h"

namespace {

std::vector<QLineEdit*> makeBoxes(QWidget* parent, QHBoxLayout* row, const QString& title, const QString& name,
                                  const QStringList& items, int count) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* column = new QVBoxLayout(frame);
  std::vector<QLineEdit*> boxes;
  for (int i = 0; i < count; ++i) {
    auto* box = new QLineEdit(items.value(i), frame);
    box->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
    box->setAccessibleName(QStringLiteral("%1 %2").arg(title).arg(i + 1));
    column->addWidget(box);
    boxes.push_back(box);
  }
  column->addStretch();
  row->addWidget(frame, 1);
  return boxes;
}

const CategoryList* const kListFiles[] = {&kGenreFile, &kKindFile, &kMethodFile};
const QString kListTitles[] = {QStringLiteral("ジャンル"), QStringLiteral("種類"), QStringLiteral("調理方法")};

QStringList textsOf(const std::vector<QLineEdit*>& boxes) {
  QStringList texts;
  for (const QLineEdit* box : boxes) texts.append(typed_text::ToStored(box->text()));
  return texts;
}

}  // namespace

frmHensyu::frmHensyu(Module1& module, Dialogs& dialogs, std::function<void()> endProgram, QWidget* parent)
    : QDialog(parent), module_(module), dialogs_(dialogs), endProgram_(std::move(endProgram)) {
  setObjectName(QStringLiteral("frmHensyu"));
  setWindowTitle(QStringLiteral("編集フォーム"));
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(QStringLiteral("※過去の登録で以下に該当しないデータは自動的に「その他」となります。"), this);
  note->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(note);
  auto* row = new QHBoxLayout();
  layout->addLayout(row);
  txtJyanru = makeBoxes(this, row, kListTitles[0], QStringLiteral("txtJyanru"), module.GenreList(), 6);
  txtSyurui = makeBoxes(this, row, kListTitles[1], QStringLiteral("txtSyurui"), module.KindList(), 9);
  txtCyouri = makeBoxes(this, row, kListTitles[2], QStringLiteral("txtCyouri"), module.MethodList(), 9);
  shown_ = {textsOf(txtJyanru), textsOf(txtSyurui), textsOf(txtCyouri)};
  auto* bottom = new QHBoxLayout();
  auto* instruction = new QLabel(QStringLiteral("自由に変更して保存ボタンを押してください。"), this);
  instruction->setObjectName(QStringLiteral("Label1"));
  bottom->addWidget(instruction, 1);
  cmdHozon1 = new QPushButton(QStringLiteral("保存"), this);
  cmdHozon1->setObjectName(QStringLiteral("cmdHozon1"));
  cmdModori = new QPushButton(QStringLiteral("戻る"), this);
  cmdModori->setObjectName(QStringLiteral("cmdModori"));
  cmdModori->setToolTip(QStringLiteral("メインに戻ります"));
  cmdHozon1->setAutoDefault(false);
  cmdModori->setAutoDefault(false);
  bottom->addWidget(cmdHozon1);
  bottom->addWidget(cmdModori);
  layout->addLayout(bottom);
  connect(cmdHozon1, &QPushButton::clicked, this, &frmHensyu::cmdHozon1_Click);
  connect(cmdModori, &QPushButton::clicked, this, &frmHensyu::cmdModori_Click);
  resize(640, 400);
}

void frmHensyu::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (explained_) return;
  explained_ = true;
  // Explained once the window is on screen, over it.
  QTimer::singleShot(0, this, [this] { Explain(module_, dialogs_, help_texts::CategoryEditor()); });
}

void frmHensyu::cmdHozon1_Click() {
  const QStringList genres = textsOf(txtJyanru), kinds = textsOf(txtSyurui), methods = textsOf(txtCyouri);
  for (const QStringList* items : {&genres, &kinds, &methods}) {
    if (auto problem = CategoryItemsProblem(*items)) {
      dialogs_.message({*problem});
      return;
    }
  }
  QStringList lists[] = {genres, kinds, methods};
  if (!keepOtherWritersLists(lists)) return;
  for (const CategoryList* list : kListFiles)
    BackUpBeforeWrite(module_, dialogs_, module_.path(list->fileName),
                      {backups::Change::Removes, QStringLiteral("編集フォームの保存"), {}});
  if (auto error = SaveCategoryLists(module_.Folder, lists[0], lists[1], lists[2])) {
    dialogs_.error(error->message(), QStringLiteral("保存エラー"));
    return;
  }
  dialogs_.message({QStringLiteral("項目を変更しました。データを反映させるため一旦プログラムを終了します。")});
  endProgram_();
  accept();
}

// Another copy of the program, or a sync tool, may have saved the lists since this window showed
// them: a list changed only there is kept as it is now, one changed on both sides is the user's
// choice. False when the save is not to go on.
bool frmHensyu::keepOtherWritersLists(QStringList (&lists)[3]) {
  for (int i = 0; i < 3; ++i) {
    auto onDisk = LoadCategoryList(module_.Folder, *kListFiles[i]);
    if (auto* error = std::get_if<FileError>(&onDisk)) {
      if (error->kind == FileError::Kind::Missing) continue;  // nothing there to keep
      dialogs_.error(error->message(), QStringLiteral("保存エラー"));
      return false;
    }
    QStringList items = std::get<QStringList>(std::move(onDisk));
    items.removeLast();  // "その他", which the file does not hold
    switch (ListToSave(shown_[i], lists[i], items)) {
      case ListOnSave::Mine: break;
      case ListOnSave::Theirs: lists[i] = items; break;
      case ListOnSave::Conflict:
        if (!dialogs_.confirm(QStringLiteral("「%1」の一覧は、ほかのウィンドウかプログラムで変更されています。\n"
                                             "画面の内容で上書きしますか？").arg(kListTitles[i]),
                              QStringLiteral("保存確認"), MessageBox::Icon::Exclamation, MessageBox::Answer::Cancel))
          return false;
        break;
    }
  }
  return true;
}

void frmHensyu::cmdModori_Click() { close(); }
