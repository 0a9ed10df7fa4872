// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One recipe as the recipe file holds it. Multi-line fields keep their lines joined by CR LF.
#include <QString>
#include <QStringList>
#include <vector>

// The words a record holds for its own and others' rating.
inline const QString kExcellent = QStringLiteral("優");
inline const QString kGood = QStringLiteral("良");
inline const QString kPoor = QStringLiteral("不");
inline const QString kUnrated = QStringLiteral("未");

struct Recipe {
  QString DishName;
  QString Genre;
  QString Kind;
  QString CookingMethod;
  float CaloriesPerPerson = 0;
  float Salt = 0;
  float CookingTime = 0;
  QString SelfRating;    // one of the rating words above
  QString OthersRating;
  QString CookCount;  // a number held as text, normalised on loading ("03" -> "3", "" -> "0")
  QString Reference;
  QString Ingredients;
  QString Steps;
  QString Memo;
  QString CookingLog;  // one "yyyy/mm/dd" per line

  bool operator==(const Recipe&) const = default;
};

// The records in file order, numbered 1..count(); slot 0 holds no record.
class RecipeTable {
 public:
  RecipeTable() : records_(1) {}
  explicit RecipeTable(std::vector<Recipe> records);

  int count() const { return int(records_.size()) - 1; }
  bool isEmpty() const { return count() == 0; }
  const Recipe& operator[](int number) const { return records_[size_t(number)]; }
  Recipe& operator[](int number) { return records_[size_t(number)]; }
  void append(Recipe recipe) { records_.push_back(std::move(recipe)); }
  // Puts the recipe at that number (1..count()+1); the records from there move up by one.
  void insert(int number, Recipe recipe) { records_.insert(records_.begin() + number, std::move(recipe)); }
  void reserve(int n) { records_.reserve(size_t(n) + 1); }

  // The number of the first record whose DishName equals name exactly, 0 when none.
  int FindRecipeByDishName(const QString& name) const;

  // Every record's DishName in table order (the dish-name lists of the windows).
  QStringList DishNames() const;

 private:
  std::vector<Recipe> records_;
};

// The most records the book can hold: record numbers are 16-bit.
constexpr int kMaxRecipes = 32766;
