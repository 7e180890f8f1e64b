#pragma once

#include <QTableWidget>

class QHeaderView;

namespace mk21 {

// A grid with a fixed header row 0 and data rows 1..n, addressed as the windows draw them
// (row, column). The first `fixedColumns` columns are drawn as fixed and never hold the cursor.
// It reports cursor moves and Enter, and gives the cells' rectangles for an editor laid over them.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    FlexGrid(int dataRows, int columns, int fixedColumns, QWidget* parent = nullptr);

    // Row 0 is the header row.
    void setCellText(int row, int col, const QString& text);
    QString cellText(int row, int col) const;

    // The cursor: data row 1..n and its column; row 0 while there is none.
    int Row() const;
    int Col() const;
    void setCursor(int row, int col);
    // Puts the cursor there without notifying (where it rests before anything is entered).
    void placeCursor(int row, int col);

    // The first data row shown at the top.
    int topRow() const;
    // A data cell's rectangle in the coordinates of `to`, which must be an ancestor of the grid.
    QRect cellRect(int row, int col, const QWidget* to) const;
    void setRowHeights(int headerPixels, int rowPixels);
    // Makes the grid exactly as large as its cells (no scroll bars).
    void fitToCells();

signals:
    // The cursor moved to another cell; `byMouse` when a mouse press moved it.
    void cursorMoved(bool byMouse);
    void enterPressed();

protected:
    // Puts a header row of the grid's own in place of the default one.
    void useHeader(QHeaderView* header);
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool pressing_ = false;
};

} // namespace mk21
