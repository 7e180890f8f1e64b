#include "ui/GridCellEditor.h"

#include "ui/ClipboardKeys.h"
#include "ui/FlexGrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace mk21 {

namespace {

// Text that reaches the box another way than typing (a middle-click paste) passes the same test.
class AcceptedOnly final : public QValidator {
public:
    AcceptedOnly(std::function<bool(QChar)> accepts, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts))
    {
    }

    State validate(QString& input, int& position) const override
    {
        QString kept;
        int keptBefore = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (input[i].unicode() <= 127 && accepts_(input[i])) {
                kept += input[i];
                keptBefore += i < position ? 1 : 0;
            }
        }
        if (kept != input) {
            input = kept;
            position = keptBefore;
        }
        return Acceptable;
    }

private:
    std::function<bool(QChar)> accepts_;
};

} // namespace

GridCellEditor::GridCellEditor(FlexGrid* grid, int maxLength, Behaviour behaviour)
    : QObject(grid), grid_(grid), box_(new QLineEdit(grid->parentWidget())), behaviour_(std::move(behaviour))
{
    box_->setObjectName(QStringLiteral("Text1"));
    box_->setMaxLength(maxLength);
    box_->setAlignment(Qt::AlignCenter);
    // Nothing reaches the box but typed characters: no context menu, no drops, no input method.
    box_->setContextMenuPolicy(Qt::NoContextMenu);
    box_->setAcceptDrops(false);
    box_->setAttribute(Qt::WA_InputMethodEnabled, false);
    box_->setValidator(new AcceptedOnly(behaviour_.accepts, box_));
    box_->hide();
    box_->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(box_, &QLineEdit::textEdited, this, [this] { pending_ = true; });
    connect(grid_, &FlexGrid::cursorMoved, this, &GridCellEditor::EnterCell);
    connect(grid_, &QTableWidget::cellClicked, this, [this] {
        // A click that moved the cursor has entered its cell; one on the cursor cell (or on a
        // fixed cell, which leaves the cursor) enters it only when the box is not shown yet.
        if (!box_->isVisible() || grid_->Row() != row_ || grid_->Col() != col_)
            EnterCell();
    });
    connect(grid_, &FlexGrid::enterPressed, this, &GridCellEditor::EnterCell);
}

void GridCellEditor::EnterCell()
{
    const int row = grid_->Row();
    const int col = grid_->Col();
    if (row < 1 || col < 0)
        return;
    CommitPending();
    row_ = row;
    col_ = col;
    box_->setText(grid_->cellText(row, col)); // cut to the box's length
    box_->setGeometry(grid_->cellRect(row, col, box_->parentWidget()));
    box_->show();
    box_->raise();
    box_->setFocus(Qt::OtherFocusReason);
    if (behaviour_.selectOnEntry && !box_->text().isEmpty())
        box_->selectAll();
    pending_ = true;
}

void GridCellEditor::CommitPending()
{
    if (!pending_ || row_ < 1 || col_ < 1)
        return;
    pending_ = false;
    const QString shown = behaviour_.commit(row_, col_, box_->text());
    grid_->setCellText(row_, col_, shown);
    box_->setText(shown);
}

bool GridCellEditor::KeyPress(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        behaviour_.enter(row_, col_, box_->text());
        return true;
    }
    if (IsClipboardKey(key))
        return true;
    const QString typed = key->text();
    if (typed.isEmpty() || typed.front().unicode() < 32 || typed.front().unicode() == 127)
        return false; // movement and editing keys, backspace
    return typed.front().unicode() > 127 || !behaviour_.accepts(typed.front());
}

// A character typed on the grid itself starts editing the cursor cell with it, as in a
// spreadsheet: without this, typing into a window just opened would go nowhere.
bool GridCellEditor::GridKeyPress(const QKeyEvent* key)
{
    const QString typed = key->text();
    if (typed.size() != 1 || typed.front().unicode() < 32 || typed.front().unicode() > 126 ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0 ||
        !behaviour_.accepts(typed.front()))
        return false;
    if (grid_->Row() < 1 || grid_->Col() < 1)
        return false;
    EnterCell();
    box_->setText(typed);
    return true;
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_)
        return (event->type() == QEvent::KeyPress && GridKeyPress(static_cast<QKeyEvent*>(event))) ||
               QObject::eventFilter(watched, event);
    if (watched != box_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return KeyPress(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut) {
        // Another application or a menu taking the focus is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CommitPending();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace mk21
