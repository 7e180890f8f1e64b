#include "channels/ChannelList.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <vector>

using mk21::test::StagedState;
namespace ModCHEdit = mk21::ModCHEdit;

namespace {

// A configuration whose list holds exactly these channel numbers, in this order.
mk21::RadioConfiguration ListOf(const std::vector<int>& numbers)
{
    mk21::RadioConfiguration config;
    for (const int n : numbers) {
        config.Channels[static_cast<std::size_t>(config.ChannelCount)].ChannelNo =
            static_cast<mk21::Integer>(n);
        ++config.ChannelCount;
    }
    return config;
}

} // namespace

TEST(ChannelReferences, Resolve)
{
    struct Case {
        const char* name;
        std::vector<int> channels;
        int group;
        int position;
        int want;
    };
    const Case cases[] = {
        {"no channels", {}, 1, 1, 0},
        {"unset reference, one channel", {5}, 0, 0, 5},
        {"unset reference takes the lowest overall", {40, 7, 90}, 0, 0, 7},
        {"existing channel", {20, 17, 3}, 2, 4, 20},
        {"existing channel wins over lower ones", {3, 1}, 1, 3, 3},
        {"lowest of the group, list not sorted", {21, 3, 19, 17}, 2, 4, 17},
        {"group without channels", {21, 3}, 3, 1, 3},
        {"position 0 takes the lowest of the group", {30, 20}, 2, 0, 20},
        {"group beyond the table", {5}, 9, 1, 5},
        {"last channel", {128, 1}, 8, 16, 128},
        {"damaged numbers are not channels", {0, 7, 200}, 1, 0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModCHEdit::ResolveChRef(ListOf(c.channels), c.group, c.position), c.want) << c.name;
}

TEST(ChannelReferences, RefreshRepointsAllThreeAndTellsTheWindows)
{
    StagedState s;
    mk21::test::RecordingChannelViews views;
    s.state.channelViews = &views;
    mk21::RadioConfiguration& config = s.state.WorkingConfiguration;
    for (const int n : {33, 35, 100, 2})
        ASSERT_TRUE(ModCHEdit::AddChannel(s.state, n, QStringLiteral("440")));
    mk21::AlertSettingsRecord& alert = config.Features.AlertSettings;
    mk21::ScanSettingsRecord& scan = config.Features.ScanSettings;
    alert.EmgGroup = 3; // channel 34 is gone: 33 is the lowest of group 3
    alert.EmgChannel = 2;
    scan.Pri1Group = 7; // channel 100 exists
    scan.Pri1Channel = 4;
    scan.Pri2Group = 5; // group 5 is empty: channel 2 is the lowest of all
    scan.Pri2Channel = 1;

    ModCHEdit::RefreshChRefs(s.state);
    EXPECT_EQ(alert.EmgGroup, 3);
    EXPECT_EQ(alert.EmgChannel, 1);
    EXPECT_EQ(scan.Pri1Group, 7);
    EXPECT_EQ(scan.Pri1Channel, 4);
    EXPECT_EQ(scan.Pri2Group, 1);
    EXPECT_EQ(scan.Pri2Channel, 2);
    EXPECT_EQ(views.events, QList<QString>{"refs"});
    s.state.channelViews = nullptr;
}

TEST(ChannelReferences, NoChannelsMeansNoReference)
{
    StagedState s;
    ASSERT_TRUE(ModCHEdit::AddChannel(s.state, 9, QStringLiteral("440")));
    ModCHEdit::RefreshChRefs(s.state);
    EXPECT_EQ(s.state.WorkingConfiguration.Features.ScanSettings.Pri2Channel, 9);

    ASSERT_TRUE(ModCHEdit::DeleteChannel(s.state, 9));
    ModCHEdit::RefreshChRefs(s.state); // no window open: nothing to tell
    const mk21::RadioConfiguration& config = s.state.WorkingConfiguration;
    EXPECT_EQ(config.Features.AlertSettings.EmgGroup, 0);
    EXPECT_EQ(config.Features.AlertSettings.EmgChannel, 0);
    EXPECT_EQ(config.Features.ScanSettings.Pri1Group, 0);
    EXPECT_EQ(config.Features.ScanSettings.Pri1Channel, 0);
    EXPECT_EQ(config.Features.ScanSettings.Pri2Group, 0);
    EXPECT_EQ(config.Features.ScanSettings.Pri2Channel, 0);
}
