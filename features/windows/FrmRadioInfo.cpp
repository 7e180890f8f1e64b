#include "features/windows/FrmRadioInfo.h"

#include "base/LanguageTexts.h"
#include "base/texts/RadioInfoTexts.h"
#include "data/ConfigurationState.h"
#include "features/RadioInfoEditor.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace mk21 {

namespace {

// Twips. Every field starts at one column, so that the labels right-align on the column before it;
// the dealer's fields in their frame line up with the others.
constexpr int Left = 2700;
constexpr int Top = 240;
constexpr int Row = 400;
constexpr int Width = 3000;
constexpr int ReasonRows = 3;
constexpr int FrameLeft = 120;
constexpr int FrameTop = Top + (9 + ReasonRows) * Row;
constexpr int FrameRows = 4;
constexpr int FrameWidth = Left + Width + 240 - FrameLeft;
constexpr int FrameHeight = 360 + FrameRows * Row;
constexpr int InFrame = Left - FrameLeft;

constexpr EditorWindow::Spot Spots[] = {
    {"Text1(0)", Left, Top + 0 * Row, 900},   {"Text1(6)", Left, Top + 1 * Row, 1500},
    {"Text1(7)", Left, Top + 2 * Row, 900},   {"Combo1(0)", Left, Top + 3 * Row, 1500},
    {"Combo1(1)", Left, Top + 4 * Row, 1800}, {"Text1(1)", Left, Top + 5 * Row, Width},
    {"Text1(2)", Left, Top + 6 * Row, Width}, {"Text1(3)", Left, Top + 7 * Row, Width},
    {"Text1(5)", Left, Top + 8 * Row, Width}, {"Text1(4)", Left, Top + 9 * Row, Width},
};

constexpr EditorWindow::Spot DealerSpots[] = {
    {"Text1(8)", InFrame, 300 + 0 * Row, Width},
    {"Text1(9)", InFrame, 300 + 1 * Row, Width},
    {"Text1(10)", InFrame, 300 + 2 * Row, Width},
    {"Text1(11)", InFrame, 300 + 3 * Row, Width},
};

} // namespace

FrmRadioInfo::FrmRadioInfo(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, RadioInfoEditor::Describe(state), parent)
{
    Build(this, Spots);
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips::ToPixelsX(FrameLeft, *this), Twips::ToPixelsY(FrameTop, *this),
                        Twips::ToPixelsX(FrameWidth, *this), Twips::ToPixelsY(FrameHeight, *this));
    Build(Frame1, DealerSpots);
    // The second line of the repair reason's label, under the first.
    RepairReasonHint = new QLabel(this);
    RepairReasonHint->setObjectName(QStringLiteral("Label1(7)"));

    // The version is drawn on the window's own background, as a caption rather than a field.
    QLineEdit* version = field(QStringLiteral("Text1(5)"));
    QPalette palette = version->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    version->setPalette(palette);

    const int buttonsTop = FrameTop + FrameHeight + 240;
    BuildButtons(this, Left, buttonsTop, FrameLeft + FrameWidth + 120, buttonsTop + 600);
    Load();
}

void FrmRadioInfo::SetOwnCaptions()
{
    Frame1->setTitle(GetLangText(state(), Texts::RadioInfo::DealerFrame));
    RepairReasonHint->setText(GetLangText(state(), Texts::RadioInfo::RepairReasonHint));
    RepairReasonHint->adjustSize();
    // Right-aligned with the reason's label, just under it.
    const QWidget* field = findChild<QWidget*>(QStringLiteral("Text1(0)"));
    const int right = field->x() - Twips::ToPixelsX(model().labelGap, *this);
    RepairReasonHint->move(right - RepairReasonHint->width(), Twips::ToPixelsY(Top + 10 * Row, *this));
}

} // namespace mk21
