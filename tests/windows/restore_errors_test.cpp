// SPDX-License-Identifier: GPL-3.0-or-later
// A backup the restore window cannot read is named in a message, lists no recipes and brings
// nothing back; the book stays as it is.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <functional>

#include "store/rules/backups.h"
#include "store/rules/gzip_entry.h"
#include "support/main_window_fixture.h"

namespace {

const QString kRecipeFile = QStringLiteral("レシピ.TXT");

struct SpoiledBackup {
  std::string name;
  std::function<void(const QString& path)> spoil;
};

void PrintTo(const SpoiledBackup& c, std::ostream* os) { *os << c.name; }

void rewrite(const QString& path, const std::function<QByteArray(QByteArray)>& change) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = change(file.readAll());
  file.close();
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// What an entry keeps, changed and compressed again under its own head.
void rewriteKept(const QString& path, const std::function<QByteArray(QByteArray)>& change) {
  rewrite(path, [&](const QByteArray& member) {
    const auto head = gzip_entry::ReadHead(member);
    const auto kept = gzip_entry::Decompress(member, member.size() * 1000);
    EXPECT_TRUE(head && kept);
    return head && kept ? gzip_entry::Compress(change(*kept), *head) : member;
  });
}

const SpoiledBackup kSpoiled[] = {
    {"Damaged", [](const QString& path) { rewrite(path, [](QByteArray b) { return b.chopped(5); }); }},
    {"NotText", [](const QString& path) { rewriteKept(path, [](QByteArray b) { return b.replace("\r\n'", "\r\n\x81\x20"); }); }},
    {"Vanished", [](const QString& path) { QFile::remove(path); }},
};

class RestoreErrors : public MainWindowTest, public testing::WithParamInterface<SpoiledBackup> {};

TEST_P(RestoreErrors, AreReportedAndRestoreNothing) {
  writeRecipes({simpleRecipe(QStringLiteral("カレー")), simpleRecipe(QStringLiteral("肉じゃが"))});
  open();
  window->showRecord(2);
  click("cmdDelete");  // backs the book up first
  const QByteArray before = book.bytes(kRecipeFile);
  click("cmdFukugen");
  QWidget* restore = FindControl(window.get(), QStringLiteral("frmFukugen"));
  auto* list = FindControl<QTreeWidget>(restore, QStringLiteral("lstBackup"));
  ASSERT_GE(list->topLevelItemCount(), 1);

  // The newest entry, the delete's, is spoiled after the window listed it.
  GetParam().spoil(backups::ListAll(book.folder()).at(0).path);
  dialogs.clear();
  list->setCurrentItem(list->topLevelItem(0));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ファイルエラー"));
  EXPECT_EQ(dialogs.messages()[0].icon, MessageBox::Icon::Critical);
  EXPECT_EQ(FindControl<QListWidget>(restore, QStringLiteral("lstRecipe"))->count(), 0);
  EXPECT_EQ(FindControl<QLabel>(restore, QStringLiteral("lblRecipe"))->text(),
            QStringLiteral("今のレシピ帳にないレシピ（このバックアップは読めません）"));

  dialogs.clear();
  Press(restore, QStringLiteral("cmdZenbu"));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("復元対象無し"));
  EXPECT_EQ(book.bytes(kRecipeFile), before);
  EXPECT_EQ(module->RecipeCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Backups, RestoreErrors, testing::ValuesIn(kSpoiled),
                         [](const auto& info) { return info.param.name; });

}  // namespace
