// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/windows/day_summaries.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "fridge/rules/fridge_files.h"
#include "menu/rules/plan_checks.h"

namespace {

QLabel* summaryLabel(QWidget* window, const QString& name, QRect rect) {
  auto* label = new QLabel(window);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(rect);
  return label;
}

// The lines as far as the label shows them; when some do not fit, the last line shown says how
// many more there are (the tooltip holds them all).
QString linesThatFit(const QStringList& lines, const QLabel* label) {
  const QFontMetrics metrics(label->font());
  const auto fits = [&](const QStringList& shown) {
    const QRect room(0, 0, label->width(), 1 << 20);
    return metrics.boundingRect(room, Qt::TextWordWrap, shown.join(u'\n')).height() <= label->height();
  };
  if (fits(lines)) return lines.join(u'\n');
  for (qsizetype kept = lines.size() - 1;; --kept) {
    const QStringList shown = lines.first(kept) << QStringLiteral("…ほか%1件").arg(lines.size() - kept);
    if (kept == 0 || fits(shown)) return shown.join(u'\n');
  }
}

}  // namespace

DaySummaries::DaySummaries(QWidget* window, const Module1& module, Clock& clock, std::function<MenuPlan()> shownPlan,
                           std::function<int(int day)> dayLeft, int top, int width)
    : QObject(window), module_(module), clock_(clock), shownPlan_(std::move(shownPlan)) {
  constexpr int kTotalsHeight = 54;  // three lines
  for (int day = 0; day < kMenuDays; ++day) {
    const int left = dayLeft(day);
    lblGoukei[size_t(day)] =
        summaryLabel(window, QStringLiteral("lblGoukei(%1)").arg(day), QRect(left, top, width, kTotalsHeight));
    lblKigen[size_t(day)] = summaryLabel(window, QStringLiteral("lblKigen(%1)").arg(day),
                                         QRect(left, top + kTotalsHeight, width, kHeight - kTotalsHeight));
    lblKigen[size_t(day)]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
  }
  readStock();
  window->installEventFilter(this);
}

bool DaySummaries::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    readStock();
    refresh();
  }
  return QObject::eventFilter(watched, event);
}

void DaySummaries::readStock() {
  auto read = fridge_files::ReadStock(module_.path(fridge_files::kStockFileName), clock_.today());
  if (auto* stock = std::get_if<std::vector<StockEntry>>(&read)) stock_ = std::move(*stock);
  else stock_.reset();
}

void DaySummaries::refresh() {
  const MenuPlan plan = shownPlan_();
  const bool stockRead = stock_.has_value();
  const std::vector<StockEntry> noStock;
  const std::vector<StockEntry>& stock = stockRead ? *stock_ : noStock;
  // Stock already past its date is warned about too: the day lines tell what the refrigerator
  // holds, the shopping list decides what to buy.
  const ShoppingList uses = BuildShoppingList(plan, module_.Recipes, stock, {.useExpired = true});
  const std::vector<ExpiryWarning> warnings = ExpiryWarnings(plan, uses, stock);
  for (int day = 0; day < kMenuDays; ++day) {
    const QString totals = DayTotalsText(TotalsOfDay(plan, day, module_.Recipes));
    lblGoukei[size_t(day)]->setText(totals);
    lblGoukei[size_t(day)]->setToolTip(totals);
    const QStringList lines = stockRead ? DayWarningLines(warnings, day)
                                        : QStringList{QStringLiteral("冷蔵庫.TXTを読めないため、賞味期限は確かめていません")};
    QLabel* label = lblKigen[size_t(day)];
    label->setText(linesThatFit(lines, label));
    label->setToolTip(lines.join(u'\n'));
  }
}
