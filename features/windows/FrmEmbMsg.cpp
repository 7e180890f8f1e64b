#include "features/windows/FrmEmbMsg.h"

#include "features/MessageEditor.h"

namespace mk21 {

namespace {

// Twips: the four lines one under the other, wide enough for 16 characters.
constexpr int Left = 360;
constexpr int Top = 300;
constexpr int Row = 420;
constexpr int Width = 3300;

constexpr EditorWindow::Spot Spots[] = {
    {"Text1(0)", Left, Top + 0 * Row, Width},
    {"Text1(1)", Left, Top + 1 * Row, Width},
    {"Text1(2)", Left, Top + 2 * Row, Width},
    {"Text1(3)", Left, Top + 3 * Row, Width},
};

} // namespace

FrmEmbMsg::FrmEmbMsg(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, MessageEditor::Describe(state), parent)
{
    Build(this, Spots);
    const int buttonsTop = Top + 4 * Row + 120;
    BuildButtons(this, Left, buttonsTop, Left + Width + 360, buttonsTop + 600);
    Load();
}

} // namespace mk21
