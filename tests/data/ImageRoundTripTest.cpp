#include "base/TextOps.h"
#include "data/ImageCodec.h"
#include "data/ModelBand.h"
#include "tests/data/ImageTestSupport.h"
#include "tests/support/StagedState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <random>

using mk21::test::Ended;
namespace ModImage = mk21::ModImage;

namespace {

// Builds random configurations whose every field lies within what the editors produce.
class ValidConfiguration {
public:
    explicit ValidConfiguration(unsigned seed) : random_(seed) {}

    void Fill(mk21::AppState& st)
    {
        const QList<int> bands = mk21::ModelBandTable::BandNumbers();
        st.model.CurrentModelCode = Pick({"ZR750", "ZR750G"});
        st.model.CurrentBandText =
            mk21::ModelBandTable::BandTextOfNumber(bands[Int(0, int(bands.size()) - 1)]);
        mk21::ModFun::ParseBandRange(st.model);
        low_ = std::lround(st.model.BandLow * 100000);
        high_ = std::lround(st.model.BandHigh * 100000);

        FillChannels(st.WorkingConfiguration);
        for (mk21::TestFrequencyRecord& t : st.WorkingConfiguration.TestFrequencies)
            t = TestFrequency();
        for (mk21::TestFrequencyRecord& t : st.ExtraTestFreqs)
            t = TestFrequency();
        FillFeatures(st.WorkingConfiguration.Features);
        st.WorkingSide.AlarmMode = static_cast<mk21::Byte>(Int(0, 1));
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    mk21::Integer Field(int high) { return static_cast<mk21::Integer>(Int(0, high)); }
    mk21::Byte ByteField(int high) { return static_cast<mk21::Byte>(Int(0, high)); }
    QString Pick(std::initializer_list<const char*> options)
    {
        return QString::fromLatin1(*(options.begin() + Int(0, int(options.size()) - 1)));
    }
    QString Chars(const char* alphabet, int length)
    {
        const int size = int(std::strlen(alphabet));
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QLatin1Char(alphabet[Int(0, size - 1)]));
        return text;
    }

    // A frequency inside the band on one of the step grids, in 10 Hz units.
    long OnGrid()
    {
        switch (Int(0, 2)) {
        case 0: return low_ + 500L * Int(0, int((high_ - low_) / 500));
        case 1: return low_ + 625L * Int(0, int((high_ - low_) / 625));
        default: return std::min(high_, low_ + 2500L * Int(0, int((high_ - low_) / 2500)) + 833L * Int(0, 2));
        }
    }

    static QString Digits(long value, int width)
    {
        return QString::number(value).rightJustified(width, u'0');
    }

    void FillChannels(mk21::RadioConfiguration& config)
    {
        std::array<int, 128> numbers{};
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random_);
        config.ChannelCount = Field(128);
        for (int i = 0; i < config.ChannelCount; ++i) {
            mk21::ChannelRecord& ch = config.Channels[static_cast<std::size_t>(i)];
            ch = mk21::ChannelRecord{};
            ch.ChannelNo = static_cast<mk21::Integer>(numbers[static_cast<std::size_t>(i)]);
            const long rx = OnGrid();
            const long tx = Int(0, 2) == 0 ? rx : OnGrid();
            ch.RxFreq = Digits(rx, 8);
            ch.OffsetDir = tx == rx ? 0 : tx < rx ? 1 : 2;
            if (tx != rx)
                ch.Offset = Digits(std::labs(tx - rx), 7);
            else if (Int(0, 1) == 0)
                ch.Offset.bytes().fill('\0');
            else
                ch.Offset = Digits(Int(0, 9999999), 7); // a simplex channel may keep a magnitude
            ch.DecodeTone = Field(282);
            ch.EncodeTone = Field(282);
            ch.RxStepCode = Field(2);
            ch.TxStepCode = Field(2);
            ch.TxInhibit = Field(1);
            ch.RevTalkSelect = Field(1);
            ch.Encryption = Field(1);
            ch.BusyLock = Field(2);
            ch.Talkaround = Field(1);
            ch.SignalRelation = Field(1);
            ch.Whisper = Field(1);
            ch.PttId = Field(3);
            ch.Bandwidth = Field(2);
            ch.OptSignal = Field(1);
            ch.Compander = Field(1);
            ch.Reverse = Field(1);
            ch.TxPower = Field(2);
            ch.AutoDial1 = Field(16);
            ch.AutoDial2 = Field(16);
            ch.ScanSkip = Field(1);
        }
    }

    mk21::TestFrequencyRecord TestFrequency()
    {
        const auto one = [this]() -> QString {
            if (Int(0, 3) == 0)
                return QStringLiteral("FFFFFFFF");
            return Digits(Int(1, 99999999), 8);
        };
        mk21::TestFrequencyRecord t;
        t.TestFreqA = one();
        t.TestFreqB = one();
        return t;
    }

    mk21::DtmfCode Code()
    {
        mk21::DtmfCode code;
        code.Length = Field(16);
        code.Digits = Ended(Chars("0123456789ABCD*#", code.Length), 16);
        return code;
    }

    QString MessageLine()
    {
        const int length = Int(0, 16);
        QString line = Chars(" !\"#$%&'()*+,-./0123456789:;<=>?@ABCXYZ[\\]^_`abcxyz{|}~", length);
        if (length == 16 && line.endsWith(u' '))
            line[15] = u'Q'; // a full line's trailing blanks are not part of its text
        return Ended(line, 16);
    }

