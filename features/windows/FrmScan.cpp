#include "features/windows/FrmScan.h"

#include "features/ScanEditor.h"

#include <QComboBox>

namespace mk21 {

namespace {

// Twips: the lists one under the other, a priority channel's group and position side by side.
constexpr int Row = 400;
constexpr int Top = 240;
constexpr int Left = 2700;
constexpr int Width = 3000;
constexpr int PairWidth = 900;
constexpr int PositionLeft = Left + PairWidth + 300;

constexpr EditorWindow::Spot Spots[] = {
    {"Combo1(0)", Left, Top + 0 * Row, Width},      {"Combo1(1)", Left, Top + 1 * Row, Width},
    {"Combo1(2)", Left, Top + 2 * Row, PairWidth},  {"Combo1(3)", PositionLeft, Top + 2 * Row, PairWidth},
    {"Combo1(4)", Left, Top + 3 * Row, PairWidth},  {"Combo1(5)", PositionLeft, Top + 3 * Row, PairWidth},
    {"Combo1(6)", Left, Top + 4 * Row, Width},      {"Combo1(7)", Left, Top + 5 * Row, PairWidth},
    {"Combo1(8)", Left, Top + 6 * Row, PairWidth},  {"Combo1(9)", Left, Top + 7 * Row, PairWidth},
    {"Combo1(10)", Left, Top + 8 * Row, PairWidth}, {"Check1", Left, Top + 9 * Row, Width},
};

} // namespace

FrmScan::FrmScan(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, ScanEditor::Describe(state), parent)
{
    Build(this, Spots);
    // The template of every revert choice by stored position; never shown.
    auto* revertTemplate = new QComboBox(this);
    revertTemplate->setObjectName(QStringLiteral("Combo2"));
    revertTemplate->addItems(ScanEditor::RevertTemplate(state));
    revertTemplate->hide();
    const int buttonsTop = Top + 10 * Row + 200;
    BuildButtons(this, 240, buttonsTop, Left + Width + 300, buttonsTop + 600);

    connect(this, &EditorWindow::stored, this, [this](const QString& control) {
        if (control == QLatin1String("Combo1(0)"))
            emit keyFunctionsReset();
    });
    Load();
}

void FrmScan::ReshowByCh()
{
    ShowLists(ScanEditor::ChannelLists);
}

} // namespace mk21
