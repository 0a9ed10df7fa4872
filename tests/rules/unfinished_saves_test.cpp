// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary files a write killed at the wrong moment leaves beside its file are removed at
// the next start; files a user made, links and folders stay.
#include "platform/rules/unfinished_saves.h"

#include <gtest/gtest.h>

#include <QDir>

#include "rules_test_util.h"
#include "support/hostile_files.h"
#include "support/temp_book.h"

TEST(UnfinishedSaves, OnlyTheProgramsOwnTemporaryFilesAreRemoved) {
  TempBook folder;
  for (const QString& name : {u"レシピ.TXT"_s, u"カレー.jpg"_s, u"memo.odt"_s}) folder.writeBytes(name, "file");
  const QStringList leftovers = {
      u"レシピ.TXT.aBcDeF"_s,  // beside its file
      u"カレー.jpg.QxWzEr"_s,  // beside a picture
      u"MENU.TXT.kLmNoP"_s,    // a first save of a data file
      u"memo.odt.GhIjKl"_s,    // beside any file of the folder
  };
  const QStringList kept = {
      u"レシピ.TXT.backup"_s, u"レシピ.TXT.Backup"_s, u"レシピ.TXT.BACKUP"_s, u"レシピ.TXT.200401"_s,  // words and dates
      u"レシピ.TXT.aBcDe"_s, u"写真.png.aBcDeF"_s, u"レシピ.TXT.aB-DeF"_s,                                // not the pattern
  };
  for (const QString& name : leftovers + kept) folder.writeBytes(name, "part");
  MakeLink(u"レシピ.TXT"_s, folder.path(u"レシピ.TXT.LiNkEd"_s));
  QDir(folder.folder()).mkdir(u"レシピ.TXT.FoLdEr"_s);

  QStringList removed = RemoveUnfinishedSaves(folder.folder());
  removed.sort();
  QStringList expected = leftovers;
  expected.sort();
  EXPECT_EQ(removed, expected);
  QStringList left = QDir(folder.folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
  QStringList stays = kept + QStringList{u"レシピ.TXT"_s, u"カレー.jpg"_s, u"memo.odt"_s, u"レシピ.TXT.LiNkEd"_s,
                                         u"レシピ.TXT.FoLdEr"_s};
  left.sort();
  stays.sort();
  EXPECT_EQ(left, stays);
}
