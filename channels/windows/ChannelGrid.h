#pragma once

#include "ui/FlexGrid.h"

#include <QColor>

namespace mk21 {

// The channel table's grid: a fixed header row 0 and data rows 1..16 (the flex grid), with
// per-cell colours, a coloured header row and the mouse notifications the table window acts on.
class ChannelGrid final : public FlexGrid {
    Q_OBJECT
public:
    static constexpr int DataRows = 16;
    static constexpr int Columns = 11;

    explicit ChannelGrid(QWidget* parent = nullptr);

    // Colours of a data cell (row 1..16).
    void setCellColors(int row, int col, const QColor& text, const QColor& background = QColor());
    // The text colour of the whole header row.
    void setHeaderTextColor(const QColor& text);

signals:
    void clickedCell(int row, int col);
    void doubleClickedCell(int row, int col);
    // The right button went down over a data cell; the cursor is already on it.
    void rightClicked(const QPoint& globalPos);
    void scrolled();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace mk21
