// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/rules/menu_plan.h"

#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

namespace {

constexpr int kFieldsPerLine = 1 + kMealsPerDay;

// The fields of a day's line, in file order.
constexpr QString MenuDay::*kLineFields[kFieldsPerLine] = {&MenuDay::DayCaption, &MenuDay::Breakfast,
                                                            &MenuDay::Lunch, &MenuDay::Dinner};

QString fieldName(int day, int index) {
  if (index == 0) return QStringLiteral("%1日目の日付").arg(day + 1);
  return MenuSlotName(day * kMealsPerDay + index - 1);
}

}  // namespace

QString& MenuPlan::dish(int slot) { return Days[slot / kMealsPerDay].*kLineFields[1 + slot % kMealsPerDay]; }

const QString& MenuPlan::dish(int slot) const {
  return Days[slot / kMealsPerDay].*kLineFields[1 + slot % kMealsPerDay];
}

QString MealCaption(int meal) {
  static const char16_t* const kMeals[kMealsPerDay] = {u"朝", u"昼", u"夕"};
  return QString::fromUtf16(kMeals[meal]);
}

QString MenuSlotName(int slot) {
  return QStringLiteral("%1日目の").arg(slot / kMealsPerDay + 1) + MealCaption(slot % kMealsPerDay);
}

MenuPlan BlankMenuPlan() {
  static const char16_t* const kDesignCaptions[] = {u"日付１", u"日付２", u"日付３"};
  MenuPlan plan;
  for (int day = 0; day < kMenuDays; ++day) {
    plan.Days[day].DayCaption = QString::fromUtf16(kDesignCaptions[day]);
    for (int meal = 1; meal < kFieldsPerLine; ++meal) plan.Days[day].*kLineFields[meal] = QStringLiteral("レシピ選択");
  }
  return plan;
}

namespace {

// The plan the lines hold, over the blank plan for what they lack.
MenuPlan planOf(const QStringList& lines) {
  MenuPlan plan = BlankMenuPlan();
  for (int day = 0; day < kMenuDays && day < lines.size(); ++day) {
    const QStringList fields = quoted_fields::split(lines[day]);
    for (int i = 0; i < kFieldsPerLine && i < fields.size(); ++i) plan.Days[day].*kLineFields[i] = fields[i];
  }
  return plan;
}

QStringList linesOf(const MenuPlan& plan) {
  QStringList lines;
  for (const MenuDay& day : plan.Days) {
    QStringList quoted;
    for (int i = 0; i < kFieldsPerLine; ++i) quoted.append(quoted_fields::quote(day.*kLineFields[i]));
    lines.append(quoted.join(u','));
  }
  return lines;
}

}  // namespace

std::variant<MenuPlan, FileError> ReadMenuPlan(const QString& path) {
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) {
    if (error->kind == FileError::Kind::Missing) return BlankMenuPlan();
    return *error;
  }
  return planOf(std::get<QStringList>(lines));
}

std::optional<FileError> MenuPlanProblem(const QString& path, const MenuPlan& plan) {
  for (int day = 0; day < kMenuDays; ++day) {
    for (int i = 0; i < kFieldsPerLine; ++i) {
      const QString& text = plan.Days[day].*kLineFields[i];
      QString what;
      if (!quoted_fields::canQuote(text))
        what = QStringLiteral("「\"」");
      else if (text.contains(u'\r') || text.contains(u'\n'))
        what = QStringLiteral("改行");
      else
        continue;
      return FileError{FileError::Kind::Refused, path, day + 1,
                       QStringLiteral("%1「%2」に%3が入っています。献立には%3を使えません。")
                           .arg(fieldName(day, i), text.simplified(), what)};
    }
  }
  return std::nullopt;
}

std::optional<FileError> WriteMenuPlan(const QString& path, const MenuPlan& plan) {
  if (auto problem = MenuPlanProblem(path, plan)) return problem;
  return text_file::writeLines(path, linesOf(plan));
}

std::variant<MenuPlan, FileError> SaveMenuPlanChanges(const QString& path, const MenuPlan& read, const MenuPlan& shown) {
  if (auto problem = MenuPlanProblem(path, shown)) return *problem;
  MenuPlan saved;
  auto error = text_file::updateLines(path, [&](const QStringList& current) -> std::variant<QStringList, FileError> {
    saved = planOf(current);
    for (int day = 0; day < kMenuDays; ++day)
      for (QString MenuDay::*field : kLineFields)
        if (shown.Days[day].*field != read.Days[day].*field) saved.Days[day].*field = shown.Days[day].*field;
    return linesOf(saved);
  });
  if (error) return *error;
  return saved;
}

QString MenuDayCaption(QDate day) {
  static const char16_t* const kWeekdays[] = {u"月曜日", u"火曜日", u"水曜日", u"木曜日",
                                             u"金曜日", u"土曜日", u"日曜日"};
  return QStringLiteral("%1年%2月%3日 ")
             .arg(day.year() % 100, 2, 10, QLatin1Char('0'))
             .arg(day.month(), 2, 10, QLatin1Char('0'))
             .arg(day.day(), 2, 10, QLatin1Char('0')) +
         QString::fromUtf16(kWeekdays[day.dayOfWeek() - 1]);
}

QString MenuShortDate(QDate day) { return day.toString(QStringLiteral("yyyy/MM/dd")); }
