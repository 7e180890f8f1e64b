#include "app/ConfigurationChange.h"
#include "app/NewConfiguration.h"
#include "channels/ChannelList.h"
#include "data/ConfigurationOps.h"
#include "data/FrequencyCodec.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <vector>

using mk21::test::RecordingChannelViews;
using mk21::test::StagedState;
using mk21::test::TimesShown;
namespace ModCHEdit = mk21::ModCHEdit;
namespace Field = mk21::ModCHEdit::ChannelField;

namespace {

constexpr int OutOfBand = 9021;

// A state with a recording view attached.
struct ViewedState : StagedState {
    ViewedState() { state.channelViews = &views; }
    ~ViewedState() { state.channelViews = nullptr; }
    RecordingChannelViews views;
};

void Commit(mk21::AppState& state, int number, int code, const QString& value)
{
    ModCHEdit::SetChannelData(state, (number - 1) / 16, (number - 1) % 16 + 1, code, value);
}

struct Ref {
    int group;
    int position;
    friend bool operator==(const Ref&, const Ref&) = default;
};

std::vector<Ref> References(const mk21::RadioConfiguration& config)
{
    const mk21::AlertSettingsRecord& a = config.Features.AlertSettings;
    const mk21::ScanSettingsRecord& sc = config.Features.ScanSettings;
    return {{a.EmgGroup, a.EmgChannel}, {sc.Pri1Group, sc.Pri1Channel}, {sc.Pri2Group, sc.Pri2Channel}};
}

void PointAllAt(mk21::RadioConfiguration& config, Ref ref)
{
    const auto g = static_cast<mk21::Byte>(ref.group);
    const auto p = static_cast<mk21::Byte>(ref.position);
    config.Features.AlertSettings.EmgGroup = g;
    config.Features.AlertSettings.EmgChannel = p;
    config.Features.ScanSettings.Pri1Group = g;
    config.Features.ScanSettings.Pri1Channel = p;
    config.Features.ScanSettings.Pri2Group = g;
    config.Features.ScanSettings.Pri2Channel = p;
}

std::ostream& operator<<(std::ostream& out, const Ref& r)
{
    return out << "(" << r.group << "," << r.position << ")";
}

} // namespace

TEST(ChannelCommit, ReceiveFrequencyAtAnEmptyPositionCreatesTheChannel)
{
    ViewedState s;
    Commit(s.state, 37, Field::RxFreq, QStringLiteral("438.5"));

    mk21::ChannelRecord expected;
    expected.ChannelNo = 37;
    expected.RxFreq = "43850000";
    expected.Offset.bytes().fill('\0');
    expected.TxPower = 2;
    ASSERT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_EQ(s.state.WorkingConfiguration.Channels[0], expected);
    EXPECT_EQ(References(s.state.WorkingConfiguration), (std::vector<Ref>(3, Ref{3, 5})));
    EXPECT_EQ(s.views.events, (QList<QString>{"refs", "row 37", "edit"}));
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(ChannelCommit, NewChannelIsAlignedToItsStep)
{
    StagedState s;
    Commit(s.state, 2, Field::RxFreq, QStringLiteral("438.503"));
    Commit(s.state, 3, Field::RxFreq, QStringLiteral("438.50625"));
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 2).RxFreq.text(), "43850000");
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 3).RxFreq.text(), "43850625");
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 3).RxStepCode, 1);
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 3).TxStepCode, 1);
}

TEST(ChannelCommit, UnsetReferencesPointAtTheLowestChannelOnCreation)
{
    struct Case {
        std::vector<int> existing;
        int created;
        Ref want;
    };
    const Case cases[] = {
        {{}, 37, {3, 5}},
        {{40}, 37, {3, 5}},
        {{40}, 50, {3, 8}},
        {{90, 40}, 17, {2, 1}},
    };
    for (const Case& c : cases) {
        StagedState s;
        for (const int n : c.existing)
            ASSERT_TRUE(ModCHEdit::AddChannel(s.state, n, QStringLiteral("440")));
        Commit(s.state, c.created, Field::RxFreq, QStringLiteral("438.5"));
        EXPECT_EQ(References(s.state.WorkingConfiguration), (std::vector<Ref>(3, c.want))) << c.created;
    }
}

TEST(ChannelCommit, ClearingTheReceiveFrequencyDeletesButNeverTheLastChannel)
{
    ViewedState s;
    Commit(s.state, 4, Field::RxFreq, QStringLiteral("438.5"));
    Commit(s.state, 9, Field::RxFreq, QStringLiteral("439"));
    s.views.events.clear();

    Commit(s.state, 4, Field::RxFreq, QString());
    EXPECT_FALSE(ModCHEdit::FindChannel(s.state.WorkingConfiguration, 4).has_value());
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_EQ(s.views.events, (QList<QString>{"refs", "row 4", "edit"}));

    const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
    s.views.events.clear();
    Commit(s.state, 9, Field::RxFreq, QString());
    EXPECT_EQ(s.state.WorkingConfiguration, before);
    // The row is still redrawn, so the cell shows the frequency again; nothing is re-pointed.
    EXPECT_EQ(s.views.events, (QList<QString>{"row 9", "edit"}));
}

