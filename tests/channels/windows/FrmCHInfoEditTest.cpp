#include "channels/windows/FrmCHInfoEdit.h"

#include "base/LanguageTexts.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"
#include "ui/ListHelpers.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace mk21;
using mk21::test::ChannelOf;
using mk21::test::Control;

namespace {

// Tells the window about model changes as the main window's channel views do, re-entering it
// in the middle of its own commits.
class RefreshingViews final : public ChannelViews {
public:
    void channelChanged(int number) override { window->ReShowBusyLock(number); }
    void editWindowRefresh() override { window->SetGridEditData(true); }
    void channelReferencesChanged() override {}
    FrmCHInfoEdit* window = nullptr;
};

class ChannelEditWindow : public testing::Test {
protected:
    FrmCHInfoEdit* open()
    {
        window =
            static_cast<FrmCHInfoEdit*>(ModFun::ShowChildForm(&area, std::make_unique<FrmCHInfoEdit>(state)));
        area.show();
        QApplication::setActiveWindow(&area);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
        return window;
    }
    template <class T> T* c(const char* name) const { return Control<T>(window, name); }
    QComboBox* list(int i) const
    {
        return c<QComboBox>(QStringLiteral("Combo2(%1)").arg(i).toLatin1().constData());
    }
    QCheckBox* box(int j) const
    {
        return c<QCheckBox>(QStringLiteral("Check1(%1)").arg(j).toLatin1().constData());
    }
    void followModel()
    {
        views.window = window;
        state.channelViews = &views;
    }
    void at(int group, int row)
    {
        state.channelCursor.SharedGroup = group;
        state.channelCursor.CurrentRow = row;
    }

