// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/windows/frm_web_import.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "platform/rules/plain_file.h"
#include "platform/rules/text_file.h"
#include "platform/rules/typed_text.h"
#include "platform/windows/controls.h"
#include "store/rules/picture_files.h"
#include "web_import/windows/page_fetch.h"

namespace {

// A picture from a page is at most this large; larger ones are not a dish's photo.
constexpr qint64 kPictureFetchCap = 16 * plain_file::kMiB;

template <typename Control>
Control* named(Control* control, const char* name) {
  control->setObjectName(QLatin1String(name));
  return control;
}

QLabel* captionFor(QWidget* box, const QString& text) {
  return controls::caption(box->parentWidget(), text, QStringLiteral("lbl") + box->objectName().mid(3), box);
}

QPlainTextEdit* textArea(QWidget* parent, const char* name) {
  auto* area = named(new QPlainTextEdit(parent), name);
  area->setTabChangesFocus(true);
  return area;
}

bool isSavedPagePath(const QString& text) {
  const QString suffix = QFileInfo(text).suffix().toLower();
  return suffix == u"html" || suffix == u"htm" || suffix == u"xhtml";
}

}  // namespace

frmWebImport::frmWebImport(Module1& module, Dialogs& dialogs, AddRecipe addRecipe, QWidget* parent)
    : QWidget(parent, Qt::Window), module_(module), dialogs_(dialogs), addRecipe_(std::move(addRecipe)) {
  setObjectName(QStringLiteral("frmWebImport"));
  setWindowTitle(QStringLiteral("Webから取り込み"));
  resize(720, 720);
  pageFetch_ = new PageFetch(this);
  pictureFetch_ = new PageFetch(this);
  buildControls();

  connect(pageFetch_, &PageFetch::progress, this, [this](qint64 received, qint64 total) {
    prgFetch->setRange(0, total > 0 ? 100 : 0);
    if (total > 0) prgFetch->setValue(int(received * 100 / total));
  });
  connect(pageFetch_, &PageFetch::fetched, this, [this](const QByteArray& body, const QUrl& from, const QString& charset) {
    setFetching(false, QString());
    showPage(body, charset, from);
  });
  connect(pageFetch_, &PageFetch::failed, this, [this](const QString& message) {
    setFetching(false, message);
    dialogs_.warn(message, QStringLiteral("取り込めません"));
    emit previewShown();
  });
  connect(pictureFetch_, &PageFetch::fetched, this, [this](const QByteArray& body) { takePicture(body); });
  connect(pictureFetch_, &PageFetch::failed, this, [this](const QString& message) { showPictureState(message); });
  clearPreview();
  setFetching(false, QStringLiteral("レシピのページのアドレスを貼り付けて「取り込む」を押してください。"));
}

