#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace mk21 {

class FlexGrid;

// One editing box laid over the cursor cell of a grid. Entering a cell commits the cell left,
// puts the cell's text into the box and the box over the cell. What was typed is committed
// when the box loses the focus to another control (not to another application or a menu), when
// another cell is entered, and by `CommitPending` (Write, Save, closing the window). The box
// takes only the characters `accepts` lets through; the clipboard keys are discarded. A character
// typed on the grid enters the cursor cell with that character.
class GridCellEditor final : public QObject {
    Q_OBJECT
public:
    struct Behaviour {
        // Stores what was typed in cell (row, col) and returns what the cell shows now.
        std::function<QString(int row, int col, const QString& typed)> commit;
        // Enter in the box, on cell (row, col) holding `typed`; the handler moves the cursor.
        std::function<void(int row, int col, const QString& typed)> enter;
        // Printable characters the box takes.
        std::function<bool(QChar)> accepts;
        // The box's text is selected when a cell is entered.
        bool selectOnEntry = false;
    };

    // The box is made in the grid's parent and hidden until the first cell is entered.
    GridCellEditor(FlexGrid* grid, int maxLength, Behaviour behaviour);

    // The cell being edited; row 0 before the first.
    int row() const { return row_; }
    int col() const { return col_; }
    QLineEdit* box() const { return box_; }

    // Commits the text being typed, if any is not committed yet.
    void CommitPending();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EnterCell();
    bool KeyPress(const QKeyEvent* key);
    bool GridKeyPress(const QKeyEvent* key);

    FlexGrid* grid_;
    QLineEdit* box_;
    Behaviour behaviour_;
    int row_ = 0;
    int col_ = 0;
    // The box holds a text not committed since the cell was entered or last committed.
    bool pending_ = false;
};

} // namespace mk21
