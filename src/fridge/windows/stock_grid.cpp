// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/windows/stock_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

StockGrid::StockGrid(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  // One unbroken range of rows, so that what is highlighted is what a deletion removes.
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  verticalHeader()->hide();
  // Fixed row heights keep a grid of thousands of rows quick to open and scroll.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
}

void StockGrid::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    // A highlight of one row is where the next Shift-extended selection starts.
    const auto [start, end] = highlightedRows();
    if (start == end) anchorRow_ = start;
    if (!mouseHeld_) emit selectionEnded(start, end);
  });
}

int StockGrid::currentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

std::pair<int, int> StockGrid::highlightedRows() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) return {0, 0};
  const auto [low, high] = std::minmax_element(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) {
    return a.row() < b.row();
  });
  const int first = low->row() + 1;
  const int last = high->row() + 1;
  if (anchorRow_ == last) return {last, first};
  return {first, last};
}

void StockGrid::mousePressEvent(QMouseEvent* event) {
  mouseHeld_ = event->button() == Qt::LeftButton;
  QTableView::mousePressEvent(event);
  if (!mouseHeld_) return;
  // A press below the last row selects nothing.
  emit selectionStarted(indexAt(event->position().toPoint()).isValid() ? currentRow() : 0);
}

void StockGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !mouseHeld_) return;
  mouseHeld_ = false;
  const auto [start, end] = highlightedRows();
  emit selectionEnded(start, end);
}
