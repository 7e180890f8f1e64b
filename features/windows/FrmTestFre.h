#pragma once

#include "features/windows/EditorWindow.h"

class QLabel;

namespace mk21 {

class FlexGrid;
class GridCellEditor;

// The test frequency window: the eleven test frequency pairs, typed in a box laid over the
// cell and stored when the cell is left, and the five tuning points, shown only.
class FrmTestFre final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmTestFre(ConfigurationState& state, QWidget* parent = nullptr);

    // Every cell of both grids shows its stored frequency again.
    void ShowFrequencies();
    // Stores the value being typed in the grid, if any.
    void CommitPendingText() override;

protected:
    void SetOwnCaptions() override;

private:
    FlexGrid* MakeGrid(const char* name, int rows, int top);

    FlexGrid* MSFlexGrid1 = nullptr;
    FlexGrid* MSFlexGrid2 = nullptr;
    QLabel* gridLabel_;
    QLabel* tuningLabel_;
    GridCellEditor* editor_;
};

} // namespace mk21