    void FillFeatures(mk21::FeatureSettings& f)
    {
        mk21::OptionalFeatureSettings& o = f.OptionalFeatures;
        o.SquelchLevel = Field(15);
        o.VoicePrompt = Field(3);
        o.VoiceVolume = Field(7);
        o.TailElimMode = Field(3);
        o.BatterySave = Field(3);
        o.VoxOn = Field(1);
        o.VoxTone = Field(1);
        o.ChannelLock = Field(1);
        o.GroupSelect = Field(1);
        o.TotPreAlert = Field(15);
        o.WiredClone = Field(1);
        o.NoSigTailElim = Field(1);
        o.TotTime = Field(255);
        o.TotRekey = Field(255);
        o.TotReset = Field(255);
        o.VoxLevel = Field(15);
        o.VoxDelay = Field(15);
        o.ChannelGroup = Field(255);

        mk21::DtmfSettings& d = f.Dtmf;
        d.DtmfRate = Field(255);
        d.FirstDigitTime = Field(255);
        d.FirstDigitDelay = Field(255);
        d.StarHashTime = Field(255);
        d.DKeySetting = Field(255);
        d.SideTone = Field(1);
        d.CallAlertMode = Field(3);
        d.GroupCode = Field(15);
        d.AutoResetTime = Field(255);
        d.IdLength = static_cast<mk21::Integer>(Int(3, 10));
        d.IdCode = Ended(Chars("0123456789ABCD", d.IdLength), 10);
        for (mk21::DtmfCode* code : {&d.BotCode, &d.EotCode, &d.StunCode, &d.KillCode})
            *code = Code();
        for (mk21::DtmfCode& code : d.DtmfMemory)
            code = Code();

        for (auto& line : f.MessageLines)
            line = MessageLine();
        f.KeySettings = {Field(255), Field(255), Field(255), Field(255), Field(255), Field(255)};

        mk21::AlertSettingsRecord& a = f.AlertSettings;
        a = {ByteField(3),   ByteField(1), ByteField(255), ByteField(255), ByteField(255),
             ByteField(255), ByteField(1), ByteField(255), ByteField(255), ByteField(255)};
        mk21::ScanSettingsRecord& s = f.ScanSettings;
        s = {ByteField(1),   ByteField(3), ByteField(7),   ByteField(255), ByteField(255), ByteField(255),
             ByteField(255), ByteField(1), ByteField(255), ByteField(255), ByteField(255), ByteField(255)};
    }

    std::mt19937 random_;
    long low_ = 0;
    long high_ = 0;
};

// The channel list as the decoder gives it back: in number order, simplex offsets as 0.
std::vector<mk21::ChannelRecord> AsDecoded(const mk21::RadioConfiguration& config)
{
    std::vector<mk21::ChannelRecord> channels(config.Channels.begin(),
                                              config.Channels.begin() + config.ChannelCount);
    for (mk21::ChannelRecord& ch : channels) {
        if (ch.OffsetDir == 0)
            ch.Offset = "0000000";
    }
    std::sort(channels.begin(), channels.end(),
              [](const auto& a, const auto& b) { return a.ChannelNo < b.ChannelNo; });
    return channels;
}

TEST(ImageRoundTrip, RandomValidConfigurationsSurviveTheImage)
{
    mk21::test::StagedState staged;
    mk21::AppState& st = staged.state;
    for (unsigned seed = 1; seed <= 500; ++seed) {
        ValidConfiguration(seed).Fill(st);
        ModImage::PrefillImage(st, false);
        ModImage::EncodeImage(st);
        const std::array<mk21::Byte, 2832> first = st.RadioImage;
        const mk21::RadioConfiguration sent = st.WorkingConfiguration;
        const mk21::ExtraTestFrequencies sentExtra = st.ExtraTestFreqs;
        const mk21::Byte sentAlarm = st.WorkingSide.AlarmMode;
        const mk21::ModelBand sentModel = st.model;

        // Decode into a state that shares nothing with the one encoded.
        st.WorkingConfiguration = mk21::RadioConfiguration{};
        st.ExtraTestFreqs = mk21::ExtraTestFrequencies{};
        st.WorkingSide.AlarmMode = 7;
        st.model = mk21::ModelBand{"X", "", 0, 0};
        ModImage::DecodeImage(st);

        const mk21::RadioConfiguration& back = st.WorkingConfiguration;
        ASSERT_EQ(back.ChannelCount, sent.ChannelCount) << "seed " << seed;
        ASSERT_EQ(AsDecoded(back), AsDecoded(sent)) << "seed " << seed;
        ASSERT_EQ(back.TestFrequencies, sent.TestFrequencies) << "seed " << seed;
        ASSERT_EQ(st.ExtraTestFreqs, sentExtra) << "seed " << seed;
        ASSERT_EQ(back.RadioInfo, sent.RadioInfo) << "seed " << seed;
        ASSERT_EQ(back.Features, sent.Features) << "seed " << seed;
        ASSERT_EQ(st.WorkingSide.AlarmMode, sentAlarm) << "seed " << seed;
        ASSERT_EQ(st.model.CurrentModelCode, sentModel.CurrentModelCode) << "seed " << seed;
        ASSERT_EQ(st.model.CurrentBandText, sentModel.CurrentBandText) << "seed " << seed;

        ModImage::PrefillImage(st, false);
        ModImage::EncodeImage(st);
        ASSERT_EQ(st.RadioImage, first) << "seed " << seed;
    }
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

} // namespace