void frmWebImport::buildControls() {
  txtUrl = named(new QLineEdit(this), "txtUrl");
  txtUrl->setPlaceholderText(QStringLiteral("https://"));
  cmdFetch = controls::button(this, QStringLiteral("取り込む"), QStringLiteral("cmdFetch"));
  cmdOpenPage = controls::button(this, QStringLiteral("保存したページを開く"), QStringLiteral("cmdOpenPage"));
  cmdStop = controls::button(this, QStringLiteral("中止"), QStringLiteral("cmdStop"));
  prgFetch = named(new QProgressBar(this), "prgFetch");
  prgFetch->setAccessibleName(QStringLiteral("取得の進み具合"));
  lblStatus = named(new QLabel(this), "lblStatus");
  lblStatus->setWordWrap(true);
  cboRecipes = named(new QComboBox(this), "cboRecipes");
  lblRecipes = captionFor(cboRecipes, QStringLiteral("取り込むレシピ"));

  txtName = named(new QLineEdit(this), "txtName");
  cboGenre = controls::editableCombo(this, QStringLiteral("cboGenre"));
  cboKind = controls::editableCombo(this, QStringLiteral("cboKind"));
  cboMethod = controls::editableCombo(this, QStringLiteral("cboMethod"));
  txtCal = controls::numberBox(this, QStringLiteral("txtCal"));
  txtSalt = controls::numberBox(this, QStringLiteral("txtSalt"));
  txtTime = controls::numberBox(this, QStringLiteral("txtTime"));
  txtSource = named(new QLineEdit(this), "txtSource");
  txtIngredients = textArea(this, "txtIngredients");
  txtSteps = textArea(this, "txtSteps");
  txtMemo = textArea(this, "txtMemo");
  imgPicture = named(new QLabel(this), "imgPicture");
  imgPicture->setFixedSize(160, 120);
  imgPicture->setAlignment(Qt::AlignCenter);
  imgPicture->setFrameShape(QFrame::StyledPanel);
  imgPicture->setAccessibleName(QStringLiteral("料理の画像"));
  lblPicture = named(new QLabel(this), "lblPicture");
  lblPicture->setWordWrap(true);
  lstNotes = named(new QListWidget(this), "lstNotes");
  lstNotes->setAccessibleName(QStringLiteral("取り込みについて"));  // a list is not named by its caption
  cmdAdd = controls::button(this, QStringLiteral("レシピ帳に追加"), QStringLiteral("cmdAdd"));
  cmdClose = controls::button(this, QStringLiteral("閉じる"), QStringLiteral("cmdClose"));

  auto* fetchRow = new QHBoxLayout;
  fetchRow->addWidget(captionFor(txtUrl, QStringLiteral("アドレス")));
  fetchRow->addWidget(txtUrl, 1);
  for (QWidget* w : {static_cast<QWidget*>(cmdFetch), static_cast<QWidget*>(cmdStop), static_cast<QWidget*>(cmdOpenPage)})
    fetchRow->addWidget(w);

  auto* fields = new QGridLayout;
  int row = 0;
  auto addRow = [&](QWidget* box, const QString& caption, int column = 0, int span = 5) {
    fields->addWidget(captionFor(box, caption), row, column);
    fields->addWidget(box, row, column + 1, 1, span);
  };
  addRow(txtName, QStringLiteral("料理名"));
  ++row;
  addRow(cboGenre, QStringLiteral("ジャンル"), 0, 1), addRow(cboKind, QStringLiteral("種類"), 2, 1),
      addRow(cboMethod, QStringLiteral("調理方法"), 4, 1);
  ++row;
  addRow(txtCal, QStringLiteral("一人分㌍"), 0, 1), addRow(txtSalt, QStringLiteral("塩分（ｇ）"), 2, 1),
      addRow(txtTime, QStringLiteral("調理時間（分）"), 4, 1);
  ++row;
  addRow(txtSource, QStringLiteral("参考"));
  ++row;
  addRow(txtIngredients, QStringLiteral("材料"));
  ++row;
  addRow(txtSteps, QStringLiteral("作り方"));
  ++row;
  addRow(txtMemo, QStringLiteral("メモ"));
  for (const auto& [line, share] : {std::pair{row - 2, 3}, std::pair{row - 1, 3}, std::pair{row, 1}})
    fields->setRowStretch(line, share);  // the ingredients and the steps get the room

  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(imgPicture);
  pictureRow->addWidget(lblPicture, 1);
  auto* notesCaption = captionFor(lstNotes, QStringLiteral("取り込みについて"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdAdd);
  buttons->addWidget(cmdClose);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fetchRow);
  layout->addWidget(prgFetch);
  layout->addWidget(lblStatus);
  auto* recipesRow = new QHBoxLayout;
  recipesRow->addWidget(lblRecipes);
  recipesRow->addWidget(cboRecipes, 1);
  layout->addLayout(recipesRow);
  layout->addLayout(fields, 1);
  layout->addLayout(pictureRow);
  layout->addWidget(notesCaption);
  layout->addWidget(lstNotes);
  layout->addLayout(buttons);
  lstNotes->setMaximumHeight(90);

  connect(cmdFetch, &QPushButton::clicked, this, &frmWebImport::cmdFetch_Click);
  connect(txtUrl, &QLineEdit::returnPressed, this, &frmWebImport::cmdFetch_Click);
  connect(cmdOpenPage, &QPushButton::clicked, this, &frmWebImport::cmdOpenPage_Click);
  connect(cmdStop, &QPushButton::clicked, this, &frmWebImport::cmdStop_Click);
  connect(cboRecipes, &QComboBox::activated, this, &frmWebImport::cboRecipes_Click);
  connect(cmdAdd, &QPushButton::clicked, this, &frmWebImport::cmdAdd_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmWebImport::setFetchTimeout(int ms) {
  pageFetch_->setTimeout(ms);
  pictureFetch_->setTimeout(ms);
}

void frmWebImport::setFetching(bool fetching, const QString& status) {
  cmdFetch->setEnabled(!fetching);
  cmdOpenPage->setEnabled(!fetching);
  cmdStop->setEnabled(fetching);
  prgFetch->setVisible(fetching);
  prgFetch->setRange(0, 0);
  lblStatus->setText(status);
}

void frmWebImport::open(const QString& addressOrPath) {
  show();
  raise();
  activateWindow();
  txtUrl->setText(addressOrPath);
  cmdFetch_Click();
}

void frmWebImport::cmdFetch_Click() {
  const QString text = txtUrl->text().trimmed();
  if (text.isEmpty()) {
    dialogs_.warn(QStringLiteral("レシピのページのアドレスを入力してください。"), QStringLiteral("アドレス未記入"));
    return;
  }
  const QUrl url = QUrl::fromUserInput(text);
  if (url.isLocalFile()) return readSavedPage(url.toLocalFile());
  if (url.scheme() != u"https" && url.scheme() != u"http") {
    dialogs_.warn(QStringLiteral("https:// で始まるアドレスを入力してください。"), QStringLiteral("アドレスエラー"));
    return;
  }
  clearPreview();
  setFetching(true, QStringLiteral("ページを取得しています…"));
  pageFetch_->start(url, web_import::kPageCap, QStringLiteral("ページ"));
}

void frmWebImport::cmdOpenPage_Click() {
  const auto path = dialogs_.openFile(QStringLiteral("保存したページを開く"), QString(),
                                      QStringLiteral("Webページ (*.html *.htm *.xhtml)"));
  if (!path) return;
  txtUrl->setText(*path);
  readSavedPage(*path);
}

void frmWebImport::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (pageFetch_->running() || pictureFetch_->running()) cmdStop_Click();
}

void frmWebImport::cmdStop_Click() {
  pageFetch_->cancel();
  pictureFetch_->cancel();
  setFetching(false, QStringLiteral("取得を中止しました。"));
}

void frmWebImport::readSavedPage(const QString& path) {
  clearPreview();
  if (!isSavedPagePath(path)) {
    dialogs_.warn(QStringLiteral("Webページのファイル（.html、.htm）を選んでください。\n%1").arg(path), QStringLiteral("取り込めません"));
    emit previewShown();
    return;
  }
  auto bytes = plain_file::read(path, web_import::kPageCap);
  if (auto* error = std::get_if<FileError>(&bytes)) {
    dialogs_.error(error->message(), QStringLiteral("取り込めません"));
    emit previewShown();
    return;
  }
  showPage(std::get<QByteArray>(bytes), QString(), QUrl::fromLocalFile(path));
}

void frmWebImport::clearPreview() {
  page_ = {};
  picture_.clear();
  pictureFetch_->cancel();
  for (QLineEdit* box : {txtName, txtCal, txtSalt, txtTime, txtSource}) box->clear();
  for (QPlainTextEdit* area : {txtIngredients, txtSteps, txtMemo}) area->clear();
  const std::pair<QComboBox*, const QStringList*> combos[] = {
      {cboGenre, &module_.Lists.GenreList}, {cboKind, &module_.Lists.KindList}, {cboMethod, &module_.Lists.MethodList}};
  for (const auto& [combo, items] : combos) {
    combo->clear();
    combo->addItems(*items);
    combo->setEditText(QString());
  }
  cboRecipes->clear();
  lblRecipes->hide();
  cboRecipes->hide();
  imgPicture->clear();
  lblPicture->clear();
  lstNotes->clear();
  cmdAdd->setEnabled(false);
}

void frmWebImport::showPage(const QByteArray& html, const QString& charset, const QUrl& from) {
  clearPreview();
  page_ = web_import::ReadPage(html, charset);
  if (page_.recipes.isEmpty()) {
    const QString message = page_.brokenJsonBlocks > 0
                                ? QStringLiteral("このページのレシピの情報が壊れていて読めませんでした。何も取り込んでいません。")
                                : QStringLiteral("このページにはレシピの情報が見つかりませんでした。何も取り込んでいません。");
    lblStatus->setText(message);
    dialogs_.warn(message, QStringLiteral("取り込めません"));
    emit previewShown();
    return;
  }
  pageUrl_ = from;
  address_ = !page_.address.isEmpty() ? page_.address : from.isLocalFile() ? QString() : from.toString();
  siteName_ = !page_.siteName.isEmpty() ? page_.siteName : QUrl(address_).host();
  for (int i = 0; i < page_.recipes.size(); ++i) cboRecipes->addItem(web_import::RecipeTitle(page_.recipes[i], i + 1));
  const bool several = page_.recipes.size() > 1;
  lblRecipes->setVisible(several);
  cboRecipes->setVisible(several);
  lblStatus->setText(several ? QStringLiteral("このページには%1件のレシピがあります。取り込むレシピを選んでください。").arg(page_.recipes.size())
                             : QStringLiteral("内容を確かめて「レシピ帳に追加」を押してください。"));
  showRecipe(0);
  emit previewShown();
}

void frmWebImport::cboRecipes_Click(int index) { showRecipe(index); }

void frmWebImport::showRecipe(int index) {
  if (index < 0 || index >= page_.recipes.size()) return;
  const web_import::ImportedRecipe recipe = web_import::MapRecipe(page_.recipes[index], {siteName_, address_}, module_.Lists);
  const recipe_file::RecipeForm& form = recipe.form;
  txtName->setText(form.DishName);
  cboGenre->setEditText(form.Genre);
  cboKind->setEditText(form.Kind);
  cboMethod->setEditText(form.CookingMethod);
  txtCal->setText(form.Calories);
  txtSalt->setText(form.Salt);
  txtTime->setText(form.CookingTime);
  txtSource->setText(form.Reference);
  txtIngredients->setPlainText(form.Ingredients);
  txtSteps->setPlainText(form.Steps);
  txtMemo->setPlainText(form.Memo);
  lstNotes->clear();
  lstNotes->addItems(recipe.notes);
  for (const web_import::Substitution& s : recipe.substitutions)
    lstNotes->addItem(QStringLiteral("ファイルに書けない文字を置き換えました：") + web_import::DescribeSubstitution(s));
  cmdAdd->setEnabled(true);
  fetchPicture(recipe.imageAddress);
}

void frmWebImport::showPictureState(const QString& text) {
  imgPicture->clear();
  picture_.clear();
  lblPicture->setText(text);
}

void frmWebImport::fetchPicture(const QString& address) {
  pictureFetch_->cancel();
  showPictureState(QStringLiteral("このレシピには画像がありません。"));
  if (address.isEmpty()) return;
  const QUrl url = pageUrl_.resolved(QUrl(address));
  if (url.isLocalFile()) {
    // Only a saved page's own pictures: beside it or in a folder below it.
    const QString folder = QFileInfo(pageUrl_.toLocalFile()).absolutePath() + u'/';
    if (!pageUrl_.isLocalFile() || !QDir::cleanPath(url.toLocalFile()).startsWith(folder))
      return showPictureState(QStringLiteral("ページの外のファイルを指す画像なので、画像は取り込みません。"));
    auto bytes = plain_file::read(url.toLocalFile(), kPictureFetchCap);
    if (auto* error = std::get_if<FileError>(&bytes)) return showPictureState(error->message());
    return takePicture(std::get<QByteArray>(bytes));
  }
  lblPicture->setText(QStringLiteral("画像を取得しています…"));
  pictureFetch_->start(url, kPictureFetchCap, QStringLiteral("画像"));
}

void frmWebImport::takePicture(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer);
  const QByteArray format = reader.format().toLower();
  const QImage image = reader.read();
  if (image.isNull()) return showPictureState(QStringLiteral("画像のデータではないため、画像は取り込みません。"));
  // The book shows JPEG, GIF and BMP pictures; another kind is stored as JPEG.
  if (format == "jpeg" || format == "jpg" || format == "gif" || format == "bmp") {
    picture_ = bytes;
    pictureSuffix_ = format == "jpeg" ? QStringLiteral(".jpg") : u'.' + QString::fromLatin1(format);
  } else {
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&jpeg, "JPG", 90);
    picture_ = jpeg.data();
    pictureSuffix_ = QStringLiteral(".jpg");
  }
  imgPicture->setPixmap(QPixmap::fromImage(image.scaled(imgPicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  lblPicture->setText(QStringLiteral("この画像を料理の画像として取り込みます（%1×%2）。").arg(image.width()).arg(image.height()));
}

// The fields as the main window would store them typed: the same conversion as 登録.
recipe_file::RecipeForm frmWebImport::typedRecipe() const {
  using typed_text::ToStored;
  recipe_file::RecipeForm form;
  form.DishName = ToStored(txtName->text());
  form.Genre = ToStored(cboGenre->currentText());
  form.Kind = ToStored(cboKind->currentText());
  form.CookingMethod = ToStored(cboMethod->currentText());
  form.Calories = txtCal->text();
  form.Salt = txtSalt->text();
  form.CookingTime = txtTime->text();
  form.SelfRating = kUnrated;
  form.OthersRating = kUnrated;
  form.Reference = ToStored(txtSource->text());
  form.Ingredients = ToStored(txtIngredients->toPlainText());
  form.Steps = ToStored(txtSteps->toPlainText());
  form.Memo = ToStored(txtMemo->toPlainText());
  return form;
}

void frmWebImport::cmdAdd_Click() {
  recipe_file::RecipeForm form = typedRecipe();
  if (form.DishName.isEmpty()) {
    dialogs_.warn(QStringLiteral("料理名は必ず入力してください"), QStringLiteral("料理名未記入"));
    return;
  }
  if (module_.Recipes.FindRecipeByDishName(form.DishName) != 0) {
    // Two records of one name would be one to the main window, which finds a recipe by its name.
    QString free;
    for (int n = 2; free.isEmpty() || module_.Recipes.FindRecipeByDishName(free) != 0; ++n)
      free = form.DishName + QStringLiteral("（%1）").arg(QString::number(n));
    if (!dialogs_.confirm(QStringLiteral("『 %1 』は既にレシピ帳にあります。\n『 %2 』として追加しますか？\n"
                                         "（別の料理名にするときは「キャンセル」を押して料理名を直してください）")
                              .arg(form.DishName, free),
                          QStringLiteral("同じ料理名"), MessageBox::Icon::Question))
      return;
    form.DishName = free;
    txtName->setText(free);
  }
  if (!addRecipe_(form)) return;
  const bool withPicture = storePicture(form.DishName);
  lblStatus->setText(QStringLiteral("『 %1 』をレシピ帳に追加しました。").arg(form.DishName));
  cmdAdd->setEnabled(false);
  if (withPicture) emit pictureStored();
}

bool frmWebImport::storePicture(const QString& dishName) {
  if (picture_.isEmpty()) return false;
  if (auto problem = PictureNameProblem(dishName)) {
    dialogs_.warn(*problem + QStringLiteral("\n画像は取り込みませんでした。"), QStringLiteral("ファイル名エラー"));
    return false;
  }
  const QString target = module_.Folder.path(PictureTargetName(dishName, QStringLiteral("web") + pictureSuffix_));
  if (QFileInfo::exists(target) &&
      !dialogs_.confirm(QStringLiteral("同じ名前の画像が既に存在します。上書きしますか？"), QStringLiteral("上書き確認"),
                        MessageBox::Icon::Exclamation))
    return false;
  if (auto error = text_file::writeBytes(target, picture_)) {
    dialogs_.error(QStringLiteral("画像をコピーできませんでした。\n%1\n%2").arg(target, error->detail), QStringLiteral("コピーエラー"));
    return false;
  }
  return true;
}
