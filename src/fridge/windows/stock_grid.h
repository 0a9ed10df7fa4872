#pragma once
// The stock grid. It tells the window the row under a mouse press and the row where the
// following release left the selection (rows counted from 1, 0 for none), so a range dragged
// in either direction can be deleted.
#include <QTableView>

class StockGrid : public QTableView {
  Q_OBJECT
 public:
  explicit StockGrid(QWidget* parent = nullptr);

 signals:
  void mousePressedOnRow(int row);
  void mouseReleasedOnRow(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int currentRow() const;
};