TEST(ChannelCommit, AnUnchangedReceiveFrequencyRepointsNothingAndChangesNothing)
{
    // A new document's references stay where they are when the cursor leaves channel 1's box
    // with its frequency as shown; a changed frequency re-points them as before.
    ViewedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    PointAllAt(s.state.WorkingConfiguration, {0, 0});
    mk21::ModConfig::CommitToSaved(s.state);
    const mk21::ChannelRecord& first = s.state.WorkingConfiguration.Channels[0];
    const QString shown = mk21::ModShowFreFun::ShowFre(s.state, first.RxFreq.raw());
    s.views.events.clear();

    Commit(s.state, first.ChannelNo, Field::RxFreq, shown);
    EXPECT_EQ(References(s.state.WorkingConfiguration), (std::vector<Ref>(3, Ref{0, 0})));
    EXPECT_FALSE(mk21::ModDocument::IsConfigurationChanged(s.state));
    EXPECT_FALSE(s.views.events.contains("refs"));

    Commit(s.state, first.ChannelNo, Field::RxFreq, QStringLiteral("439.5"));
    EXPECT_EQ(References(s.state.WorkingConfiguration), (std::vector<Ref>(3, Ref{1, 1})));
    EXPECT_TRUE(s.views.events.contains("refs"));
}

TEST(ChannelCommit, NewReceiveFrequencyAndTheTransmitSide)
{
    struct Case {
        const char* name;
        bool offsetMode;
        const char* offset;
        int direction;
        const char* wantOffset;
        int wantDirection;
    };
    const Case cases[] = {
        {"transmit frequency stays", false, "0500000", 1, "0550000", 1},
        {"offset stays", true, "0500000", 1, "0500000", 1},
        {"simplex transmit frequency stays", false, "0000000", 0, "0050000", 1},
        {"simplex stays simplex", true, "0000000", 0, "0000000", 0},
    };
    for (const Case& c : cases) {
        StagedState s;
        s.state.preferences.OffSetShowMode = c.offsetMode;
        mk21::test::AddDuplex(s.state, 20, "438.5", c.offset, static_cast<mk21::Byte>(c.direction));
        Commit(s.state, 20, Field::RxFreq, QStringLiteral("439"));
        const mk21::ChannelRecord& channel = mk21::test::ChannelOf(s.state, 20);
        EXPECT_EQ(channel.RxFreq.text(), "43900000") << c.name;
        EXPECT_EQ(channel.Offset.text(), c.wantOffset) << c.name;
        EXPECT_EQ(channel.OffsetDir, c.wantDirection) << c.name;
        EXPECT_TRUE(s.prompter.asked.isEmpty()) << c.name;
    }
}

TEST(ChannelCommit, FrequenciesAreClampedWithOneWarning)
{
    struct Case {
        const char* typed;
        const char* wantRx;
    };
    const Case cases[] = {
        {"490", "48000000"}, {"350.5", "40000000"}, {"abc", "40000000"}, {"480.000001", "48000000"}};
    for (const Case& c : cases) {
        StagedState s;
        Commit(s.state, 1, Field::RxFreq, QString::fromLatin1(c.typed));
        EXPECT_EQ(mk21::test::ChannelOf(s.state, 1).RxFreq.text(), c.wantRx) << c.typed;
        EXPECT_EQ(s.prompter.numbers(), QList<int>{OutOfBand}) << c.typed;
        const QString shown = QString::fromLatin1(c.wantRx).insert(3, u'.');
        EXPECT_TRUE(s.prompter.asked.front().text.endsWith(" " + shown + " MHz.")) << c.typed;

        // The view commits the shown text again when the cell loses the focus.
        Commit(s.state, 1, Field::RxFreq, shown);
        EXPECT_EQ(TimesShown(s.prompter.numbers(), OutOfBand), 1) << c.typed;
    }
}