    test::StagedState staged;
    AppState& state = staged.state;
    QMdiArea area;
    FrmCHInfoEdit* window = nullptr;
    RefreshingViews views;
};

TEST_F(ChannelEditWindow, ShowsTheChannelUnderTheTableCursorAndShowingChangesNothing)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 37, QStringLiteral("438.5")));
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 38, QStringLiteral("439.125")));
    ChannelRecord& odd = ChannelOf(state, 38);
    odd.TxPower = 3; // two-bit fields hold values their lists have no entry for
    odd.BusyLock = 3;
    odd.DecodeTone = 12;
    odd.RevTalkSelect = 3;
    at(2, 5);
    open();
    EXPECT_TRUE(state.channelCursor.EditOpen);
    EXPECT_GE(window->height(), Twips::ToPixelsY(7170, *window)) << "the whole client area is shown";
    EXPECT_EQ(c<QComboBox>("Combo4")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(c<QComboBox>("Combo1")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(c<QLineEdit>("Text1")->text(), QStringLiteral("438.50000"));
    EXPECT_EQ(list(2)->currentText(), GetLangText(state, 15046));

    const RadioConfiguration before = state.WorkingConfiguration;
    at(2, 6);
    window->SetGridEditData(true);
    EXPECT_EQ(c<QLineEdit>("Text1")->text(), QStringLiteral("439.12500"));
    EXPECT_EQ(list(2)->currentText(), GetLangText(state, 15044)); // first entry for power 3
    EXPECT_EQ(list(6)->count(), 3);
    EXPECT_EQ(list(6)->currentText(), GetLangText(state, 15030));
    EXPECT_TRUE(state.WorkingConfiguration == before) << "showing a channel must not store anything";
    EXPECT_TRUE(staged.prompter.asked.isEmpty());

    // Every label ends 100 twips left of its control.
    const int gap = Twips::ToPixelsX(100, *window);
    for (int i = 0; i < FrmCHInfoEdit::ListCount; ++i) {
        const auto* label = c<QLabel>(QStringLiteral("Label3(%1)").arg(i).toLatin1().constData());
        EXPECT_EQ(label->x() + label->width() + gap, list(i)->x()) << i;
    }
    window->close();
    EXPECT_FALSE(state.channelCursor.EditOpen);
}

TEST_F(ChannelEditWindow, ChoosingAGroupAsksTheOpenTableToShowIt)
{
    QList<int> groupsAsked;
    state.channelCursor.TableOpen = true;
    open();
    QObject::connect(window, &FrmCHInfoEdit::tableGroupWanted,
                     [&] { groupsAsked.append(state.channelCursor.SharedGroup); });
    ModFun::SelectListText(c<QComboBox>("Combo4"), QStringLiteral("4"));
    EXPECT_EQ(state.channelCursor.SharedGroup, 3);
    EXPECT_EQ(groupsAsked, QList<int>{3});
    ModFun::SelectListText(c<QComboBox>("Combo1"), QStringLiteral("7"));
    EXPECT_EQ(state.channelCursor.CurrentRow, 7);
    EXPECT_EQ(groupsAsked, QList<int>{3}) << "a new position alone does not move the table";

    state.channelCursor.TableOpen = false;
    ModFun::SelectListText(c<QComboBox>("Combo4"), QStringLiteral("2"));
    EXPECT_EQ(state.channelCursor.SharedGroup, 1);
    EXPECT_EQ(groupsAsked, QList<int>{3}) << "no table, no request";
}

TEST_F(ChannelEditWindow, AnEmptyPositionTakesOnlyAReceiveFrequencyWhichCreatesTheChannel)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("440")));
    at(0, 2);
    open();
    followModel();
    auto* text1 = c<QLineEdit>("Text1");
    EXPECT_TRUE(text1->isEnabled());
    EXPECT_FALSE(c<QLineEdit>("Text2")->isEnabled());
    for (int i = 0; i < FrmCHInfoEdit::ListCount; ++i) {
        EXPECT_FALSE(list(i)->isEnabled()) << i;
        EXPECT_EQ(list(i)->currentText(), QStringLiteral(" ")) << i;
    }
    for (int j = 0; j < FrmCHInfoEdit::CheckCount; ++j)
        EXPECT_FALSE(box(j)->isEnabled()) << j;
    EXPECT_FALSE(c<QLineEdit>("Text3(0)")->isEnabled());
    EXPECT_FALSE(c<QLineEdit>("Text4")->isEnabled());

    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("43x8.5"));
    EXPECT_EQ(text1->text(), QStringLiteral("438.5"));
    QTest::keyClick(text1, Qt::Key_Tab);
    EXPECT_EQ(ChannelOf(state, 2).RxFreq.raw(), QStringLiteral("43850000"));
    EXPECT_EQ(text1->text(), QStringLiteral("438.50000"));
    EXPECT_EQ(c<QLineEdit>("Text2")->text(), QStringLiteral("438.50000"));
    for (int i = 0; i < FrmCHInfoEdit::ListCount; ++i)
        EXPECT_TRUE(list(i)->isEnabled()) << i;
    EXPECT_EQ(list(2)->currentText(), GetLangText(state, 15046));
    EXPECT_TRUE(box(4)->isEnabled());  // reverse
    EXPECT_FALSE(box(3)->isEnabled()); // talkaround
    EXPECT_TRUE(staged.prompter.asked.isEmpty());

    // Clearing the frequency deletes the channel again; the position is empty.
    text1->setFocus();
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_Backspace);
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_FALSE(ModCHEdit::FindChannel(state.WorkingConfiguration, 2).has_value());
    EXPECT_FALSE(c<QLineEdit>("Text2")->isEnabled());
}

