// The main window's channel commands on the real channel table: menu items, buttons and keys run
// from the command timer, their enabled states, and the preferences command.
#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "channels/windows/ChannelGrid.h"
#include "channels/windows/ChannelWindows.h"
#include "channels/windows/frmCommChInfo.h"
#include "tests/app/windows/frmMainHarness.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using mk21::test::Control;
using mk21::test::MainWindowHarness;

namespace mk21 {
namespace {

class MainWindowChannelCommands : public testing::Test {
protected:
    void SetUp() override
    {
        h.realChannelTable = true;
        h.open();
        table = h.window->channelWindows().table();
        ASSERT_NE(table, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return text1()->isVisible(); }, 2000));
        h.state.preferences.NoPasteQuestion = true;
        h.state.preferences.PasteInserts = false;
    }

    QLineEdit* text1() const { return Control<QLineEdit>(table, "Text1"); }
    QString cell(int row, int col) const { return table->grid()->cellText(row, col); }
    bool enabled(const char* item, const char* button) const
    {
        const bool itemEnabled = h.action(item)->isEnabled();
        EXPECT_EQ(h.action(button)->isEnabled(), itemEnabled) << item << " and " << button;
        return itemEnabled;
    }
    bool runs(const std::function<bool()>& done) { return QTest::qWaitFor(done, 1000); }

    MainWindowHarness h;
    frmCommChInfo* table = nullptr;
};

TEST_F(MainWindowChannelCommands, CutCopyAndPasteFollowTheCursorAndTheClipboard)
{
    ASSERT_FALSE(cell(1, 1).isEmpty()) << "a new document holds channel 1";
    EXPECT_TRUE(enabled("MnuCHCut", "BtnCHCut"));
    EXPECT_TRUE(enabled("MnuCHCopy", "BtnCHCopy"));
    EXPECT_FALSE(enabled("MnuCHPaste", "BtnCHPaste")) << "nothing copied yet";

    table->grid()->setCursor(4, 1);
    EXPECT_FALSE(enabled("MnuCHCut", "BtnCHCut"));
    EXPECT_FALSE(enabled("MnuCHCopy", "BtnCHCopy"));
    EXPECT_TRUE(enabled("MnuCHInsert", "BtnCHInsert"));
    EXPECT_TRUE(enabled("MnuCHMoveUp", "BtnCHMoveUp"));

    // A frequency still being typed is stored before the command copies the channel.
    table->grid()->setCursor(1, 1);
    text1()->selectAll();
    QTest::keyClicks(text1(), QStringLiteral("441.25"));
    h.action("MnuCHCopy")->trigger();
    ASSERT_TRUE(runs([this] { return h.state.ChClipboard.full; }));
    EXPECT_EQ(h.state.ChClipboard.record.RxFreq.raw(), "44125000");
    EXPECT_TRUE(enabled("MnuCHPaste", "BtnCHPaste"));

    table->grid()->setCursor(4, 1);
    h.action("BtnCHPaste")->trigger();
    ASSERT_TRUE(runs([this] { return cell(4, 1) == "441.25000"; }));
    EXPECT_TRUE(enabled("MnuCHCut", "BtnCHCut")) << "the cursor's position holds a channel now";
    EXPECT_TRUE(h.prompter.asked.isEmpty());
}

