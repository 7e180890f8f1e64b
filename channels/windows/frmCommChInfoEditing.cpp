// The channel table's in-place editing: an editor laid over the cursor cell, its keys, Enter
// moving on cell by cell, and every commit through the channel list model.
#include "channels/windows/frmCommChInfo.h"

#include "app/AppState.h"
#include "base/FixedText.h"
#include "base/TextOps.h"
#include "base/texts/ChannelTableTexts.h"
#include "channels/ChannelList.h"
#include "channels/TypedKeys.h"
#include "channels/windows/ChannelGrid.h"
#include "data/FrequencyCodec.h"
#include "ui/ChildWindows.h"
#include "ui/ClipboardKeys.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace mk21 {

namespace {

bool IsEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The value of a typed number; nothing for a text that is not one.
std::optional<double> NumberOf(const QString& text)
{
    return ModFun::IsNumeric(text) ? std::optional<double>(ModFun::ToNumber(text)) : std::nullopt;
}

// Cell text of a typed transmit value: "#0.00000" of its size, a typed sign kept in front.
QString SignedCellText(const QString& typed, double value)
{
    const QString trimmed = typed.trimmed();
    const QString sign = trimmed.startsWith(QLatin1Char('+')) || trimmed.startsWith(QLatin1Char('-'))
                             ? trimmed.left(1)
                             : QString();
    return sign + ModShowFreFun::FormatFre(std::abs(value));
}

} // namespace

void frmCommChInfo::connectControls()
{
    connect(Combo7, &QComboBox::activated, this, &frmCommChInfo::Combo7_Click);
    connect(MSFlexGrid1, &ChannelGrid::cursorMoved, this, [this](bool byMouse) {
        if (redrawing_)
            return;
        emit cursorChannelChanged(ModCHEdit::ChannelsPerGroup * group_ + cursorRow());
        // Just after a double click, a click enters no cell: the edit window keeps the focus.
        if (!(byMouse && TimerCHEdit.isActive()))
            Grid_EnterCell();
    });
    connect(MSFlexGrid1, &ChannelGrid::clickedCell, this, &frmCommChInfo::Grid_Click);
    connect(MSFlexGrid1, &ChannelGrid::doubleClickedCell, this, [this](int, int col) { Grid_DblClick(col); });
    connect(MSFlexGrid1, &ChannelGrid::enterPressed, this, &frmCommChInfo::EnterGridEdit);
    connect(MSFlexGrid1, &ChannelGrid::scrolled, this, &frmCommChInfo::Grid_Scroll);
    connect(MSFlexGrid1, &ChannelGrid::rightClicked, this, &frmCommChInfo::channelMenuRequested);
    for (int col = 4; col <= LastFieldColumn; col += (col == 4 ? 2 : 1)) {
        QComboBox* list = listEditorOf(col);
        connect(list, &QComboBox::activated, this, [this](int position) { listChosen(position); });
    }
    for (QWidget* editor : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)})
        editor->installEventFilter(this);
    for (QComboBox* list : listEditors_)
        list->installEventFilter(this);
    connect(CommandClose, &QPushButton::clicked, this, [this] { ModFun::CloseChildWindow(this); });
    connect(CommandCHInfoEdit, &QPushButton::clicked, this, &frmCommChInfo::CommandCHInfoEdit_Click);
}

void frmCommChInfo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!firstActivation_)
        return;
    firstActivation_ = false;
    // The group drawn while loading was announced before anyone could listen.
    emit cursorChannelChanged(ModCHEdit::ChannelsPerGroup * group_ + cursorRow());
    // Once the window has its place on screen, the editor goes over the cursor cell.
    QTimer::singleShot(0, this, [this] {
        if (ready_)
            Grid_EnterCell();
    });
}

