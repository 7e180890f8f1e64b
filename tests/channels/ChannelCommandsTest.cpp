#include "channels/ChannelCommands.h"

#include "channels/ChannelList.h"
#include "channels/ConfirmAnswer.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>

using mk21::test::StagedState;
namespace ModCHEdit = mk21::ModCHEdit;
namespace ConfirmAnswer = mk21::ConfirmAnswer;

namespace {

// Records what the commands ask of the windows; answers the confirmation as the dialog would.
class FakeCommandView final : public ModCHEdit::ChannelCommandView {
public:
    explicit FakeCommandView(mk21::AppState& state) : state_(state) {}

    void AskConfirmation(int mode) override
    {
        events.append(QStringLiteral("ask %1").arg(mode));
        if (answers.empty())
            return; // closed without a button
        ConfirmAnswer::Record(state_, mode, answers.front().first, answers.front().second);
        answers.pop_front();
    }
    void ReShowChRow(int row, int group) override
    {
        events.append(QStringLiteral("row %1/%2").arg(row).arg(group));
    }
    void ReShowAllCh() override { events.append(QStringLiteral("all")); }
    void MoveTableCursor(int row) override { events.append(QStringLiteral("cursor %1").arg(row)); }

    std::deque<std::pair<int, bool>> answers; // answer, "do not ask again"
    QList<QString> events;

private:
    mk21::AppState& state_;
};

// Creates a channel at every position of `group` whose letter in `layout` is not '-'; the letter
// is kept in DecodeTone so that a channel can be recognised after it moved.
void Fill(mk21::AppState& state, int group, const char* layout)
{
    for (int p = 1; layout[p - 1] != '\0'; ++p) {
        if (layout[p - 1] == '-')
            continue;
        ASSERT_TRUE(ModCHEdit::AddChannel(state, 16 * group + p, QStringLiteral("440")));
        mk21::test::ChannelOf(state, 16 * group + p).DecodeTone = layout[p - 1];
    }
}

// The letters of positions 1..16 of `group`, '-' where there is no channel.
QString Layout(const mk21::AppState& state, int group)
{
    QString out;
    for (int p = 1; p <= 16; ++p) {
        const auto index = ModCHEdit::FindChannel(state.WorkingConfiguration, 16 * group + p);
        out += index ? QChar(state.WorkingConfiguration.Channels[static_cast<std::size_t>(*index)].DecodeTone)
                     : QChar('-');
    }
    return out;
}

// No questions: delete leaves the gap, paste overwrites.
void Quietly(mk21::AppState& state)
{
    state.preferences.NoDeleteQuestion = true;
    state.preferences.NoPasteQuestion = true;
}

} // namespace

TEST(ChannelCommands, CopyFillsTheClipboardOnlyFromAChannel)
{
    StagedState s;
    Fill(s.state, 0, "--C");
    EXPECT_FALSE(ModCHEdit::SetCHEditEnabled(s.state, 1).copy);
    ModCHEdit::CopyCh(s.state, 1, 0);
    EXPECT_FALSE(s.state.ChClipboard.full);
    EXPECT_FALSE(ModCHEdit::SetCHEditEnabled(s.state, 3).paste);
    EXPECT_TRUE(ModCHEdit::SetCHEditEnabled(s.state, 3).cut);

    ModCHEdit::CopyCh(s.state, 3, 0);
    ModCHEdit::CopyCh(s.state, 2, 0); // empty: the clipboard keeps channel 3
    ASSERT_TRUE(s.state.ChClipboard.full);
    EXPECT_EQ(s.state.ChClipboard.record.DecodeTone, 'C');
    const ModCHEdit::ChannelCommandStates states = ModCHEdit::SetCHEditEnabled(s.state, 1);
    EXPECT_TRUE(states.paste);
    EXPECT_FALSE(states.cut);
}