TEST_F(MainWindowChannelCommands, TheShortcutsReachTheCommandsWhileACellIsBeingEdited)
{
    const QString channel1 = cell(1, 1);
    ASSERT_EQ(QApplication::focusWidget(), text1());
    QTest::keyClick(text1(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(runs([this] { return h.state.ChClipboard.full; }));
    table->grid()->setCursor(1, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(runs([&] { return cell(2, 1) == channel1; }));
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(table->cursorRow(), 2);
    ASSERT_EQ(QApplication::focusWidget(), text1());
    QTest::keyClick(text1(), Qt::Key_U, Qt::ControlModifier);
    ASSERT_TRUE(runs([&] { return cell(1, 1) == channel1; }));

    // Keys without a command stay the box's own; Del deletes a character, never the channel.
    ASSERT_EQ(QApplication::focusWidget(), text1());
    QTest::keyClick(text1(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text1()->selectedText(), channel1);
    QTest::keyClick(text1(), Qt::Key_Delete);
    EXPECT_EQ(text1()->text(), "");
    EXPECT_FALSE(h.window->TimerCHEdit.isActive());
}

TEST_F(MainWindowChannelCommands, ThePreferencesCommandRewritesTheTransmitColumnWhenTheOffsetModeChanges)
{
    h.state.preferences.OffSetShowMode = false;
    const QString receive = cell(1, 1);
    EXPECT_EQ(cell(1, 2), receive);
    int shown = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible())
            return;
        ++shown;
        EXPECT_EQ(dialog->objectName(), "FrmHabits");
        Control<QCheckBox>(dialog, "Check1(4)")->setChecked(true);
        QTest::mouseClick(Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    answer.start(10);
    h.action("MnuCHHabits")->trigger();
    ASSERT_TRUE(runs([this] { return h.state.preferences.OffSetShowMode; }));
    answer.stop();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(cell(0, 2), GetLangText(h.state, 14100));
    EXPECT_EQ(cell(1, 2), "0.00000");
    EXPECT_EQ(cell(1, 1), receive);
}

TEST_F(MainWindowChannelCommands, CloseButtonsCloseTheChannelWindowsWithTheirFramesAndTheTableComesBack)
{
    QMdiArea* area = h.window->mdiArea();
    const auto closeButton = [&](const char* form) {
        QMdiSubWindow* frame = h.child(QString::fromLatin1(form));
        EXPECT_NE(frame, nullptr) << form;
        QPointer<QMdiSubWindow> watched = frame;
        if (frame != nullptr)
            QTest::mouseClick(Control<QPushButton>(frame->widget(), "CommandClose"), Qt::LeftButton);
        QTest::qWait(0); // deferred deletions
        EXPECT_TRUE(watched.isNull()) << form << ": the frame is deleted";
    };

    QTest::mouseClick(Control<QPushButton>(table, "CommandCHInfoEdit"), Qt::LeftButton);
    ASSERT_NE(h.child("FrmCHInfoEdit"), nullptr);
    closeButton("FrmCHInfoEdit");
    EXPECT_FALSE(h.state.channelCursor.EditOpen);
    EXPECT_EQ(area->subWindowList().size(), 1);

    const std::pair<const char*, std::function<void()>> reopeners[] = {
        {"tree", [&] { h.clickNode("N1"); }},
        {"Edit menu", [&] { h.action("mnuChannelInfo")->trigger(); }},
    };
    for (const auto& [how, reopen] : reopeners) {
        SCOPED_TRACE(how);
        closeButton("frmCommChInfo");
        EXPECT_TRUE(area->subWindowList().isEmpty()) << "nothing left in the Window menu";
        reopen();
        QMdiSubWindow* again = h.child(QStringLiteral("frmCommChInfo"));
        ASSERT_NE(again, nullptr);
        EXPECT_TRUE(again->widget()->isVisible());
        EXPECT_EQ(area->subWindowList().size(), 1);
    }
}

TEST_F(MainWindowChannelCommands, AChannelTableThatLoadsRebuildsTheTree)
{
    ModFun::UnloadFormByName(h.window->mdiArea(), QLatin1String(frmCommChInfo::FormName));
    QTest::qWait(0); // deferred deletions
    ASSERT_EQ(h.child(QStringLiteral("frmCommChInfo")), nullptr);
    auto* tree = h.window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_NE(tree, nullptr);
    tree->clear();
    h.action("MnuDTMF")->setVisible(false);

    h.action("mnuChannelInfo")->trigger();
    ASSERT_NE(h.child(QStringLiteral("frmCommChInfo")), nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1) << "the table asked for the tree while it loaded";
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 8);
    EXPECT_TRUE(h.action("MnuDTMF")->isVisible());
}

TEST_F(MainWindowChannelCommands, AChannelTableThatLoadsSetsTheCommandsForTheChannelUnderItsCursor)
{
    ASSERT_TRUE(enabled("MnuCHCut", "BtnCHCut")) << "channel 1 is under the cursor";
    ModFun::UnloadFormByName(h.window->mdiArea(), QLatin1String(frmCommChInfo::FormName));
    QTest::qWait(0); // deferred deletions
    // The document's only channel moves to position 2: the loading table's cursor is on nothing.
    h.state.WorkingConfiguration.Channels[0].ChannelNo = 2;

    h.action("mnuChannelInfo")->trigger();
    table = h.window->channelWindows().table();
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(cell(1, 1).isEmpty());
    EXPECT_FALSE(enabled("MnuCHCut", "BtnCHCut"));
    EXPECT_FALSE(enabled("MnuCHCopy", "BtnCHCopy"));
}

TEST_F(MainWindowChannelCommands, TheAreaScrollsToTheEdgesOfATableLargerThanIt)
{
    // The main window has its first-start size, narrower than the channel table.
    QMdiArea* area = h.window->mdiArea();
    QMdiSubWindow* frame = h.child(QStringLiteral("frmCommChInfo"));
    ASSERT_NE(frame, nullptr);
    QTest::qWait(0);
    ASSERT_GT(frame->geometry().right(), area->viewport()->width()) << "the table fits: nothing to show";
    for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
        bar->setValue(bar->maximum());
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_LE(frame->geometry().right(), area->viewport()->width()) << "the Edit column is in view";
    EXPECT_LE(frame->geometry().bottom(), area->viewport()->height());
}

} // namespace
} // namespace mk21
