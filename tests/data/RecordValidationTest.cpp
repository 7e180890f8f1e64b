#include "data/RecordValidation.h"
#include "data/DataFile.h"
#include "data/RecordCodec.h"

#include <gtest/gtest.h>

#include <functional>

using mk21::ChannelRecord;
using mk21::RadioConfiguration;
namespace check = mk21::ModRecordCheck;

namespace {

RadioConfiguration withChannels(std::initializer_list<int> numbers)
{
    RadioConfiguration r;
    r.RadioInfo.ModelCode = "ZR750";
    for (const int n : numbers) {
        ChannelRecord& c = r.Channels[std::size_t(r.ChannelCount++)];
        c.ChannelNo = static_cast<mk21::Integer>(n);
        c.RxFreq = "44000000";
    }
    return r;
}

} // namespace

TEST(RecordValidation, BrokenChannelListsAreRefused)
{
    const struct {
        const char* what;
        std::function<void(RadioConfiguration&)> spoil;
        check::Verdict verdict;
    } cases[] = {
        {"as written", [](RadioConfiguration&) {}, check::Verdict::Accepted},
        {"empty list", [](RadioConfiguration& r) { r.ChannelCount = 0; }, check::Verdict::Accepted},
        {"negative count", [](RadioConfiguration& r) { r.ChannelCount = -1; }, check::Verdict::Refused},
        {"count 129", [](RadioConfiguration& r) { r.ChannelCount = 129; }, check::Verdict::Refused},
        {"count 32767", [](RadioConfiguration& r) { r.ChannelCount = 32767; }, check::Verdict::Refused},
        {"number 0", [](RadioConfiguration& r) { r.Channels[1].ChannelNo = 0; }, check::Verdict::Refused},
        {"number 129", [](RadioConfiguration& r) { r.Channels[2].ChannelNo = 129; }, check::Verdict::Refused},
        {"number -5", [](RadioConfiguration& r) { r.Channels[0].ChannelNo = -5; }, check::Verdict::Refused},
        {"repeated", [](RadioConfiguration& r) { r.Channels[2].ChannelNo = 1; }, check::Verdict::Refused},
        {"number 128", [](RadioConfiguration& r) { r.Channels[2].ChannelNo = 128; },
         check::Verdict::Accepted},
        // Free entries are never used as channels: what they hold does not matter.
        {"free entry repeats", [](RadioConfiguration& r) { r.Channels[3].ChannelNo = 1; },
         check::Verdict::Accepted},
        {"free entry out of range", [](RadioConfiguration& r) { r.Channels[100].ChannelNo = -300; },
         check::Verdict::Accepted},
    };
    for (const auto& c : cases) {
        RadioConfiguration r = withChannels({1, 40, 17});
        c.spoil(r);
        EXPECT_EQ(check::CheckRecord(r), c.verdict) << c.what;
    }

    RadioConfiguration full = withChannels({});
    for (int n = 128; n >= 1; --n)
        full.Channels[std::size_t(full.ChannelCount++)].ChannelNo = static_cast<mk21::Integer>(n);
    EXPECT_EQ(check::CheckRecord(full), check::Verdict::Accepted);
}

