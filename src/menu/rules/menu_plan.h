// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three-day menu plan and its file "MENU.TXT": three lines, one per day, each the day caption
// and the breakfast, lunch and dinner dish names, every field in double quotes.
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"

inline const QString kMenuFileName = QStringLiteral("MENU.TXT");

constexpr int kMenuDays = 3;
constexpr int kMealsPerDay = 3;
constexpr int kMenuSlots = kMenuDays * kMealsPerDay;  // slot = 3 × day + meal

struct MenuDay {
  QString DayCaption;
  QString Breakfast;
  QString Lunch;
  QString Dinner;

  bool operator==(const MenuDay&) const = default;
};

struct MenuPlan {
  std::array<MenuDay, kMenuDays> Days;

  QString& dish(int slot);
  const QString& dish(int slot) const;

  bool operator==(const MenuPlan&) const = default;
};

// The plan a window shows before anything is read: the captions "日付１" to "日付３" and
// "レシピ選択" in every slot.
MenuPlan BlankMenuPlan();

// Reads the plan. A missing file, a missing line or a missing field leaves the blank plan's
// text in its place, so a new or damaged file still opens. A file that cannot be read or decoded
// is an error.
std::variant<MenuPlan, FileError> ReadMenuPlan(const QString& path);

// Why the plan cannot be written (a double quote or a line break in a field), or nothing.
std::optional<FileError> MenuPlanProblem(const QString& path, const MenuPlan& plan);

// Replaces the file with the plan. Refuses, before touching the file, a field the file cannot
// hold back and a character CP932 cannot hold.
std::optional<FileError> WriteMenuPlan(const QString& path, const MenuPlan& plan);

// Saves what the window changed: every field of shown that differs from read (the plan as the
// window read or last saved it) goes into the file as it is now, and the other fields keep what
// another writer may have saved meanwhile. Returns the plan as saved; refused as WriteMenuPlan is.
std::variant<MenuPlan, FileError> SaveMenuPlanChanges(const QString& path, const MenuPlan& read, const MenuPlan& shown);

// "朝", "昼", "夕" for meal 0, 1, 2.
QString MealCaption(int meal);

// "2日目の昼": how messages and screen readers name a slot.
QString MenuSlotName(int slot);

// "24年03月09日 土曜日": the caption of a day when it is set from a date.
QString MenuDayCaption(QDate day);

// "2024/03/09": how the first-day list shows a date.
QString MenuShortDate(QDate day);
