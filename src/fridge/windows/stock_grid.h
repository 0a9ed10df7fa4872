#pragma once
// The stock grid. It tells the window where a selection of rows starts and where it ends (rows
// counted from 1, 0 for none): a mouse press starts one and the release ends it, dragged in
// either direction; from the keyboard, moving to a row starts and ends one there, and Shift with
// a move ends it at the new row.
#include <QTableView>

class StockGrid : public QTableView {
  Q_OBJECT
 public:
  explicit StockGrid(QWidget* parent = nullptr);

 signals:
  void selectionStarted(int row);
  void selectionEnded(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int currentRow() const;
  int anchorRow_ = 0;  // where the selection started
};
