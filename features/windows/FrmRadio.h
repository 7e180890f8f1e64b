#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

class FlexGrid;
class GridCellEditor;

// The FM radio window: the twenty broadcast memories in a grid, each cell typed in a box laid
// over it and stored when it is left.
class FrmRadio final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmRadio(ConfigurationState& state, QWidget* parent = nullptr);

    // Every memory's cell shows its stored frequency again.
    void ShowChannels();
    // Stores the value being typed in the grid, if any.
    void CommitPendingText() override;

protected:
    void SetOwnCaptions() override;

private:
    FlexGrid* MSFlexGrid1;
    GridCellEditor* editor_;
};

} // namespace mk21
