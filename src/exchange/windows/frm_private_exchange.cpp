// SPDX-License-Identifier: GPL-3.0-or-later
// Export and import: the left and right halves of the exchange window.
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QSet>
#include <QStringListModel>
#include <algorithm>

#include "exchange/rules/exchange_pictures.h"
#include "exchange/windows/frm_private.h"
#include "store/rules/picture_files.h"
#include "store/windows/backup_before_write.h"
#include "platform/rules/text_file.h"
#include "platform/windows/busy_cursor.h"
#include "platform/windows/picture_reading.h"
#include "platform/windows/user_text.h"
#include "store/rules/recipe_file.h"

namespace {

// Selected rows of a list, in list order.
std::vector<int> selectedRows(const QListView* list) {
  std::vector<int> rows;
  for (const QModelIndex& index : list->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

// Asked only when the book's picture differs from the one received.
QString replaceQuestion(const QString& dishName, const exchange::PictureCopy& copy) {
  const QString file = QFileInfo(copy.target).fileName();
  QString question = QStringLiteral("レシピ「%1」の画像「%2」はすでにあり、受け取った画像とは内容が違います。\n")
                         .arg(dishName, file);
  if (file.compare(kNoPictureFileName, Qt::CaseInsensitive) == 0)
    question += QStringLiteral("「%1」は、画像のないレシピすべてに代わりに表示する画像です。\n").arg(file);
  return question + QStringLiteral("受け取った画像で置き換えますか？\n（「キャンセル」で今の画像をそのまま残します）");
}

const QString kLimitText = QStringLiteral("１度で作成する追加レシピは１０件までです。");
const QString kLimitTitle = QStringLiteral("追加レシピ制限");

}  // namespace

std::vector<int> frmPrivate::chosenRecords() const {
  std::vector<int> numbers = selectedRows(lstMoto);
  for (int& n : numbers) ++n;
  return numbers;
}

std::vector<int> frmPrivate::chosenImports() const { return selectedRows(lstNewD); }

void frmPrivate::lstMoto_Click(const QItemSelection& selected) {
  const auto count = [this] { return lstMoto->selectionModel()->selectedRows().size(); };
  if (count() > exchange::kMaxExportCount) {
    {
      const QSignalBlocker quiet(lstMoto->selectionModel());
      lstMoto->selectionModel()->select(selected, QItemSelectionModel::Deselect);
    }
    lstMoto->viewport()->update();
    dialogs_.warn(kLimitText, kLimitTitle);
  }
  lblSentaku->setText(QStringLiteral("選択数 %1件").arg(count()));
}

void frmPrivate::cmdNukidashi_Click() {
  const std::vector<int> numbers = chosenRecords();
  if (numbers.empty()) {
    dialogs_.warn(QStringLiteral("先に料理名を選択してください。"), QStringLiteral("追加レシピ作成対象無し"));
    return;
  }
  if (numbers.size() > size_t(exchange::kMaxExportCount)) {
    dialogs_.warn(kLimitText, kLimitTitle);
    return;
  }
  lstKettei->clear();
  for (int n : numbers) lstKettei->addItem(module_.Recipes[n].DishName);
  lstKettei->show();
  if (!dialogs_.confirm(QStringLiteral("選択したレシピで追加レシピ情報を作成します。"), QStringLiteral("追加レシピ作成確認"),
                        MessageBox::Icon::Exclamation)) {
    lstKettei->hide();
    return;
  }

  std::variant<exchange::ExportResult, FileError> exported;
  {
    BusyCursor busy;
    exported = exchange::ExportRecipes(module_.Folder, module_.Recipes, numbers);
  }
  if (auto* error = std::get_if<FileError>(&exported)) {
    lstKettei->hide();
    dialogs_.error(error->message(), QStringLiteral("追加レシピ作成エラー"));
    return;
  }
  const auto& result = std::get<exchange::ExportResult>(exported);
  fra2->setTitle(result.folderName);
  showExportFolder(result.folderPath);
  File1->show();
  dialogs_.inform(result.folderName + QStringLiteral("フォルダに追加レシピ情報を作成しました。\r\n\r\n"
                                                     "作成した追加レシピはお友達同士で利用し合ったり、ネット上にアップロードできます。"),
                  QStringLiteral("追加レシピ作成ＯＫ"));
}

void frmPrivate::cmdFile_Click() {
  const QString folder = Dir1->text().isEmpty() ? StartFolder : Dir1->text();
  if (auto path = dialogs_.openFile(QStringLiteral("追加レシピデータを選択します"), folder,
                                    QStringLiteral("追加レシピデータ (*.TXT *.txt)")))
    File2_Click(*path);
}

void frmPrivate::showChosenFile(const QString& folder, const QString& fileName) {
  ShowUserText(Dir1, folder);
  ShowUserText(File2, fileName);
  Dir1->setAccessibleName(QStringLiteral("取り込むフォルダ %1").arg(folder).trimmed());
  File2->setAccessibleName(QStringLiteral("取り込むファイル %1").arg(fileName).trimmed());
}

void frmPrivate::File2_Click(const QString& path) {
  exchangeFile_.reset();
  newNames_->setStringList({});
  const QFileInfo chosen(path);
  showChosenFile(QDir::toNativeSeparators(chosen.absolutePath()), chosen.fileName());

  if (exchange::IsSameFile(path, module_.path(recipe_file::kFileName))) {
    dialogs_.warn(QStringLiteral("「%1」はこのレシピ帳のレシピファイルです。\n追加レシピデータとして取り込むことはできません。")
                      .arg(chosen.fileName()),
                  QStringLiteral("取り込めないファイル"));
    return;
  }
  auto read = exchange::ReadExchangeFile(path);
  if (auto* error = std::get_if<FileError>(&read)) {
    dialogs_.warn(error->message() + QStringLiteral("\n追加レシピデータとして取り込むことはできません。"),
                  QStringLiteral("取り込めないファイル"));
    return;
  }
  exchange::ExchangeFile& file = std::get<exchange::ExchangeFile>(read);
  if (file.records.empty()) {
    dialogs_.message({QStringLiteral("それは追加レシピデータではありません。")});
    return;
  }
  QStringList names;
  for (const auto& record : file.records) names.append(record.dishName);
  exchangeFile_ = std::move(file);
  newNames_->setStringList(names);
  lstNewD->selectAll();
}

void frmPrivate::importPictures(const std::vector<int>& chosen) {
  const DataFolder source(QFileInfo(exchangeFile_->path).absolutePath());
  QSet<QString> done;  // a name that comes twice brings its pictures once
  QStringList refused;
  for (int index : chosen) {
    const QString& name = exchangeFile_->records[size_t(index)].dishName;
    if (done.contains(name)) continue;
    done.insert(name);
    if (exchange::UntrustedPictureName(name)) {
      refused.append(QStringLiteral("・") + (name.isEmpty() ? QStringLiteral("（料理名なし）") : name));
      continue;
    }
    for (const exchange::PictureCopy& copy : exchange::PicturesToImport(source, module_.Folder, name)) {
      if (ReadPicture(copy.bytes).isNull()) continue;  // only what reads as a picture comes in
      if (copy.replaces && !dialogs_.confirm(replaceQuestion(name, copy), QStringLiteral("画像の置き換え確認"),
                                             MessageBox::Icon::Question, MessageBox::Answer::Cancel))
        continue;
      text_file::writeBytes(copy.target, copy.bytes);  // a picture that cannot be written is skipped
    }
  }
  if (!refused.isEmpty())
    dialogs_.warn(QStringLiteral("次のレシピは取り込みましたが、料理名をファイル名にできないため画像は取り込んでいません。\n") +
                      refused.join(u'\n'),
                  QStringLiteral("画像を取り込めませんでした"));
}

void frmPrivate::cmdCopy_Click() {
  if (!exchangeFile_) return;
  const std::vector<int> chosen = chosenImports();
  if (chosen.empty()) {
    dialogs_.warn(QStringLiteral("取り込む料理名が選択されていません。\n取り込みたい料理名を選択してから「取り込み」を押してください。"),
                  QStringLiteral("追加レシピ取り込み対象無し"));
    return;
  }
  std::optional<FileError> error;
  {
    BusyCursor busy;
    BackUpBeforeWrite(module_, dialogs_, module_.path(recipe_file::kFileName), backups::Change::Keeps);
    error = exchange::AppendExchangeRecords(module_.path(recipe_file::kFileName), *exchangeFile_, chosen);
  }
  if (error) {
    dialogs_.error(error->message() + QStringLiteral("\nレシピは１件も取り込んでいません。"), QStringLiteral("取り込みエラー"));
    return;
  }
  importPictures(chosen);
  {
    BusyCursor busy;
    emit recipesImported();
  }
  dialogs_.inform(QStringLiteral("追加レシピを受け取りました。"), QStringLiteral("登録終了"));
  if (module_.Stats.LevelPercent >= 100) dialogs_.inform(LevelMessage(module_.Prof.TargetPoints), kLevelMessageTitle);
}
