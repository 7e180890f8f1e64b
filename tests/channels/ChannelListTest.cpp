#include "channels/ChannelList.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <vector>

using mk21::test::StagedState;
namespace ModCHEdit = mk21::ModCHEdit;

namespace {

void AddAll(mk21::AppState& state, const std::vector<int>& numbers)
{
    for (const int n : numbers)
        ASSERT_TRUE(ModCHEdit::AddChannel(state, n, QStringLiteral("440")));
}

std::vector<int> NumbersInList(const mk21::RadioConfiguration& config)
{
    std::vector<int> out;
    for (int i = 0; i < ModCHEdit::UsedChannels(config); ++i)
        out.push_back(config.Channels[static_cast<std::size_t>(i)].ChannelNo);
    return out;
}

} // namespace

TEST(ChannelList, NewChannelTakesTheDefaults)
{
    StagedState s;
    ASSERT_TRUE(ModCHEdit::AddChannel(s.state, 37, QStringLiteral("438.5")));

    mk21::ChannelRecord expected;
    expected.ChannelNo = 37;
    expected.RxFreq = "43850000";
    expected.Offset.bytes().fill('\0');
    expected.TxPower = 2;
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_EQ(s.state.WorkingConfiguration.Channels[0], expected);
}

TEST(ChannelList, AddingIsRefusedWithoutChangingTheList)
{
    struct Case {
        const char* name;
        int number;
    };
    const Case cases[] = {{"taken", 5}, {"zero", 0}, {"negative", -3}, {"above 128", 129}};
    for (const Case& c : cases) {
        StagedState s;
        AddAll(s.state, {5, 9});
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        EXPECT_FALSE(ModCHEdit::AddChannel(s.state, c.number, QStringLiteral("438.5"))) << c.name;
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.name;
    }
}

TEST(ChannelList, FullListTakesNoMore)
{
    StagedState s;
    for (int n = 128; n >= 1; --n)
        ASSERT_TRUE(ModCHEdit::AddChannel(s.state, n, QStringLiteral("440")));
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 128);
    ASSERT_TRUE(ModCHEdit::DeleteChannel(s.state, 77));
    EXPECT_FALSE(ModCHEdit::FindChannel(s.state.WorkingConfiguration, 77).has_value());
    EXPECT_TRUE(ModCHEdit::AddChannel(s.state, 77, QStringLiteral("441")));
    EXPECT_EQ(s.state.WorkingConfiguration.Channels[127].ChannelNo, 77);
}

TEST(ChannelList, DamagedCountIsNeverUsedAsAnIndex)
{
    struct Case {
        int storedCount;
        bool addAccepted;
        int countAfterAdd;
    };
    // A negative count reads as an empty list, an oversized one as a full list.
    const Case cases[] = {{-5, true, 1}, {300, false, 300}, {129, false, 129}};
    for (const Case& c : cases) {
        StagedState s;
        mk21::RadioConfiguration& config = s.state.WorkingConfiguration;
        config.ChannelCount = static_cast<mk21::Integer>(c.storedCount);
        EXPECT_FALSE(ModCHEdit::FindChannel(config, 1).has_value()) << c.storedCount;
        EXPECT_EQ(ModCHEdit::ResolveChRef(config, 1, 1), 0) << c.storedCount;
        EXPECT_EQ(ModCHEdit::AddChannel(s.state, 1, QStringLiteral("440")), c.addAccepted) << c.storedCount;
        EXPECT_EQ(config.ChannelCount, c.countAfterAdd) << c.storedCount;
    }

    StagedState s;
    s.state.WorkingConfiguration.ChannelCount = 1000;
    EXPECT_FALSE(ModCHEdit::DeleteChannelAt(s.state, 128));
    EXPECT_TRUE(ModCHEdit::DeleteChannelAt(s.state, 127));
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 127);
}

TEST(ChannelList, FindScansOnlyTheUsedRecordsInListOrder)
{
    StagedState s;
    AddAll(s.state, {40, 3, 17});
    mk21::RadioConfiguration& config = s.state.WorkingConfiguration;
    config.Channels[3].ChannelNo = 99; // a free entry: not a channel

    EXPECT_EQ(ModCHEdit::FindChannel(config, 40), 0);
    EXPECT_EQ(ModCHEdit::FindChannel(config, 3), 1);
    EXPECT_EQ(ModCHEdit::FindChannel(config, 17), 2);
    for (const int absent : {99, 1, 0, -1, 129})
        EXPECT_FALSE(ModCHEdit::FindChannel(config, absent).has_value()) << absent;
}

TEST(ChannelList, ProgrammedChannels)
{
    struct Case {
        const char* name;
        const char* rx;
        mk21::Integer channelVoid;
        bool valid;
    };
    const Case cases[] = {
        {"frequency", "43850000", 0, true}, {"trailing blanks", "4385    ", 0, true},
        {"no frequency", "", 0, false},     {"erased memory", "FFFFFFFF", 0, false},
        {"void", "43850000", 1, false},
    };
    for (const Case& c : cases) {
        StagedState s;
        AddAll(s.state, {12});
        mk21::ChannelRecord& channel = s.state.WorkingConfiguration.Channels[0];
        channel.RxFreq = c.rx;
        channel.ChannelVoid = c.channelVoid;
        EXPECT_EQ(ModCHEdit::IsCHValid(s.state.WorkingConfiguration, 12), c.valid) << c.name;
    }

    StagedState s;
    AddAll(s.state, {12});
    s.state.WorkingConfiguration.Channels[0].RxFreq.bytes().fill('\0');
    EXPECT_FALSE(ModCHEdit::IsCHValid(s.state.WorkingConfiguration, 12)) << "cut at the first NUL";
    EXPECT_FALSE(ModCHEdit::IsCHValid(s.state.WorkingConfiguration, 13)) << "absent";
}

TEST(ChannelList, DeletingClosesTheGap)
{
    StagedState s;
    AddAll(s.state, {8, 2, 30, 5});
    ASSERT_TRUE(ModCHEdit::DeleteChannelAt(s.state, 1));
    EXPECT_EQ(NumbersInList(s.state.WorkingConfiguration), (std::vector<int>{8, 30, 5}));
    ASSERT_TRUE(ModCHEdit::DeleteChannel(s.state, 5));
    EXPECT_EQ(NumbersInList(s.state.WorkingConfiguration), (std::vector<int>{8, 30}));
    ASSERT_TRUE(ModCHEdit::DeleteChannel(s.state, 8));
    EXPECT_EQ(NumbersInList(s.state.WorkingConfiguration), (std::vector<int>{30}));
}

TEST(ChannelList, DeletingWhatIsNotThereChangesNothing)
{
    StagedState s;
    AddAll(s.state, {8, 2});
    const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
    for (const int index : {-1, 2, 127, 128})
        EXPECT_FALSE(ModCHEdit::DeleteChannelAt(s.state, index)) << index;
    for (const int number : {3, 0, 129})
        EXPECT_FALSE(ModCHEdit::DeleteChannel(s.state, number)) << number;
    EXPECT_EQ(s.state.WorkingConfiguration, before);
}