TEST(ChannelCommands, CutThenPasteMovesTheChannel)
{
    StagedState s;
    FakeCommandView view(s.state);
    Quietly(s.state);
    Fill(s.state, 0, "-B");
    Fill(s.state, 1, "---X");
    ModCHEdit::CutCh(s.state, view, 2, 0);
    EXPECT_EQ(Layout(s.state, 0), "----------------");
    ModCHEdit::PasteCh(s.state, view, 4, 1); // overwrites X
    ModCHEdit::PasteCh(s.state, view, 9, 1); // appended
    EXPECT_EQ(Layout(s.state, 1), "---B----B-------");
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 2);
    EXPECT_EQ(view.events, (QList<QString>{"row 2/0", "row 4/1", "row 9/1"}));
}

TEST(ChannelCommands, DeleteLeavesOrClosesTheGap)
{
    StagedState s;
    FakeCommandView view(s.state);
    Quietly(s.state);
    Fill(s.state, 2, "ABCDE");
    ModCHEdit::DeleteCh(s.state, view, 3, 2);
    EXPECT_EQ(Layout(s.state, 2), "AB-DE-----------");

    s.state.preferences.DeleteRemovesChannels = true;
    ModCHEdit::DeleteCh(s.state, view, 1, 2);
    EXPECT_EQ(Layout(s.state, 2), "B-DE------------");
    EXPECT_EQ(view.events, (QList<QString>{"row 3/2", "row 1/2", "all"}));
}

