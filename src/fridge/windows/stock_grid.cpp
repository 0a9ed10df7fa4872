#include "fridge/windows/stock_grid.h"

#include <QHeaderView>
#include <QMouseEvent>

StockGrid::StockGrid(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
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

int StockGrid::currentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

void StockGrid::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // A press below the last row selects nothing.
  emit mousePressedOnRow(indexAt(event->position().toPoint()).isValid() ? currentRow() : 0);
}

void StockGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  emit mouseReleasedOnRow(currentRow());
}