TEST(RecordValidation, ChannelValuesAreBroughtIntoRange)
{
    using mk21::Integer;
    const struct {
        const char* field;
        Integer ChannelRecord::*member;
        Integer lastKept;
    } words[] = {
        {"DecodeTone", &ChannelRecord::DecodeTone, 282},
        {"EncodeTone", &ChannelRecord::EncodeTone, 282},
        {"AutoDial1", &ChannelRecord::AutoDial1, 16},
        {"AutoDial2", &ChannelRecord::AutoDial2, 16},
        {"TxInhibit", &ChannelRecord::TxInhibit, 1},
        {"ScanSkip", &ChannelRecord::ScanSkip, 1},
        {"Reverse", &ChannelRecord::Reverse, 1},
        {"Whisper", &ChannelRecord::Whisper, 1},
        {"TxPower", &ChannelRecord::TxPower, 3},
        {"Bandwidth", &ChannelRecord::Bandwidth, 3},
        {"OptSignal", &ChannelRecord::OptSignal, 3},
        {"RxStepCode", &ChannelRecord::RxStepCode, 3},
        {"PttId", &ChannelRecord::PttId, 3},
        {"BusyLock", &ChannelRecord::BusyLock, 3},
    };
    for (const auto& w : words) {
        for (const Integer value :
             {Integer(-1), Integer(0), w.lastKept, Integer(w.lastKept + 1), Integer(-32768)}) {
            ChannelRecord c;
            c.*w.member = value;
            check::BringChannelIntoRange(c);
            const bool kept = value >= 0 && value <= w.lastKept;
            EXPECT_EQ(c.*w.member, kept ? value : 0) << w.field << " " << value;
        }
    }

    ChannelRecord c;
    c.OffsetDir = 3;
    c.ChannelVoid = -7;
    c.RxFreq.bytes() = {'4', '\xFF', '\0', 'x', '\x01', ' ', '9', '9'};
    const ChannelRecord textsBefore = c;
    check::BringChannelIntoRange(c);
    EXPECT_EQ(c.OffsetDir, 0);
    EXPECT_EQ(c.ChannelVoid, -7);            // any value means "void"
    EXPECT_EQ(c.RxFreq, textsBefore.RxFreq); // texts are kept byte for byte
}

TEST(RecordValidation, FeatureValuesOutsideTheirListsAreKept)
{
    RadioConfiguration r = withChannels({1});
    mk21::FeatureSettings& f = r.Features;
    f.OptionalFeatures.VoiceVolume = 0; // what a new configuration holds
    f.OptionalFeatures.TotTime = 22;
    f.Dtmf.IdLength = 0;
    f.KeySettings.Pf1Short = 99;
    f.ScanSettings.Pri1Group = 200;
    f.AlertSettings.EmgIdMemory = 40;
    f.Dtmf.BotCode.Length = 17;
    f.Dtmf.DtmfMemory[15].Length = -1;
    f.Dtmf.DtmfMemory[3].Length = 16;

    mk21::FeatureSettings expected = f;
    expected.Dtmf.BotCode.Length = 0;
    expected.Dtmf.DtmfMemory[15].Length = 0;
    ASSERT_EQ(check::CheckRecord(r), check::Verdict::Accepted);
    EXPECT_EQ(r.Features, expected);

    mk21::SideRecord side;
    for (const auto& [stored, loaded] :
         std::initializer_list<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 0}, {255, 0}}) {
        side.AlarmMode = static_cast<mk21::Byte>(stored);
        check::BringSideIntoRange(side);
        EXPECT_EQ(side.AlarmMode, loaded) << stored;
    }
}

// A file with values out of range loads with them in range, and saving that gives a file that
// loads byte for byte unchanged.
TEST(RecordValidation, LoadingIsAFixedPoint)
{
    RadioConfiguration r = withChannels({3, 1, 2});
    r.Channels[0].DecodeTone = 300;
    r.Channels[1].TxPower = 9;
    r.Channels[2].AutoDial2 = 17;
    r.Channels[90].EncodeTone = -4; // a free entry
    r.Features.Dtmf.KillCode.Length = 99;
    const QByteArray file = mk21::ModRecordCodec::EncodeRecord(r);

    const std::optional<RadioConfiguration> first = mk21::ModDataFile::RecordFromFileBytes(file);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->Channels[0].DecodeTone, 0);
    EXPECT_EQ(first->Channels[1].TxPower, 0);
    EXPECT_EQ(first->Channels[2].AutoDial2, 0);
    EXPECT_EQ(first->Channels[90].EncodeTone, 0);
    EXPECT_EQ(first->Features.Dtmf.KillCode.Length, 0);

    const QByteArray saved = mk21::ModRecordCodec::EncodeRecord(*first);
    const std::optional<RadioConfiguration> second = mk21::ModDataFile::RecordFromFileBytes(saved);
    ASSERT_TRUE(second.has_value());
    EXPECT_TRUE(mk21::ModRecordCodec::EncodeRecord(*second) == saved);
}
