// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stock grid. It tells the window which rows it highlights (rows counted from 1, 0 for none):
// a mouse press names the row where a selection starts, and once the mouse is released, or the
// highlight changes from the keyboard (moves, Shift with a move, Ctrl+A), it names the first and
// the last highlighted row. The first is where the selection started, so a range dragged upwards
// reads from its bottom row.
#include <QTableView>
#include <utility>

class StockGrid : public QTableView {
  Q_OBJECT
 public:
  explicit StockGrid(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;

 signals:
  void selectionStarted(int row);
  void selectionEnded(int startRow, int endRow);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int currentRow() const;
  // The highlighted rows as (start, end); (0, 0) when none is highlighted.
  std::pair<int, int> highlightedRows() const;
  int anchorRow_ = 0;       // where the selection started
  bool mouseHeld_ = false;  // a press is selecting; the range is told at its release
};