TEST(ChannelCommands, InsertFreesThePosition)
{
    StagedState s;
    FakeCommandView view(s.state);
    Fill(s.state, 7, "ABCDE----------P");
    EXPECT_TRUE(ModCHEdit::InsertCh(s.state, view, 3, 7));
    EXPECT_EQ(Layout(s.state, 7), "AB-CDE---------P");
    // Nothing moves at 16: the channel there gives way.
    EXPECT_TRUE(ModCHEdit::InsertCh(s.state, view, 16, 7));
    EXPECT_EQ(Layout(s.state, 7), "AB-CDE----------");
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(ChannelCommands, InsertIsRefusedWhenFifteenAndSixteenAreTaken)
{
    StagedState s;
    FakeCommandView view(s.state);
    Quietly(s.state);
    s.state.preferences.PasteInserts = true;
    Fill(s.state, 1, "ABC-----------OP");
    s.state.ChClipboard = {mk21::test::ChannelOf(s.state, 17), true};
    const mk21::RadioConfiguration before = s.state.WorkingConfiguration;

    EXPECT_FALSE(ModCHEdit::InsertCh(s.state, view, 3, 1));
    ModCHEdit::PasteCh(s.state, view, 3, 1);
    EXPECT_EQ(s.state.WorkingConfiguration, before);
    EXPECT_TRUE(view.events.isEmpty());
    ASSERT_EQ(s.prompter.numbers(), (QList<int>{9066, 9066}));
    EXPECT_EQ(s.prompter.asked.front().icon, mk21::PromptIcon::Information);
    EXPECT_FALSE(s.prompter.asked.front().text.isEmpty());
}

TEST(ChannelCommands, PasteWithInsertPushesTheOccupantDown)
{
    StagedState s;
    FakeCommandView view(s.state);
    Quietly(s.state);
    s.state.preferences.PasteInserts = true;
    Fill(s.state, 0, "ABC");
    Fill(s.state, 1, "X");
    ModCHEdit::CopyCh(s.state, 1, 1);
    ModCHEdit::PasteCh(s.state, view, 2, 0);
    EXPECT_EQ(Layout(s.state, 0), "AXBC------------");
}

TEST(ChannelCommands, PasteOfAVoidRecordOrIntoAFullListWritesNoChannel)
{
    StagedState s;
    FakeCommandView view(s.state);
    Quietly(s.state);
    Fill(s.state, 0, "AB");
    s.state.ChClipboard = {mk21::test::ChannelOf(s.state, 1), true};
    s.state.ChClipboard.record.ChannelVoid = 1;
    ModCHEdit::PasteCh(s.state, view, 2, 0);
    EXPECT_EQ(Layout(s.state, 0), "A---------------");

    // A full list whose damaged last number leaves channel 5 missing.
    mk21::RadioConfiguration& config = s.state.WorkingConfiguration;
    for (int i = 0; i < mk21::MaxChannels; ++i)
        config.Channels[static_cast<std::size_t>(i)].ChannelNo =
            static_cast<mk21::Integer>(i == 4 ? 0 : i + 1);
    config.ChannelCount = mk21::MaxChannels;
    s.state.ChClipboard.record.ChannelVoid = 0;
    const mk21::RadioConfiguration before = config;
    ModCHEdit::PasteCh(s.state, view, 5, 0);
    EXPECT_EQ(config, before);
}

TEST(ChannelCommands, MovesWrapAroundTheGroupAndTakeTheCursor)
{
    StagedState s;
    FakeCommandView view(s.state);
    Fill(s.state, 3, "AB-------------P");
    ModCHEdit::MoveChUp(s.state, view, 1, 3);
    EXPECT_EQ(Layout(s.state, 3), "PB-------------A");
    ModCHEdit::MoveChDown(s.state, view, 16, 3);
    EXPECT_EQ(Layout(s.state, 3), "AB-------------P");
    ModCHEdit::MoveChDown(s.state, view, 2, 3); // into an empty position
    EXPECT_EQ(Layout(s.state, 3), "A-B------------P");
    EXPECT_EQ(view.events.mid(0, 3), (QList<QString>{"row 1/3", "row 16/3", "cursor 16"}));
    EXPECT_EQ(view.events.last(), "cursor 3");
}

TEST(ChannelCommands, QuestionsFollowThePreferences)
{
    StagedState s;
    FakeCommandView view(s.state);
    Fill(s.state, 0, "ABCDE");
    view.answers = {{ConfirmAnswer::Yes, true}};
    ModCHEdit::DeleteCh(s.state, view, 2, 0); // asked: yes closes the gap, never ask again
    ModCHEdit::DeleteCh(s.state, view, 1, 0);
    EXPECT_EQ(Layout(s.state, 0), "CDE-------------");
    EXPECT_EQ(view.events.count("ask 2"), 1);
    EXPECT_TRUE(s.state.preferences.NoDeleteQuestion);

    // Closed without a button: nothing recorded, the paste overwrites and asks again next time.
    ModCHEdit::CopyCh(s.state, 2, 0);
    ModCHEdit::PasteCh(s.state, view, 1, 0);
    view.answers = {{ConfirmAnswer::Yes, false}};
    ModCHEdit::PasteCh(s.state, view, 3, 0);
    EXPECT_EQ(Layout(s.state, 0), "DDDE------------");
    EXPECT_EQ(view.events.count("ask 1"), 2);
    EXPECT_TRUE(s.state.preferences.PasteInserts);
    EXPECT_FALSE(s.state.preferences.NoPasteQuestion);
}

TEST(ChannelCommands, RunRepointsReferencesAfterChangesOnly)
{
    StagedState s;
    FakeCommandView view(s.state);
    mk21::test::RecordingChannelViews windows;
    s.state.channelViews = &windows;
    Quietly(s.state);
    Fill(s.state, 1, "A-C");
    mk21::ScanSettingsRecord& scan = s.state.WorkingConfiguration.Features.ScanSettings;
    scan.Pri1Group = 2;
    scan.Pri1Channel = 3;

    ModCHEdit::RunChannelCommand(s.state, view, ModCHEdit::CopyCommand, 3, 1);
    ModCHEdit::RunChannelCommand(s.state, view, 8, 3, 1);
    ModCHEdit::RunChannelCommand(s.state, view, ModCHEdit::DeleteCommand, 17, 1);
    EXPECT_TRUE(windows.events.isEmpty());
    EXPECT_EQ(Layout(s.state, 1), "A-C-------------");

    ModCHEdit::RunChannelCommand(s.state, view, ModCHEdit::DeleteCommand, 3, 1);
    EXPECT_EQ(scan.Pri1Group, 2);
    EXPECT_EQ(scan.Pri1Channel, 1);
    EXPECT_EQ(windows.events, QList<QString>{"refs"});
    s.state.channelViews = nullptr;
}