TEST(ChannelCommit, TransmitFrequencyIsClampedInFrequencyModeOnly)
{
    StagedState s;
    mk21::test::AddDuplex(s.state, 1, "438.5", "0000000", 0);
    Commit(s.state, 1, Field::Transmit, QStringLiteral("490"));
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 1).Offset.text(), "4150000");
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 1).OffsetDir, 2);
    EXPECT_EQ(s.prompter.numbers(), QList<int>{OutOfBand});

    s.prompter.clear();
    s.state.preferences.OffSetShowMode = true;
    Commit(s.state, 1, Field::Transmit, QStringLiteral("-5"));
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 1).Offset.text(), "0500000");
    EXPECT_EQ(mk21::test::ChannelOf(s.state, 1).OffsetDir, 1);
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(ChannelCommit, TheShownTextIsNotSetAgain)
{
    // Each stored value lies off the step grid (as read from a radio): setting it again would
    // move it, and the second case would also warn about its transmit frequency.
    struct Case {
        const char* name;
        bool offsetMode;
        const char* rx;
        const char* offset;
        int direction;
        int code;
        const char* shown;
    };
    const Case cases[] = {
        {"receive", false, "43850300", "0000000", 0, Field::RxFreq, "438.50300"},
        {"receive, transmit outside the band", true, "47900000", "0500000", 2, Field::RxFreq, "479.00000"},
        {"transmit frequency", false, "43850000", "0500300", 1, Field::Transmit, "433.49700"},
        {"signed offset", true, "43850000", "0500300", 1, Field::Transmit, "-5.00300"},
    };
    for (const Case& c : cases) {
        StagedState s;
        s.state.preferences.OffSetShowMode = c.offsetMode;
        mk21::ChannelRecord& channel =
            mk21::test::AddDuplex(s.state, 5, "440", c.offset, static_cast<mk21::Byte>(c.direction));
        channel.RxFreq = c.rx;
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        Commit(s.state, 5, c.code, QString::fromLatin1(c.shown));
        EXPECT_EQ(s.state.WorkingConfiguration.Channels, before.Channels) << c.name;
        EXPECT_TRUE(s.prompter.asked.isEmpty()) << c.name;
    }
}

TEST(ChannelCommit, ValuesForAMissingChannelChangeNothing)
{
    struct Case {
        int code;
        const char* value;
    };
    const Case cases[] = {{Field::DecodeTone, "12"},
                          {Field::TxPower, "1"},
                          {Field::Transmit, "+5"},
                          {Field::RxFreq, ""},
                          {Field::HiddenColumn, "x"}};
    for (const Case& c : cases) {
        ViewedState s;
        s.state.preferences.OffSetShowMode = true;
        ASSERT_TRUE(ModCHEdit::AddChannel(s.state, 1, QStringLiteral("440")));
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        Commit(s.state, 3, c.code, QString::fromLatin1(c.value));
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.code;
        EXPECT_EQ(s.views.events, (QList<QString>{"row 3", "edit"})) << c.code;
    }
}

TEST(ChannelCommit, ListValuesReachTheChannel)
{
    ViewedState s;
    Commit(s.state, 18, Field::RxFreq, QStringLiteral("438.5"));
    s.views.events.clear();
    Commit(s.state, 18, Field::DecodeTone, QStringLiteral("12"));
    Commit(s.state, 18, Field::TxPower, QStringLiteral("0"));
    Commit(s.state, 18, Field::TxPower, QStringLiteral("7")); // refused
    const mk21::ChannelRecord& channel = mk21::test::ChannelOf(s.state, 18);
    EXPECT_EQ(channel.DecodeTone, 12);
    EXPECT_EQ(channel.EncodeTone, 12);
    EXPECT_EQ(channel.TxPower, 0);
    // Only receive frequency changes re-point the references.
    EXPECT_EQ(s.views.events, (QList<QString>{"row 18", "edit", "row 18", "edit", "row 18", "edit"}));
}

TEST(ChannelCommit, AddressesOutsideTheTableAreIgnored)
{
    struct Case {
        int group;
        int position;
    };
    const Case cases[] = {{-1, 1}, {8, 1}, {0, 0}, {0, 17}, {7, -2}};
    for (const Case& c : cases) {
        ViewedState s;
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        ModCHEdit::SetChannelData(s.state, c.group, c.position, Field::RxFreq, QStringLiteral("438.5"));
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.group << "/" << c.position;
        EXPECT_TRUE(s.views.events.isEmpty()) << c.group << "/" << c.position;
    }
    // The corners of the table still work.
    StagedState s;
    ModCHEdit::SetChannelData(s.state, 0, 1, Field::RxFreq, QStringLiteral("438.5"));
    ModCHEdit::SetChannelData(s.state, 7, 16, Field::RxFreq, QStringLiteral("438.5"));
    EXPECT_TRUE(ModCHEdit::FindChannel(s.state.WorkingConfiguration, 1).has_value());
    EXPECT_TRUE(ModCHEdit::FindChannel(s.state.WorkingConfiguration, 128).has_value());
}

TEST(ChannelCommit, DeletingAReferencedChannelMovesTheReference)
{
    struct Case {
        const char* name;
        std::vector<int> channels;
        Ref ref;
        int cleared;
        Ref want;
    };
    const Case cases[] = {
        {"lowest of the same group", {21, 20, 17, 3}, {2, 4}, 20, {2, 1}},
        {"lowest overall when the group is empty", {21, 40, 9}, {2, 5}, 21, {1, 9}},
        {"another channel of the group is left alone", {21, 20, 3}, {2, 4}, 21, {2, 4}},
    };
    for (const Case& c : cases) {
        StagedState s;
        for (const int n : c.channels)
            ASSERT_TRUE(ModCHEdit::AddChannel(s.state, n, QStringLiteral("440")));
        PointAllAt(s.state.WorkingConfiguration, c.ref);
        Commit(s.state, c.cleared, Field::RxFreq, QString());
        EXPECT_EQ(References(s.state.WorkingConfiguration), (std::vector<Ref>(3, c.want))) << c.name;
    }
}
