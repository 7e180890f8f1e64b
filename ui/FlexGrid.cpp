#include "ui/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace mk21 {

FlexGrid::FlexGrid(int dataRows, int columns, int fixedColumns, QWidget* parent)
    : QTableWidget(dataRows, columns, parent)
{
    useHeader(horizontalHeader());
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Every cell exists from the start, so drawing only ever sets texts. A fixed cell is not
    // enabled, which keeps the cursor (keys and mouse) off it; it keeps the header's look.
    for (int col = 0; col < columns; ++col) {
        auto* header = new QTableWidgetItem;
        header->setTextAlignment(Qt::AlignCenter);
        setHorizontalHeaderItem(col, header);
        const bool fixed = col < fixedColumns;
        for (int row = 0; row < dataRows; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(fixed ? Qt::ItemFlags() : Qt::ItemFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            if (fixed) {
                item->setBackground(palette().button());
                item->setForeground(palette().buttonText());
            }
            setItem(row, col, item);
        }
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this] { emit cursorMoved(pressing_); });
}

void FlexGrid::useHeader(QHeaderView* header)
{
    if (header != horizontalHeader())
        setHorizontalHeader(header);
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
}

void FlexGrid::setCellText(int row, int col, const QString& text)
{
    QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    if (cell != nullptr && cell->text() != text)
        cell->setText(text);
}

QString FlexGrid::cellText(int row, int col) const
{
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return cell != nullptr ? cell->text() : QString();
}

int FlexGrid::Row() const
{
    return currentRow() + 1;
}

int FlexGrid::Col() const
{
    return currentColumn();
}

void FlexGrid::setCursor(int row, int col)
{
    setCurrentCell(row - 1, col);
}

void FlexGrid::placeCursor(int row, int col)
{
    const QSignalBlocker quiet(this);
    setCurrentCell(row - 1, col);
}

int FlexGrid::topRow() const
{
    const int top = rowAt(0);
    return top < 0 ? 1 : top + 1;
}

QRect FlexGrid::cellRect(int row, int col, const QWidget* to) const
{
    const QRect inViewport = visualRect(model()->index(row - 1, col));
    return QRect(viewport()->mapTo(to, inViewport.topLeft()), inViewport.size());
}

void FlexGrid::setRowHeights(int headerPixels, int rowPixels)
{
    horizontalHeader()->setFixedHeight(headerPixels);
    verticalHeader()->setDefaultSectionSize(rowPixels);
}

void FlexGrid::fitToCells()
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col)
        width += columnWidth(col);
    int height = 2 * frameWidth() + horizontalHeader()->height();
    for (int row = 0; row < rowCount(); ++row)
        height += rowHeight(row);
    setFixedSize(width, height);
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    pressing_ = true;
    QTableWidget::mousePressEvent(event);
    pressing_ = false;
}

} // namespace mk21