TEST_F(ChannelEditWindow, FrequencyFieldsTakeDigitsAndPointOnlyAndSignsInOffsetMode)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.5")));
    open();
    auto* text1 = c<QLineEdit>("Text1");
    auto* text2 = c<QLineEdit>("Text2");
    QGuiApplication::clipboard()->setText(QStringLiteral("123"));
    ASSERT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
    text1->setFocus();
    text1->clear();
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(text1, QStringLiteral("4+3-9. 1"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(text1, &accented);
    EXPECT_EQ(text1->text(), QStringLiteral("439.1"));
    QTest::keyClick(text1, Qt::Key_Return);
    EXPECT_EQ(ChannelOf(state, 1).RxFreq.raw(), QStringLiteral("43910000"));
    EXPECT_TRUE(text2->hasFocus()) << "Enter commits and moves on";

    state.preferences.OffSetShowMode = true;
    window->ReShowEditTxFre(true);
    EXPECT_EQ(c<QLabel>("Label2(1)")->text(), GetLangText(state, 15100));
    text2->clear();
    QTest::keyClicks(text2, QStringLiteral("+5a.5"));
    EXPECT_EQ(text2->text(), QStringLiteral("+5.5"));
    QTest::keyClick(text2, Qt::Key_Return);
    EXPECT_EQ(ChannelOf(state, 1).OffsetDir, 2);
    EXPECT_EQ(ChannelOf(state, 1).Offset.raw(), QStringLiteral("0550000"));
    EXPECT_TRUE(list(0)->hasFocus());

    // Enter in a list or check box moves on; the last control leads back to the position selector.
    list(9)->setFocus();
    QTest::keyClick(list(9), Qt::Key_Return);
    EXPECT_TRUE(box(0)->hasFocus());
    list(10)->setFocus();
    QTest::keyClick(list(10), Qt::Key_Return);
    EXPECT_TRUE(c<QComboBox>("Combo1")->hasFocus());

    state.preferences.OffSetShowMode = false;
    window->ReShowEditTxFre(false);
    text2->setFocus();
    text2->clear();
    QTest::keyClicks(text2, QStringLiteral("-+43"));
    EXPECT_EQ(text2->text(), QStringLiteral("43"));
}

TEST_F(ChannelEditWindow, BusyLockOnAToneFollowsTheToneThatDecides)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.5")));
    ChannelOf(state, 1).BusyLock = 2; // without a tone: lowered when shown
    open();
    followModel();
    EXPECT_EQ(ChannelOf(state, 1).BusyLock, 1);
    EXPECT_EQ(list(6)->count(), 2);

    ModFun::SelectListIndex(list(0), 5);
    EXPECT_EQ(ChannelOf(state, 1).DecodeTone, 5);
    EXPECT_EQ(list(1)->currentIndex(), 5) << "the encode tone followed";
    EXPECT_EQ(list(6)->count(), 3);
    ModFun::SelectListIndex(list(6), 2);
    EXPECT_EQ(ChannelOf(state, 1).BusyLock, 2);

    // Reversed, the encode tone decides.
    QTest::mouseClick(box(4), Qt::LeftButton, {}, QPoint(6, box(4)->height() / 2)); // on the tick box
    EXPECT_EQ(ChannelOf(state, 1).Reverse, 1);
    ModFun::SelectListIndex(list(1), 0);
    EXPECT_EQ(ChannelOf(state, 1).BusyLock, 1);
    EXPECT_EQ(list(6)->count(), 2);
    EXPECT_EQ(list(6)->currentText(), GetLangText(state, 15031));

    // Talkaround instead of reverse.
    ModFun::SelectListIndex(list(7), 1);
    EXPECT_EQ(ChannelOf(state, 1).RevTalkSelect, 1);
    EXPECT_FALSE(box(4)->isEnabled());
    EXPECT_TRUE(box(3)->isEnabled());
}

TEST_F(ChannelEditWindow, AutoDialListsOfferTheDefinedDtmfMemoriesOnly)
{
    auto& memories = state.WorkingConfiguration.Features.Dtmf.DtmfMemory;
    memories[1].Length = 3;  // memory 2
    memories[15].Length = 1; // memory 16; memory 5 stays undefined
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.5")));
    ChannelOf(state, 1).AutoDial1 = 5;
    ChannelOf(state, 1).AutoDial2 = 16;
    open();
    const QStringList expected{GetLangText(state, 14013), QStringLiteral("2"), QStringLiteral("16")};
    for (int i : {8, 10}) {
        QStringList entries;
        for (int k = 0; k < list(i)->count(); ++k)
            entries.append(list(i)->itemText(k));
        EXPECT_EQ(entries, expected) << i;
    }
    EXPECT_EQ(list(8)->currentIndex(), 0);
    EXPECT_EQ(list(10)->currentText(), QStringLiteral("16"));
    EXPECT_EQ(ChannelOf(state, 1).AutoDial1, 5) << "shown, not stored";

    memories[4].Length = 2;
    window->ReShowDtmfLists();
    EXPECT_EQ(list(8)->currentText(), QStringLiteral("5"));

    ModFun::SelectListText(list(8), QStringLiteral("2"));
    EXPECT_EQ(ChannelOf(state, 1).AutoDial1, 2);
    ModFun::SelectListIndex(list(10), 0);
    EXPECT_EQ(ChannelOf(state, 1).AutoDial2, 0);
}

TEST_F(ChannelEditWindow, ClosingCommitsTheFrequencyBeingTyped)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.5")));
    open();
    auto* text1 = c<QLineEdit>("Text1");
    text1->setFocus();
    text1->selectAll();
    QTest::keyClicks(text1, QStringLiteral("499"));
    window->close();
    EXPECT_EQ(ChannelOf(state, 1).RxFreq.raw(), QStringLiteral("48000000")) << "clamped into the band";
    EXPECT_TRUE(staged.prompter.wasShown(9021));
    EXPECT_FALSE(state.channelCursor.EditOpen);
}

} // namespace
