// The switchboard's rows as the main window uses them: each menu item and tree node opens its
// window once, a window still to come opens nothing, and no name, key or item is listed twice.
#include "app/windows/Switchboard.h"

#include "app/NewConfiguration.h"
#include "channels/ChannelCommands.h"
#include "channels/ChannelList.h"
#include "channels/windows/ChannelWindows.h"
#include "channels/windows/FrmCHInfoEdit.h"
#include "channels/windows/frmCommChInfo.h"
#include "features/AlertEditor.h"
#include "features/DtmfEditor.h"
#include "features/KeyEditor.h"
#include "features/ScanEditor.h"
#include "tests/app/windows/frmMainHarness.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using mk21::test::MainWindowHarness;

namespace mk21 {
namespace {

struct Opening {
    const char* item;
    const char* node; // or none
    const char* form;
};

const Opening openings[] = {
    {"mnuChannelInfo", "N1", "frmCommChInfo"},
    {"mnuOptFeature", "N2", "FrmOptFeatures"},
    {"MnuRadioFre", nullptr, "FrmRadio"},
    {"MnuDTMF", "N4", "FrmDTMF"},
    {"MnuTestFre", nullptr, "FrmTestFre"},
    {"MnuKey", "N8", "FrmKey"},
    {"MnuScan", "N9", "FrmScan"},
    {"MnuAlert", "N10", "FrmAlert"},
    {"mnuEmbeddedMsg", "N6", "FrmEmbMsg"},
};

TEST(Switchboard, NoWindowNameTreeKeyOrMenuItemIsListedTwice)
{
    QSet<QString> forms;
    QSet<QString> keys;
    std::vector<QAction * MainMenus::*> items;
    for (const ChildWindowRow& row : Switchboard::rows()) {
        EXPECT_FALSE(forms.contains(QLatin1String(row.form))) << row.form;
        forms.insert(QLatin1String(row.form));
        EXPECT_EQ(Switchboard::rowOfForm(QLatin1String(row.form)), &row);
        if (row.treeKey != nullptr) {
            EXPECT_FALSE(keys.contains(QLatin1String(row.treeKey))) << row.treeKey;
            keys.insert(QLatin1String(row.treeKey));
            EXPECT_EQ(Switchboard::rowOfTreeKey(QLatin1String(row.treeKey)), &row);
        }
        if (row.menuItem != nullptr) {
            EXPECT_EQ(std::find(items.begin(), items.end(), row.menuItem), items.end()) << row.form;
            items.push_back(row.menuItem);
        }
    }
    EXPECT_EQ(Switchboard::rowOfForm(QStringLiteral("frmMain")), nullptr);
    EXPECT_EQ(Switchboard::rowOfTreeKey(QStringLiteral("N0")), nullptr);
}

TEST(Switchboard, EachMenuItemAndTreeNodeOpensItsWindowOnce)
{
    MainWindowHarness h;
    h.open();
    for (const Opening& opening : openings) {
        const QString form = QString::fromLatin1(opening.form);
        h.window->setChildForm(form, [form] {
            auto standIn = std::make_unique<QWidget>();
            standIn->setWindowTitle(form);
            return standIn;
        });
    }
    for (const Opening& opening : openings) {
        SCOPED_TRACE(opening.form);
        h.window->CloseCurAllWindows();
        QTest::qWait(0); // deferred deletions
        h.action(opening.item)->trigger();
        h.action(opening.item)->trigger();
        EXPECT_EQ(h.children(), QStringList{QString::fromLatin1(opening.form)});
        if (opening.node == nullptr)
            continue;
        h.window->CloseCurAllWindows();
        QTest::qWait(0);
        h.clickNode(opening.node);
        h.clickNode(opening.node);
        EXPECT_EQ(h.children(), QStringList{QString::fromLatin1(opening.form)});
    }
}

TEST(Switchboard, AWindowStillToComeOpensNothingAndTheChannelWindowsOpenOnceAndLinked)
{
    test::StagedState staged;
    QMdiArea area;
    Switchboard board(staged.state, &area, &area);
    for (const ChildWindowRow& row : Switchboard::rows()) {
        if (row.make != nullptr)
            continue;
        EXPECT_EQ(board.open(QLatin1String(row.form)), nullptr) << row.form;
    }
    EXPECT_TRUE(area.subWindowList().isEmpty());

    auto* table = qobject_cast<frmCommChInfo*>(board.open(QLatin1String(frmCommChInfo::FormName)));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(board.channelWindows().table(), table);
    auto* edit = qobject_cast<FrmCHInfoEdit*>(board.open(QLatin1String(FrmCHInfoEdit::FormName)));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(board.channelWindows().editWindow(), edit);
    EXPECT_EQ(board.open(QLatin1String(frmCommChInfo::FormName)), table);
    EXPECT_EQ(area.subWindowList().size(), 2);

    board.setStandIn(QStringLiteral("FrmDTMF"), [] { return std::make_unique<QWidget>(); });
    QWidget* standIn = board.open(QStringLiteral("FrmDTMF"));
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->objectName(), "FrmDTMF");
}

TEST(Switchboard, AMemoryFilledInTheDtmfWindowIsOfferedByTheChannelEditWindowAndKeysFollowTheirRefresh)
{
    test::StagedState staged;
    ModConfig::NewConfiguration(staged.state);
    QMdiArea area;
    Switchboard board(staged.state, &area, &area);
    board.RefreshKeyWindow(); // without a keys window: nothing to do
    auto* edit = qobject_cast<FrmCHInfoEdit*>(board.open(QLatin1String(FrmCHInfoEdit::FormName)));
    ASSERT_NE(edit, nullptr);
    auto* autoDial = test::Control<QComboBox>(edit, "Combo2(8)");
    EXPECT_EQ(autoDial->findText(QStringLiteral("3")), -1);
    QSignalSpy memories(&board, &Switchboard::dtmfMemoriesChanged);

    QWidget* dtmf = board.open(QLatin1String(DtmfEditor::FormName));
    ASSERT_NE(dtmf, nullptr);
    QTest::keyClicks(test::Control<QLineEdit>(dtmf, "Text2(2)"), "7");
    EXPECT_NE(autoDial->findText(QStringLiteral("3")), -1);
    EXPECT_EQ(memories.count(), 1);
    test::Control<QLineEdit>(dtmf, "Text2(2)")->clear();
    EXPECT_EQ(autoDial->findText(QStringLiteral("3")), -1);

    staged.state.WorkingConfiguration.Features.ScanSettings.ScanMode = 1;
    staged.state.WorkingConfiguration.Features.KeySettings.Pf1Long = KeyEditor::ScanFunction;
    QWidget* keys = board.open(QLatin1String(KeyEditor::FormName));
    ASSERT_NE(keys, nullptr);
    auto* pf1Long = test::Control<QComboBox>(keys, "Combo1(0)");
    EXPECT_EQ(pf1Long->currentIndex(), KeyEditor::ScanFunction);
    // What the scan window does when scanning is switched off.
    staged.state.WorkingConfiguration.Features.ScanSettings.ScanMode = 0;
    staged.state.WorkingConfiguration.Features.KeySettings.Pf1Long = 0;
    board.RefreshKeyWindow();
    EXPECT_EQ(pf1Long->currentIndex(), 0);
}

TEST(Switchboard, ADeletedChannelIsPointedAwayFromInTheOpenScanAndAlertWindows)
{
    test::StagedState staged;
    AppState& state = staged.state;
    ModConfig::NewConfiguration(state);
    for (int number : {5, 40, 41})
        ASSERT_TRUE(ModCHEdit::AddChannel(state, number, QStringLiteral("44000000")));
    state.WorkingConfiguration.Features.ScanSettings.Pri2Group = 3;
    state.WorkingConfiguration.Features.ScanSettings.Pri2Channel = 8;
    state.WorkingConfiguration.Features.AlertSettings.EmgGroup = 3;
    state.WorkingConfiguration.Features.AlertSettings.EmgChannel = 8;
    state.preferences.NoDeleteQuestion = true;
    state.preferences.DeleteRemovesChannels = false;
    QMdiArea area;
    Switchboard board(state, &area, &area);
    ASSERT_NE(board.open(QLatin1String(frmCommChInfo::FormName)), nullptr);
    QWidget* scan = board.open(QLatin1String(ScanEditor::FormName));
    QWidget* alert = board.open(QLatin1String(AlertEditor::FormName));
    ASSERT_NE(scan, nullptr);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(test::Control<QComboBox>(scan, "Combo1(5)")->currentText(), "8");

    // Channel 40 (group index 2, row 8), as the table's Delete runs it.
    ModCHEdit::RunChannelCommand(state, board.channelWindows(), ModCHEdit::DeleteCommand, 8, 2);
    EXPECT_EQ(state.WorkingConfiguration.Features.ScanSettings.Pri2Channel, 9);
    EXPECT_EQ(state.WorkingConfiguration.Features.AlertSettings.EmgChannel, 9);
    EXPECT_EQ(test::Control<QComboBox>(scan, "Combo1(5)")->currentText(), "9");
    EXPECT_EQ(test::Control<QComboBox>(alert, "Combo1(8)")->currentText(), "9");
    EXPECT_EQ(test::Control<QComboBox>(alert, "Combo1(8)")->count(), 1);
}

TEST(Switchboard, SwitchingScanningOffInTheScanWindowShowsInTheKeysWindow)
{
    test::StagedState staged;
    AppState& state = staged.state;
    ModConfig::NewConfiguration(state);
    state.WorkingConfiguration.Features.ScanSettings.ScanMode = 1;
    state.WorkingConfiguration.Features.KeySettings.Pf2Long = KeyEditor::ScanFunction;
    QMdiArea area;
    Switchboard board(state, &area, &area);
    QWidget* keys = board.open(QLatin1String(KeyEditor::FormName));
    QWidget* scan = board.open(QLatin1String(ScanEditor::FormName));
    auto* pf2Long = test::Control<QComboBox>(keys, "Combo1(2)");
    ASSERT_EQ(pf2Long->currentIndex(), KeyEditor::ScanFunction);
    auto* mode = test::Control<QComboBox>(scan, "Combo1(0)");
    mode->setCurrentIndex(0);
    emit mode->activated(0);
    EXPECT_EQ(state.WorkingConfiguration.Features.KeySettings.Pf2Long, 0);
    EXPECT_EQ(pf2Long->currentIndex(), 0);
}

TEST(Switchboard, TheAlertWindowOffersTheMemoriesTheDtmfWindowFills)
{
    test::StagedState staged;
    AppState& state = staged.state;
    ModConfig::NewConfiguration(state);
    state.WorkingConfiguration.Features.AlertSettings.EmgIdType = 1;
    QMdiArea area;
    Switchboard board(state, &area, &area);
    QWidget* alert = board.open(QLatin1String(AlertEditor::FormName));
    QWidget* dtmf = board.open(QLatin1String(DtmfEditor::FormName));
    auto* memories = test::Control<QComboBox>(alert, "Combo1(2)");
    EXPECT_EQ(memories->count(), 0);
    QTest::keyClicks(test::Control<QLineEdit>(dtmf, "Text2(4)"), "1");
    QTest::keyClicks(test::Control<QLineEdit>(dtmf, "Text2(1)"), "2");
    EXPECT_EQ(memories->itemText(0), "M2");
    EXPECT_EQ(memories->itemText(1), "M5");
    EXPECT_EQ(memories->currentText(), "M5") << "the first memory filled is the one chosen";
    test::Control<QLineEdit>(dtmf, "Text2(4)")->clear();
    test::Control<QLineEdit>(dtmf, "Text2(1)")->clear();
    EXPECT_EQ(memories->count(), 0);
    EXPECT_EQ(memories->currentIndex(), -1);
}

} // namespace
} // namespace mk21
