// SPDX-License-Identifier: GPL-3.0-or-later
// A user's text ("M&M's": a dish, a category, a stock name, a menu caption, a file name) is shown
// in labels and frames as it stands: the "&" is neither dropped nor made a keyboard shortcut.
#include <QGroupBox>
#include <QTableView>

#include "exchange/windows/frm_private.h"
#include "listing/windows/frm_graph1.h"
#include "menu/windows/frm_menu.h"
#include "store/rules/profile_file.h"
#include "store/windows/frm_splash.h"
#include "support/accessible_names.h"
#include "support/main_window_fixture.h"

namespace {

const QString kUserText = QStringLiteral("M&M's");

// What the control draws: Qt drops a single "&" from a frame's title and from a label with a
// buddy (it marks a shortcut); a label may take markup.
QString drawnText(QWidget* control) {
  using accessible_names_detail::withoutMnemonic;
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return withoutMnemonic(frame->title());
  auto* label = qobject_cast<QLabel*>(control);
  if (!label) return QStringLiteral("(not a label or frame)");
  if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())) return QStringLiteral("(markup)");
  return label->buddy() ? withoutMnemonic(label->text()) : label->text();
}

}  // namespace

class UserTextShownTest : public MainWindowTest {};

TEST_F(UserTextShownTest, AnAmpersandInAUsersTextIsShownInEveryWindowThatShowsIt) {
  book.writeLines(QStringLiteral("ジャンル.TXT"), {"\"M&M's\"", "\"洋食\"", "\"中華\"", "\"エスニック\"", "\"イタリアン\"", "\"デザート\""});
  book.writeLines(QStringLiteral("冷蔵庫.TXT"), {"\"M&M's\",\"\",\"\""});
  book.writeLines(QStringLiteral("MENU.TXT"), {"\"M&M's\",\"\",\"\",\"\"", "\"日付２\",\"\",\"\",\"\"", "\"日付３\",\"\",\"\",\"\""});
  open();

  QWidget* fridge = openThrough("cmdReizou", "frmReizou");
  auto* grid = FindControl<QTableView>(fridge, QStringLiteral("msgReizou"));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());

  QWidget* menu = openThrough("cmdMenu", "frmMenu");
  QWidget* charts = openThrough("cmdGraph1", "frmGraph1");
  QWidget* exchange = openThrough("cmdPrivate", "frmPrivate");
  static_cast<frmPrivate*>(exchange)->File2_Click(book.path(QStringLiteral("M&M's.TXT")));
  frmSplash splash;
  splash.showProgress(1, 1, kUserText);

  struct Shown {
    QWidget* window;
    const char* control;
    QString text;
  };
  const Shown shown[] = {
      {fridge, "fraKensaku", QStringLiteral("『M&M's』 0件検出")},
      {menu, "fraHizuke(0)", kUserText},
      {charts, "lblJ_name(0)", kUserText},
      {exchange, "File2", QStringLiteral("M&M's.TXT")},
      {&splash, "lblKoumoku", kUserText},
  };
  for (const Shown& s : shown) {
    QWidget* control = FindControl(s.window, QString::fromLatin1(s.control));
    ASSERT_TRUE(control);
    EXPECT_EQ(drawnText(control), s.text) << s.control;
  }
  dialogs.clear();

  // The menu writes its captions back as they were read.
  QTest::mouseClick(FindControl<QPushButton>(menu, QStringLiteral("cmdHozon")), Qt::LeftButton);
  EXPECT_EQ(book.lines(QStringLiteral("MENU.TXT")).value(0), QStringLiteral("\"M&M's\",\"\",\"\",\"\""));
}

// Qt drops a "[*]" from a window title (it marks unsaved changes there); a nickname keeps it.
TEST_F(UserTextShownTest, TheMainWindowsTitleShowsTheNicknameAsWritten) {
  Profile profile = std::get<Profile>(LoadProfile(book.path(kProfileFileName)));
  profile.Nickname = QStringLiteral("[*]M&M's[*][*]");
  ASSERT_FALSE(SaveProfile(book.path(kProfileFileName), profile));
  frmMain& w = open();
  ASSERT_TRUE(w.windowHandle());
  EXPECT_EQ(w.windowHandle()->title(), QStringLiteral("Zestra  ～ [*]M&M's[*][*]のレシピ"));
}
