#include "channels/windows/ChannelGrid.h"

#include "channels/windows/ChannelGridHeader.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace mk21 {

ChannelGrid::ChannelGrid(QWidget* parent) : FlexGrid(DataRows, Columns, 0, parent)
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    useHeader(new ChannelGridHeader(this));
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int col) { emit clickedCell(row + 1, col); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { emit doubleClickedCell(row + 1, col); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
}

void ChannelGrid::setCellColors(int row, int col, const QColor& text, const QColor& background)
{
    QTableWidgetItem* cell = row >= 1 ? item(row - 1, col) : nullptr;
    if (cell == nullptr)
        return;
    cell->setForeground(text);
    if (background.isValid())
        cell->setBackground(background);
}

void ChannelGrid::setHeaderTextColor(const QColor& text)
{
    static_cast<ChannelGridHeader*>(horizontalHeader())->setTextColor(text);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        FlexGrid::mousePressEvent(event);
        return;
    }
    const QModelIndex under = indexAt(event->position().toPoint());
    if (!under.isValid())
        return;
    setFocus(Qt::MouseFocusReason);
    setCurrentCell(under.row(), under.column());
    emit rightClicked(viewport()->mapToGlobal(event->position().toPoint()));
}

} // namespace mk21