void frmCommChInfo::Grid_EnterCell()
{
    if (!ready_)
        return;
    ChannelCursor& cursor = state_.channelCursor;
    if (cursor.SkipEntry) {
        cursor.SkipEntry = false;
        return;
    }
    cursor.CaptionRow = cursorRow();
    group_ = std::max(0, Combo7->currentIndex());
    setCaption(Texts::ChannelTable::ChannelWord);
    MSFlexGrid1->setFocus();
    cursor.PreviousRow = cursor.CurrentRow;
    cursor.PreviousCol = cursor.CurrentCol;
    const int col = MSFlexGrid1->Col();
    if (cursor.SkipCheck)
        cursor.SkipCheck = false;
    else if (col >= TxColumn && col <= LastFieldColumn && !FlexConcludeRx())
        return;
    SetEditDisable();
    EnterGridEdit();
}

bool frmCommChInfo::FlexConcludeRx()
{
    const int row = cursorRow();
    if (!MSFlexGrid1->cellText(row, RxColumn).isEmpty())
        return true;
    // The other fields of an empty position wait for its receive frequency.
    ChannelCursor& cursor = state_.channelCursor;
    cursor.CurrentCol = RxColumn;
    cursor.CurrentRow = row;
    cursor.SkipCheck = true;
    MSFlexGrid1->setCursor(row, RxColumn);
    return false;
}

void frmCommChInfo::EnterGridEdit()
{
    ChannelCursor& cursor = state_.channelCursor;
    const int row = cursorRow();
    const int col = MSFlexGrid1->Col();
    cursor.CurrentCol = col;
    cursor.CurrentRow = row;
    lastTopRow_ = MSFlexGrid1->topRow();
    if (cursor.EditOpen)
        emit editWindowRefreshWanted();
    const QRect cell = MSFlexGrid1->cellRect(row, col, this);
    if (col == RxColumn || col == TxColumn) {
        Text1->setGeometry(cell);
        Text1->show();
        Text1->raise();
        if (MSFlexGrid1->cellText(row, col).isEmpty() && col == TxColumn && cursor.PreviousCol == RxColumn &&
            cursor.PreviousRow == row)
            MSFlexGrid1->setCellText(row, col, MSFlexGrid1->cellText(row, RxColumn));
        Text1->setText(MSFlexGrid1->cellText(row, col));
        Text1->setFocus();
        if (!Text1->text().isEmpty())
            Text1->selectAll();
    } else if (col == CodeColumn) {
        Text2->setGeometry(cell);
        Text2->show();
        Text2->raise();
        Text2->setText(TrimNul(MSFlexGrid1->cellText(row, col)).trimmed());
        Text2->setFocus();
        Text2->selectAll();
    } else if (QComboBox* list = listEditorOf(col)) {
        list->setGeometry(cell.left(), cell.top(), cell.width(), cell.height());
        list->show();
        list->raise();
        list->setCurrentIndex(list->findText(MSFlexGrid1->cellText(row, col), Qt::MatchExactly));
        list->setEnabled(true);
        list->setFocus();
    }
}

void frmCommChInfo::SaveGridEdit()
{
    const ChannelCursor& cursor = state_.channelCursor;
    const int row = cursor.CurrentRow;
    const int col = cursor.CurrentCol;
    if (col == RxColumn && Text1->isVisible()) {
        const std::optional<double> value = NumberOf(Text1->text());
        const QString shown = value ? ModShowFreFun::FormatFre(*value) : Text1->text();
        MSFlexGrid1->setCellText(row, col, shown);
        ModCHEdit::SetChannelData(state_, cursor.SharedGroup, row, col, shown);
    } else if (col == TxColumn && Text1->isVisible()) {
        const std::optional<double> value = NumberOf(Text1->text());
        if (!value)
            return; // a transmit text that is not a number is not committed
        MSFlexGrid1->setCellText(row, col, SignedCellText(Text1->text(), *value));
        ModCHEdit::SetChannelData(state_, cursor.SharedGroup, row, col, Text1->text());
    } else if (col == CodeColumn && Text2->isVisible()) {
        MSFlexGrid1->setCellText(row, col, Text2->text());
        ModCHEdit::SetChannelData(state_, cursor.SharedGroup, row, col, Text2->text());
    } else {
        return;
    }
    // The box now holds what was stored, so that committing it again on losing the focus
    // finds nothing changed and repeats no warning.
    SetShowEditData();
}

