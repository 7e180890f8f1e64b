#include "channels/windows/ChannelGrid.h"

#include "channels/windows/ChannelGridHeader.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace mk21 {

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(DataRows, Columns, parent)
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setHorizontalHeader(new ChannelGridHeader(this));
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Every cell exists from the start, so drawing only ever sets texts.
    for (int col = 0; col < Columns; ++col) {
        auto* header = new QTableWidgetItem;
        header->setTextAlignment(Qt::AlignCenter);
        setHorizontalHeaderItem(col, header);
        for (int row = 0; row < DataRows; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, col, item);
        }
    }

    connect(this, &QTableWidget::currentCellChanged, this, [this] { emit cursorMoved(pressing_); });
    connect(this, &QTableWidget::cellClicked, this,
            [this](int row, int col) { emit clickedCell(row + 1, col); });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { emit doubleClickedCell(row + 1, col); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit scrolled(); });
}

void ChannelGrid::setCellText(int row, int col, const QString& text)
{
    QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    if (cell != nullptr && cell->text() != text)
        cell->setText(text);
}

QString ChannelGrid::cellText(int row, int col) const
{
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return cell != nullptr ? cell->text() : QString();
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

int ChannelGrid::Row() const
{
    return currentRow() + 1;
}

int ChannelGrid::Col() const
{
    return currentColumn();
}

void ChannelGrid::setCursor(int row, int col)
{
    setCurrentCell(row - 1, col);
}

int ChannelGrid::topRow() const
{
    const int top = rowAt(0);
    return top < 0 ? 1 : top + 1;
}

QRect ChannelGrid::cellRect(int row, int col, const QWidget* to) const
{
    const QRect inViewport = visualRect(model()->index(row - 1, col));
    return QRect(viewport()->mapTo(to, inViewport.topLeft()), inViewport.size());
}

void ChannelGrid::setRowHeights(int headerPixels, int rowPixels)
{
    horizontalHeader()->setFixedHeight(headerPixels);
    verticalHeader()->setDefaultSectionSize(rowPixels);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        pressing_ = true;
        QTableWidget::mousePressEvent(event);
        pressing_ = false;
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
