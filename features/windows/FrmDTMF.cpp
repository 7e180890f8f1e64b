#include "features/windows/FrmDTMF.h"

#include "base/LanguageTexts.h"
#include "base/texts/DtmfTexts.h"
#include "data/ConfigurationState.h"
#include "features/DtmfEditor.h"
#include "ui/EnterMovesFocus.h"
#include "ui/Twips.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <array>
#include <utility>

namespace mk21 {

namespace {

// Twips, within each tab's page.
constexpr int Row = 400;
constexpr int Top = 240;
constexpr int Left = 3000;
constexpr int ListWidth = 1500;
constexpr int CodeWidth = 2600;
constexpr int MemoryLeft = 600;
constexpr int MemoryColumn = 3300;
constexpr int MemoryWidth = 2400;
constexpr int TabWidth = 6900;
constexpr int TabHeight = 4300;

constexpr EditorWindow::Spot EncodeSpots[] = {
    {"Combo1(0)", Left, Top + 0 * Row, ListWidth}, {"Combo1(1)", Left, Top + 1 * Row, ListWidth},
    {"Combo1(2)", Left, Top + 2 * Row, ListWidth}, {"Combo1(3)", Left, Top + 3 * Row, ListWidth},
    {"Combo1(4)", Left, Top + 4 * Row, ListWidth}, {"Check1", Left, Top + 5 * Row, CodeWidth},
    {"Text1(0)", Left, Top + 6 * Row, CodeWidth},  {"Text1(1)", Left, Top + 7 * Row, CodeWidth},
};

constexpr EditorWindow::Spot DecodeSpots[] = {
    {"Text3", Left, Top + 0 * Row, ListWidth},     {"Combo2(1)", Left, Top + 1 * Row, ListWidth},
    {"Combo2(4)", Left, Top + 2 * Row, ListWidth}, {"Combo2(5)", Left, Top + 3 * Row, ListWidth},
    {"Text1(2)", Left, Top + 4 * Row, CodeWidth},  {"Text1(3)", Left, Top + 5 * Row, CodeWidth},
};

// Two columns of eight memories.
constexpr auto MemorySpots = [] {
    constexpr const char* names[] = {
        "Text2(0)", "Text2(1)", "Text2(2)",  "Text2(3)",  "Text2(4)",  "Text2(5)",  "Text2(6)",  "Text2(7)",
        "Text2(8)", "Text2(9)", "Text2(10)", "Text2(11)", "Text2(12)", "Text2(13)", "Text2(14)", "Text2(15)"};
    std::array<EditorWindow::Spot, DtmfEditor::MemoryFieldCount> spots{};
    for (int n = 0; n < DtmfEditor::MemoryFieldCount; ++n)
        spots[static_cast<std::size_t>(n)] = {names[n], MemoryLeft + (n / 8) * MemoryColumn,
                                              Top + (n % 8) * Row, MemoryWidth};
    return spots;
}();

// Shows the next or previous page and puts the focus on its first control.
void TurnPage(QTabWidget* tabs, int step)
{
    const int count = tabs->count();
    tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
    for (QWidget* control : tabs->currentWidget()->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0 && control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

QWidget* AddPage(QTabWidget* tabs, const char* name)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(QLatin1String(name));
    tabs->addTab(page, QString());
    return page;
}

} // namespace

FrmDTMF::FrmDTMF(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, DtmfEditor::Describe(state), parent)
{
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(Twips::ToPixelsX(120, *this), Twips::ToPixelsY(120, *this),
                      Twips::ToPixelsX(TabWidth, *this), Twips::ToPixelsY(TabHeight, *this));
    EnterMovesFocus::Install(tabs->tabBar());
    // The main window's area takes Ctrl+Tab to change windows: pages turn with Ctrl+PgDown/PgUp.
    for (const auto& [key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* turn = new QShortcut(QKeySequence(Qt::CTRL | key), tabs, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
        connect(turn, &QShortcut::activated, tabs, [tabs, step = step] { TurnPage(tabs, step); });
    }
    Build(AddPage(tabs, "Encode"), EncodeSpots);
    Build(AddPage(tabs, "Decode"), DecodeSpots);
    Build(AddPage(tabs, "AutoDial"), MemorySpots);
    BuildButtons(this, 240, TabHeight + 300, TabWidth + 240, TabHeight + 900);

    connect(this, &EditorWindow::stored, this, [this](const QString& control) {
        if (control.startsWith(QLatin1String("Text2(")))
            emit dtmfMemoryChanged();
    });
    Load();
}

void FrmDTMF::SetOwnCaptions()
{
    using namespace Texts::Dtmf;
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    const int captions[] = {EncodeTab, DecodeTab, AutoDialTab};
    for (int t = 0; t < tabs->count(); ++t)
        tabs->setTabText(t, GetLangText(state(), captions[t]));
}

} // namespace mk21