void frmCommChInfo::commitText(const QString& typed)
{
    const ChannelCursor& cursor = state_.channelCursor;
    if (cursor.CurrentCol == TxColumn && !NumberOf(typed))
        return;
    if (cursor.CurrentCol < RxColumn || cursor.CurrentCol > CodeColumn)
        return;
    ModCHEdit::SetChannelData(state_, cursor.SharedGroup, cursor.CurrentRow, cursor.CurrentCol, typed);
    SetShowEditData();
}

void frmCommChInfo::ValidateActiveEditor()
{
    if (Text1->isVisible())
        commitText(Text1->text());
    else if (Text2->isVisible())
        commitText(Text2->text());
}

void frmCommChInfo::listChosen(int position)
{
    const ChannelCursor& cursor = state_.channelCursor;
    if (cursor.CurrentCol < 4 || cursor.CurrentCol > LastFieldColumn)
        return;
    QComboBox* list = listEditorOf(cursor.CurrentCol);
    if (list == nullptr || !list->isVisible())
        return;
    MSFlexGrid1->setCellText(cursor.CurrentRow, cursor.CurrentCol, list->itemText(position));
    ModCHEdit::SetChannelData(state_, cursor.SharedGroup, cursor.CurrentRow, cursor.CurrentCol,
                              QString::number(position));
}

void frmCommChInfo::SetShowEditData()
{
    const ChannelCursor& cursor = state_.channelCursor;
    const QString text = MSFlexGrid1->cellText(cursor.CurrentRow, cursor.CurrentCol);
    if (cursor.CurrentCol == RxColumn || cursor.CurrentCol == TxColumn)
        Text1->setText(text);
    else if (cursor.CurrentCol == CodeColumn)
        Text2->setText(TrimNul(text).trimmed());
    else if (QComboBox* list = listEditorOf(cursor.CurrentCol))
        list->setCurrentIndex(list->findText(text, Qt::MatchExactly));
}

void frmCommChInfo::SetEditDisable()
{
    hidingEditors_ = true;
    hideEditor(Text1);
    hideEditor(Text2);
    for (QComboBox* list : listEditors_)
        hideEditor(list);
    hidingEditors_ = false;
}

void frmCommChInfo::hideEditor(QWidget* editor)
{
    if (editor->isHidden())
        return;
    // The grid takes the focus back, so that the keyboard stays in the table.
    if (editor->hasFocus())
        MSFlexGrid1->setFocus();
    editor->hide();
}

void frmCommChInfo::GridNextCol()
{
    int next = state_.channelCursor.CurrentCol + 1;
    if (next == CodeColumn)
        next = CodeColumn + 1;
    if (next > LastFieldColumn) {
        state_.channelCursor.SkipEntry = true;
        MSFlexGrid1->setCursor(cursorRow(), RxColumn);
        state_.channelCursor.SkipEntry = false; // the cursor may already have been there
        GridNextLine();
        return;
    }
    MSFlexGrid1->setCursor(cursorRow(), next);
}

void frmCommChInfo::GridNextLine()
{
    const int row = cursorRow();
    MSFlexGrid1->setCursor(row >= ChannelGrid::DataRows ? 1 : row + 1, MSFlexGrid1->Col());
}

void frmCommChInfo::MoveCursorToRow(int row)
{
    if (row >= 1 && row <= ChannelGrid::DataRows)
        MSFlexGrid1->setCursor(row, std::max(0, MSFlexGrid1->Col()));
}

