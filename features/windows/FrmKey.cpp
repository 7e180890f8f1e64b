#include "features/windows/FrmKey.h"

#include "base/LanguageTexts.h"
#include "base/texts/KeyTexts.h"
#include "data/ConfigurationState.h"
#include "features/KeyEditor.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace mk21 {

namespace {

// Twips. The times at the top, the PF1 and PF2 frames below, the picture area beside them.
constexpr int TimeLeft = 4000;
constexpr int TimeWidth = 1200;
constexpr int FrameLeft = 120;
constexpr int FrameTop = 1000;
constexpr int FrameWidth = 5400;
constexpr int FrameHeight = 1150;
constexpr int FrameStep = 1300;
constexpr int KeyLeft = 2200;
constexpr int KeyWidth = 2900;

constexpr EditorWindow::Spot TimeSpots[] = {
    {"Combo1(9)", TimeLeft, 200, TimeWidth},
    {"Combo1(10)", TimeLeft, 600, TimeWidth},
};
constexpr EditorWindow::Spot Pf1Spots[] = {{"Combo1(0)", KeyLeft, 300, KeyWidth},
                                           {"Combo1(1)", KeyLeft, 700, KeyWidth}};
constexpr EditorWindow::Spot Pf2Spots[] = {{"Combo1(2)", KeyLeft, 300, KeyWidth},
                                           {"Combo1(3)", KeyLeft, 700, KeyWidth}};

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::ToPixelsX(left, *widget), Twips::ToPixelsY(top, *widget),
                        Twips::ToPixelsX(width, *widget), Twips::ToPixelsY(height, *widget));
}

QGroupBox* KeyFrame(QWidget* parent, const char* name, int top)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    PlaceTwips(frame, FrameLeft, top, FrameWidth, FrameHeight);
    return frame;
}

} // namespace

FrmKey::FrmKey(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, KeyEditor::Describe(state), parent)
{
    Build(this, TimeSpots);
    Build(KeyFrame(this, "Frame1", FrameTop), Pf1Spots);
    Build(KeyFrame(this, "Frame2", FrameTop + FrameStep), Pf2Spots);

    // The template of every function by code; never shown.
    auto* functions = new QComboBox(this);
    functions->setObjectName(QStringLiteral("Combo2"));
    functions->addItems(KeyEditor::FunctionTemplate(state));
    functions->hide();
    // The program draws nothing here.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFrameShape(QFrame::StyledPanel);
    PlaceTwips(picture, FrameLeft + FrameWidth + 200, FrameTop, 1500, FrameStep + FrameHeight);

    const int clientWidth = FrameLeft + FrameWidth + 1900;
    const int buttonsTop = FrameTop + FrameStep + FrameHeight + 250;
    BuildButtons(this, 240, buttonsTop, clientWidth, buttonsTop + 600);
    Load();
}

void FrmKey::SetOwnCaptions()
{
    findChild<QGroupBox*>(QStringLiteral("Frame1"))->setTitle(GetLangText(state(), Texts::Key::Pf1Frame));
    findChild<QGroupBox*>(QStringLiteral("Frame2"))->setTitle(GetLangText(state(), Texts::Key::Pf2Frame));
}

void FrmKey::RefreshKeyWindow()
{
    for (int i = 0; i < KeyEditor::KeyListCount; ++i)
        ShowList(QStringLiteral("Combo1(%1)").arg(i));
}

} // namespace mk21
