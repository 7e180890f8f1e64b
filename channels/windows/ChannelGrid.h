#pragma once

#include <QColor>
#include <QTableWidget>

namespace mk21 {

// The channel table's grid: a fixed header row 0 and data rows 1..16, addressed as the table
// draws them (row, column), with the cursor, cell geometry for the in-place editors and the
// notifications the table window acts on.
class ChannelGrid final : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int DataRows = 16;
    static constexpr int Columns = 11;

    explicit ChannelGrid(QWidget* parent = nullptr);

    // Row 0 is the header row.
    void setCellText(int row, int col, const QString& text);
    QString cellText(int row, int col) const;
    // Colours of a data cell (row 1..16).
    void setCellColors(int row, int col, const QColor& text, const QColor& background = QColor());
    // The text colour of the whole header row.
    void setHeaderTextColor(const QColor& text);

    // The cursor: data row 1..16 and column 0..10.
    int Row() const;
    int Col() const;
    void setCursor(int row, int col);

    // The first data row shown at the top.
    int topRow() const;
    // A data cell's rectangle in the coordinates of `to`, which must be an ancestor of the grid.
    QRect cellRect(int row, int col, const QWidget* to) const;
    void setRowHeights(int headerPixels, int rowPixels);

signals:
    // The cursor moved to another cell; `byMouse` when a mouse press moved it.
    void cursorMoved(bool byMouse);
    void clickedCell(int row, int col);
    void doubleClickedCell(int row, int col);
    // The right button went down over a data cell; the cursor is already on it.
    void rightClicked(const QPoint& globalPos);
    void enterPressed();
    void scrolled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool pressing_ = false;
};

} // namespace mk21