void frmCommChInfo::Grid_Click(int row, int col)
{
    if (TimerCHEdit.isActive())
        return;
    // A click that moved the cursor has entered the cell already.
    const QWidget* editor = col == RxColumn || col == TxColumn ? static_cast<QWidget*>(Text1)
                            : col == CodeColumn                ? static_cast<QWidget*>(Text2)
                                                               : listEditorOf(col);
    if (editor != nullptr && editor->isVisible() && row == state_.channelCursor.CurrentRow &&
        col == state_.channelCursor.CurrentCol)
        return;
    Grid_EnterCell();
}

void frmCommChInfo::Grid_DblClick(int col)
{
    TimerCHEdit.start();
    if (col == EditColumn)
        emit editWindowWanted();
}

void frmCommChInfo::CommandCHInfoEdit_Click()
{
    ValidateActiveEditor();
    emit editWindowWanted();
}

void frmCommChInfo::Grid_Scroll()
{
    if (CodeMoveTopRow || ScrollTimer.isActive())
        return;
    // A scroll that follows a cursor move is that move's own; the cell entry takes it into account.
    const int row = cursorRow();
    if (row != state_.channelCursor.CurrentRow)
        return;
    ScrollTimer.start();
    const int moved = row - lastTopRow_ + MSFlexGrid1->topRow();
    if (moved >= 1 && moved <= ChannelGrid::DataRows && moved != row)
        MSFlexGrid1->setCursor(moved, MSFlexGrid1->Col());
}

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event)
{
    // The boxes do not claim Ctrl keys, so that the channel commands' Ctrl+X, Ctrl+C, Ctrl+V and
    // Ctrl+U work while a cell is being typed in; keys without a command still reach the box.
    if (event->type() == QEvent::ShortcutOverride && (watched == Text1 || watched == Text2) &&
        static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::ControlModifier)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == Text1 || watched == Text2)
            return handleTextKey(static_cast<QLineEdit*>(watched), key);
        return handleListKey(key);
    }
    if (event->type() == QEvent::FocusOut && (watched == Text1 || watched == Text2) && !hidingEditors_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching windows or opening a menu is no move to another control.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            static_cast<QWidget*>(watched)->isVisible())
            commitText(static_cast<QLineEdit*>(watched)->text());
    }
    return QWidget::eventFilter(watched, event);
}

bool frmCommChInfo::handleTextKey(QLineEdit* box, QKeyEvent* key)
{
    if (IsEnter(key)) {
        const int col = state_.channelCursor.CurrentCol;
        // Decided on what was typed: the box shows the frequency again when the last channel stays.
        const bool emptied = col == RxColumn && box == Text1 && Text1->text().isEmpty();
        if (col >= RxColumn && col <= CodeColumn)
            SaveGridEdit();
        if (emptied)
            GridNextLine();
        else
            GridNextCol();
        return true;
    }
    if (IsClipboardKey(key))
        return true;
    // Up and down leave the box for the same column of the row above or below, as in the grid.
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && key->modifiers() == Qt::NoModifier) {
        const int row = cursorRow() + (key->key() == Qt::Key_Up ? -1 : 1);
        if (row >= 1 && row <= ChannelGrid::DataRows)
            MSFlexGrid1->setCursor(row, MSFlexGrid1->Col());
        return true;
    }
    const QString typed = key->text();
    if (typed.isEmpty())
        return false; // movement and editing keys
    if (box == Text1) {
        const bool signs = state_.channelCursor.CurrentCol == TxColumn && state_.preferences.OffSetShowMode;
        return !TypedKeys::FrequencyBoxAccepts(typed.front(), signs);
    }
    const std::optional<QChar> accepted = TypedKeys::CodeBoxChar(typed.front());
    if (!accepted)
        return true;
    if (*accepted == typed.front())
        return false;
    box->insert(QString(*accepted));
    return true;
}

bool frmCommChInfo::handleListKey(QKeyEvent* key)
{
    if (IsEnter(key)) {
        GridNextCol();
        return true;
    }
    // The lists take no typed text; arrows and the like still choose.
    const QString typed = key->text();
    return !typed.isEmpty() && typed.front().unicode() >= 32 && typed.front().unicode() < 127;
}

} // namespace mk21
