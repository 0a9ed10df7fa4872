// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared state of one run: the recipe table, the category lists, the statistics, the profile,
// the help tour and the ratings of the recipe on screen. The application owns one; every window
// gets a reference. Tests make a fresh one over a temporary folder.
#include <QStringList>

#include "store/rules/backups.h"
#include "platform/rules/data_folder.h"
#include "platform/rules/file_stamp.h"
#include "store/rules/category_lists.h"
#include "store/rules/profile_file.h"
#include "store/rules/recipe.h"
#include "store/rules/statistics.h"

struct Module1 {
  explicit Module1(const QString& folder) : Folder(folder) {}

  DataFolder Folder;
  BookBackups Backups;  // every write of a data file asks it first

  RecipeTable Recipes;
  FileStamp RecipeFileStamp;  // the recipe file as Recipes was read from it or written
  int RecipeCount() const { return Recipes.count(); }

  CategoryLists Lists;
  const QStringList& GenreList() const { return Lists.GenreList; }
  const QStringList& KindList() const { return Lists.KindList; }
  const QStringList& MethodList() const { return Lists.MethodList; }

  Statistics Stats;
  Profile Prof;

  int HelpTourOn = 0;
  QString HelpTourText;

  QString CurrentSelfRating = kUnrated;
  QString CurrentOthersRating = kUnrated;

  bool SplashActive = false;

  QString path(const QString& fileName) const { return Folder.path(fileName); }

  void ComputeStatistics() { Stats = ::ComputeStatistics(Recipes, Lists, Prof.TargetPoints); }
};
