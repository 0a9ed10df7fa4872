#include "fridge/windows/stock_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
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
  anchorRow_ = indexAt(event->position().toPoint()).isValid() ? currentRow() : 0;
  emit selectionStarted(anchorRow_);
}

void StockGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  emit selectionEnded(currentRow());
}

void StockGrid::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QTableView::keyPressEvent(event);
  const int after = currentRow();
  if (after == before || after == 0) return;
  const bool extending = event->modifiers() & Qt::ShiftModifier;
  if (!extending) anchorRow_ = after;
  else if (anchorRow_ == 0) anchorRow_ = before > 0 ? before : after;
  emit selectionStarted(anchorRow_);
  emit selectionEnded(after);
}
