#include "features/windows/FrmAlert.h"

#include "features/AlertEditor.h"

namespace mk21 {

namespace {

// Twips: the lists one under the other, the alarm function first.
constexpr int Row = 400;
constexpr int Top = 240;
constexpr int Left = 2500;
constexpr int Width = 2700;
constexpr int Narrow = 1100;

constexpr EditorWindow::Spot Spots[] = {
    {"Combo1(10)", Left, Top + 0 * Row, Narrow},       {"Combo1(0)", Left, Top + 1 * Row, Width},
    {"Combo1(1)", Left, Top + 2 * Row, Width},         {"Combo1(2)", Left, Top + 3 * Row, Narrow},
    {"Combo1(3)", Left, Top + 4 * Row, Narrow},        {"Combo1(4)", Left, Top + 5 * Row, Narrow},
    {"Combo1(5)", Left, Top + 6 * Row, Narrow},        {"Combo1(6)", Left, Top + 7 * Row, Width},
    {"Combo1(7)", Left, Top + 8 * Row, Narrow},        {"Combo1(8)", Left, Top + 9 * Row, Narrow},
    {"Combo1(9)", Left, Top + 10 * Row, Narrow + 400},
};

} // namespace

FrmAlert::FrmAlert(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, AlertEditor::Describe(state), parent)
{
    Build(this, Spots);
    const int buttonsTop = Top + 11 * Row + 200;
    BuildButtons(this, 240, buttonsTop, Left + Width + 300, buttonsTop + 600);
    Load();
}

void FrmAlert::ReshowByCh()
{
    ShowList(AlertEditor::ChannelList);
}

void FrmAlert::ReshowMemories()
{
    ShowList(AlertEditor::MemoryList);
}

} // namespace mk21
