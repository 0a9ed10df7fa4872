// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/windows/window_buttons.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QUrl>

#include "platform/rules/help_texts.h"
#include "store/windows/backup_before_write.h"
#include "store/windows/help_tour.h"
#include "store/rules/settings_file.h"

namespace {

struct ButtonText {
  const char* name;
  const char* caption;
  const char* tooltip;
};

const ButtonText kWindowButtons[] = {
    {"cmdKensaku", "検索", "レシピを検索できます"},       {"cmdSort", "リスト", "並び替えリストを表示します"},
    {"cmdGraph1", "分類", "分類分析グラフを表示します"}, {"cmdGraph2", "評価", "評価分析グラフを表示します"},
    {"cmdMenu", "献立", "献立を作ります"},               {"cmdReizou", "冷蔵庫", "材料を管理します"},
    {"cmdPrivate", "リンク", "レシピデータを交換します"}, {"cmdPrint", "印刷", "レシピやメニューを印刷します"},
    {"cmdHensyu", "編集", ""},
};

}  // namespace

WindowButtons::WindowButtons(Module1& module, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), module_(module), dialogs_(dialogs) {
  setObjectName(QStringLiteral("WindowButtons"));
  openHelp_ = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setHorizontalSpacing(4);
  int column = 0;
  for (const ButtonText& text : kWindowButtons) {
    const QString name = QString::fromLatin1(text.name);
    auto* button = new QPushButton(QString::fromUtf8(text.caption), this);
    button->setObjectName(name);
    button->setToolTip(QString::fromUtf8(text.tooltip));
    button->setFixedHeight(30);
    button->setEnabled(false);  // until the program has the window
    connect(button, &QPushButton::clicked, this, [this, name] { windowButton_Click(name); });
    buttons_.insert(name, button);
    layout->addWidget(button, 0, column++);
  }
  chkHelp = new QCheckBox(QStringLiteral("ヘルプツアー"), this);
  chkHelp->setObjectName(QStringLiteral("chkHelp"));
  chkHelp->setToolTip(QStringLiteral("ヘルプツアーのＯｎ／Ｏｆｆです"));
  chkHelp->setAccessibleName(QStringLiteral("ヘルプツアー"));
  connect(chkHelp, &QCheckBox::clicked, this, &WindowButtons::chkHelp_Click);
  layout->addWidget(chkHelp, 0, column++);
  cmdHelp = new QPushButton(QStringLiteral("ヘルプ"), this);
  cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
  cmdHelp->setToolTip(QStringLiteral("ヘルプファイルを開きます"));
  cmdHelp->setFixedHeight(30);
  connect(cmdHelp, &QPushButton::clicked, this, &WindowButtons::cmdHelp_Click);
  layout->addWidget(cmdHelp, 0, column++);
}

void WindowButtons::registerWindow(const QString& buttonName, std::function<QWidget*()> create) {
  modeless_.insert(buttonName, std::move(create));
  buttons_.value(buttonName)->setEnabled(true);
}

void WindowButtons::registerModal(const QString& buttonName, std::function<QDialog*()> create) {
  modal_.insert(buttonName, std::move(create));
  buttons_.value(buttonName)->setEnabled(true);
}

QWidget* WindowButtons::openWindow(const QString& buttonName) const { return open_.value(buttonName).data(); }

void WindowButtons::closeWindows(const QStringList& buttonNames) {
  for (const QString& name : buttonNames) {
    if (QWidget* window = open_.value(name)) {
      window->close();
      window->deleteLater();
    }
    open_.remove(name);
  }
}

void WindowButtons::windowButton_Click(const QString& buttonName) {
  if (auto modal = modal_.value(buttonName)) {
    QDialog* dialog = modal();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    open_.insert(buttonName, dialog);
    dialog->exec();
    return;
  }
  auto create = modeless_.value(buttonName);
  if (!create) return;
  QWidget* window = open_.value(buttonName);
  if (!window) {
    window = create();
    window->setAttribute(Qt::WA_DeleteOnClose);
    open_.insert(buttonName, window);
  }
  window->show();
  window->raise();
  window->activateWindow();
  Explain(module_, dialogs_, help_texts::ForWindowButton(buttonName));
}

void WindowButtons::showHelpTourFlag() {
  const QSignalBlocker quiet(chkHelp);
  chkHelp->setChecked(module_.HelpTourOn != 0);
}

void WindowButtons::chkHelp_Click() {
  if (module_.SplashActive) return;
  const int on = chkHelp->isChecked() ? 1 : 0;
  if (on)
    dialogs_.inform(QStringLiteral("ヘルプツアー機能をオンにします。"), QStringLiteral("ヘルプツアーＯＮ"));
  else
    dialogs_.inform(QStringLiteral("ヘルプツアー機能をオフにします。"), QStringLiteral("ヘルプツアーＯＦＦ"));
  module_.HelpTourOn = on;
  BackUpBeforeWrite(module_, dialogs_, module_.path(kSettingsFileName), backups::Change::Keeps);
  if (auto error = SaveSettings(module_.path(kSettingsFileName), on))
    dialogs_.error(error->message() + QStringLiteral("\n次回の起動時には元の設定に戻ります。"),
                   QStringLiteral("保存エラー"));
}

void WindowButtons::cmdHelp_Click() {
  const QString path = module_.Folder.existing(kHelpFileName);
  if (path.isEmpty()) {
    dialogs_.warn(QStringLiteral("ヘルプファイル「%1」がレシピのフォルダにありません。\n%2")
                      .arg(kHelpFileName, module_.Folder.folder()),
                  QStringLiteral("ヘルプ"));
    return;
  }
  if (!openHelp_(path))
    dialogs_.warn(QStringLiteral("ヘルプファイル「%1」を開くアプリケーションが見つかりません。").arg(kHelpFileName),
                  QStringLiteral("ヘルプ"));
}
