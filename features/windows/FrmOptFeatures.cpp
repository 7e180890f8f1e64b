#include "features/windows/FrmOptFeatures.h"

#include "features/OptionalFeaturesEditor.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGroupBox>

namespace mk21 {

namespace {

// Twips. Left column: the lists, labelled from the left; right column: VOX and the switches.
constexpr int Row = 400;
constexpr int Top = 300;
constexpr int LeftList = 3000;
constexpr int LeftWidth = 1500;
constexpr int Divider = 4700;
constexpr int RightCheck = 4900;
constexpr int Indent = 300;
constexpr int RightList = 6900;
constexpr int RightWidth = 1300;
constexpr int CheckWidth = 3500;
constexpr int FrameWidth = 8500;
constexpr int FrameHeight = 4500;

constexpr EditorWindow::Spot Spots[] = {
    {"Combo1(0)", LeftList, Top + 0 * Row, LeftWidth},
    {"Combo1(1)", LeftList, Top + 1 * Row, LeftWidth},
    {"Combo1(11)", LeftList, Top + 2 * Row, LeftWidth},
    {"Combo1(2)", LeftList, Top + 3 * Row, LeftWidth},
    {"Combo1(3)", LeftList, Top + 4 * Row, LeftWidth},
    {"Combo1(4)", LeftList, Top + 5 * Row, LeftWidth},
    {"Combo1(5)", LeftList, Top + 6 * Row, LeftWidth},
    {"Combo1(6)", LeftList, Top + 7 * Row, LeftWidth},
    {"Combo1(7)", LeftList, Top + 8 * Row, LeftWidth},
    {"Combo1(10)", LeftList, Top + 9 * Row, LeftWidth},
    {"Check1(0)", RightCheck, Top + 0 * Row, CheckWidth},
    {"Combo1(8)", RightList, Top + 1 * Row, RightWidth},
    {"Combo1(9)", RightList, Top + 2 * Row, RightWidth},
    {"Check1(1)", RightCheck + Indent, Top + 3 * Row, CheckWidth - Indent},
    {"Check1(2)", RightCheck, Top + 5 * Row, CheckWidth},
    {"Check1(3)", RightCheck, Top + 6 * Row, CheckWidth},
    {"Check1(5)", RightCheck, Top + 7 * Row, CheckWidth},
    {"Check1(4)", RightCheck, Top + 8 * Row, CheckWidth},
};

} // namespace

FrmOptFeatures::FrmOptFeatures(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, OptFeatures::Describe(state), parent)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(Twips::ToPixelsX(120, *this), Twips::ToPixelsY(120, *this),
                       Twips::ToPixelsX(FrameWidth, *this), Twips::ToPixelsY(FrameHeight, *this));
    auto* line = new QFrame(frame);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Twips::ToPixelsX(Divider, *this), Twips::ToPixelsY(Top, *this), 2,
                      Twips::ToPixelsY(9 * Row + 315, *this));
    Build(frame, Spots);
    BuildButtons(this, 240, FrameHeight + 360, FrameWidth + 240, FrameHeight + 960);
    Load();
}

} // namespace mk21
