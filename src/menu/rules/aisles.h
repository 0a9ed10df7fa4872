// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store sections ("売り場") the shopping list is grouped by, and how many days a bought item of
// each keeps when it goes into the refrigerator. A built-in table knows the common ingredients; the
// book's "売り場.TXT" adds to it and wins over it. Its lines, two fields separated by a comma:
//   材料名,売り場   "パクチー,野菜・果物": the ingredient is sold there (a new section name makes
//                   a new section, listed before 乾物・その他)
//   売り場,日数     "肉,2": a bought item of that section keeps that many days (1 to 999)
// Blank lines and lines starting with "#" are passed over. An ingredient is in the section of the
// longest name of the table that its folded name holds ("豚バラ肉" holds "肉"); an unknown one is
// in 乾物・その他.
//
// "常備品.TXT" lists the staples, one name a line like "材料.TXT": they never go on the list.
#include <QStringList>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "platform/rules/file_error.h"

inline const QString kAisleFileName = QStringLiteral("売り場.TXT");
inline const QString kStapleFileName = QStringLiteral("常備品.TXT");

struct Aisle {
  QString name;
  int keepsDays = 0;
};

class AisleTable {
 public:
  AisleTable();  // the built-in table

  // Adds the lines of the user's file; the number (1-based) of the first line that is neither
  // form, with nothing added, when there is one.
  std::optional<int> addLines(const QStringList& lines);

  // The section of an ingredient by its folded name (FoldIngredientName).
  int aisleOf(const QString& key) const;
  const std::vector<Aisle>& aisles() const { return aisles_; }

 private:
  int aisleNamed(const QString& name, bool make);
  void addWord(const QString& name, int aisle, bool first);

  std::vector<Aisle> aisles_;
  std::vector<std::pair<QString, int>> words_;  // folded names, longest first; the user's before the built-in
};

// The built-in table with the user's file added; a missing file adds nothing.
std::variant<AisleTable, FileError> ReadAisleTable(const QString& path);
