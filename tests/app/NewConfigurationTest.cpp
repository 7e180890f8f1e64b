#include "app/NewConfiguration.h"
#include "app/ConfigurationChange.h"
#include "base/TextOps.h"
#include "data/ConfigurationOps.h"
#include "data/ModelBand.h"
#include "link/SessionEngine.h"
#include "tests/support/StagedState.h"

#include <QDir>

#include <gtest/gtest.h>

using mk21::test::StagedState;
namespace ModConfig = mk21::ModConfig;

namespace {

void useBand(mk21::AppState& state, const char* model, const char* band)
{
    state.model.CurrentModelCode = model;
    state.model.CurrentBandText = band;
    mk21::ModFun::ParseBandRange(state.model);
}

// A state whose init folder is gone, so a new configuration is exactly the built-in defaults.
struct NoInitFolder : StagedState {
    NoInitFolder() { QDir(programFile("Init")).removeRecursively(); }
};

} // namespace

TEST(Configuration, NewConfigurationHoldsTheDefaults)
{
    NoInitFolder s;
    mk21::AppState& st = s.state;
    st.document.DocumentPath = "old.dat";
    st.document.IsUntitled = false;
    st.session.OperationType = mk21::ModSession::OperationWrite;
    st.session.ReadState = 3;
    st.session.WriteState = 5;
    ModConfig::NewConfiguration(st, QDate(2026, 3, 7));
    // The radio link is back to idle.
    EXPECT_EQ(st.session.OperationType, mk21::ModSession::OperationIdle);
    EXPECT_EQ(st.session.ReadState, mk21::ModSession::StateIdle);
    EXPECT_EQ(st.session.WriteState, mk21::ModSession::StateIdle);

    const mk21::RadioConfiguration& c = st.WorkingConfiguration;
    ASSERT_EQ(c.ChannelCount, 1);
    const mk21::ChannelRecord& ch = c.Channels[0];
    EXPECT_EQ(ch.ChannelNo, 1);
    EXPECT_EQ(ch.RxFreq.raw(), "44000000");
    EXPECT_EQ(ch.Offset.raw(), QString(7, QChar(u'\0')));
    EXPECT_EQ(ch.OffsetDir, 0);
    EXPECT_EQ(ch.TxPower, 2);
    EXPECT_EQ(ch.DecodeTone + ch.EncodeTone + ch.RxStepCode + ch.TxStepCode + ch.ScanSkip, 0);

    const mk21::FeatureSettings& f = c.Features;
    EXPECT_EQ(f.KeySettings.LongPressTime, 10);
    EXPECT_EQ(f.KeySettings.EmgLongPressTime, 10);
    EXPECT_EQ(f.OptionalFeatures.VoicePrompt, 1);
    EXPECT_EQ(f.OptionalFeatures.TailElimMode, 3);
    EXPECT_EQ(f.OptionalFeatures.SquelchLevel, 0);
    EXPECT_EQ(f.Dtmf.IdCode.raw(), "000       ");
    EXPECT_EQ(f.Dtmf.IdLength, 3);
    EXPECT_EQ(f.Dtmf.DtmfMemory[15].Digits.text(), "");
    EXPECT_EQ(f.MessageLines[2].raw().front(), QChar(u'\0'));
    EXPECT_EQ(f.ScanSettings, mk21::ScanSettingsRecord{});
    EXPECT_EQ(f.AlertSettings, mk21::AlertSettingsRecord{});

    EXPECT_EQ(c.FmChannels[19].FmEmpty, 1);
    EXPECT_EQ(c.TestFrequencies[0].TestFreqA.text(), "43510000");
    EXPECT_EQ(c.TestFrequencies[0].TestFreqB.text(), "43510000");
    EXPECT_EQ(c.TestFrequencies[10].TestFreqA.text(), "");
    EXPECT_EQ(st.ExtraTestFreqs[3].TestFreqB.text(), "46060000");
    EXPECT_EQ(st.ExtraTestFreqs[3].TestFreqA.text(), "47050000");
    EXPECT_EQ(c.RadioInfo.ModelCode.text(), "ZR750G");
    EXPECT_EQ(c.RadioInfo.BandNumber, 0);

    EXPECT_EQ(st.Details.BatchNumber.text(), "03-1-E-1");
    EXPECT_EQ(st.Details.CustomerCode.text(), "001A");
    EXPECT_EQ(st.Details.SalesAreaCode, "0595");
    EXPECT_EQ(st.Details.VersionInfo, "V2.00");
    EXPECT_EQ(st.Details.DetailModel, "ZR750G");
    EXPECT_FALSE(st.Details.ProductionDate.text().isEmpty());
    EXPECT_EQ(st.WorkingSide.SideVersion.text(), "V200");
    EXPECT_EQ(st.WorkingSide.AlarmMode, 1);

    EXPECT_EQ(st.SavedConfiguration, st.WorkingConfiguration);
    EXPECT_EQ(st.SavedSide, st.WorkingSide);
    EXPECT_EQ(st.document.DocumentPath, "new.dat");
    EXPECT_TRUE(st.document.IsUntitled);
}

TEST(Configuration, TheFirstChannelLiesInTheMiddleOfEachBand)
{
    const struct {
        const char* model;
        const char* band;
        const char* rx;
        int number;
    } cases[] = {
        {"ZR750", "136 - 174 MHz", "15500000", 8},   {"ZR750G", "144 - 146 MHz", "14500000", 13},
        {"ZR750G", "430 - 450 MHz", "44000000", 1},  {"ZR750", "450 - 520 MHz", "48500000", 32},
        {"ZR750G", "136 - 145 MHz", "14050000", 11},
    };
    for (const auto& c : cases) {
        NoInitFolder s;
        useBand(s.state, c.model, c.band);
        ModConfig::NewConfiguration(s.state);
        EXPECT_EQ(s.state.WorkingConfiguration.Channels[0].RxFreq.raw(), c.rx) << c.band;
        EXPECT_EQ(s.state.WorkingConfiguration.RadioInfo.BandNumber, c.number) << c.band;
        EXPECT_EQ(s.state.WorkingConfiguration.RadioInfo.ModelCode.text(), c.model);
    }
}

TEST(Configuration, NewConfigurationClearsLeftoverChannels)
{
    NoInitFolder s;
    s.state.WorkingConfiguration.ChannelCount = 3;
    s.state.WorkingConfiguration.Channels[2].ChannelNo = 77;
    ModConfig::NewConfiguration(s.state);
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_EQ(s.state.WorkingConfiguration.Channels[2], mk21::ChannelRecord{});
}

TEST(Configuration, CommitAndRestoreMoveWholeRecordsAndTheModel)
{
    NoInitFolder s;
    mk21::AppState& st = s.state;
    ModConfig::NewConfiguration(st);

    useBand(st, "ZR750", "136 - 174 MHz");
    st.WorkingConfiguration.Channels[100].ChannelNo = 99; // a free entry is copied too
    st.WorkingSide.AlarmMode = 0;
    ModConfig::CommitToSaved(st);
    EXPECT_EQ(st.SavedConfiguration.RadioInfo.ModelCode.text(), "ZR750");
    EXPECT_EQ(st.SavedConfiguration.RadioInfo.BandNumber, 8);
    EXPECT_EQ(st.SavedConfiguration.Channels[100].ChannelNo, 99);
    EXPECT_EQ(st.SavedSide.AlarmMode, 0);

    st.WorkingConfiguration.ChannelCount = 0;
    useBand(st, "ZR750G", "400 - 480 MHz");
    st.WorkingSide.AlarmMode = 1;
    ModConfig::RestoreFromSaved(st);
    EXPECT_EQ(st.WorkingConfiguration, st.SavedConfiguration);
    EXPECT_EQ(st.WorkingSide.AlarmMode, 0);
    EXPECT_EQ(st.model.CurrentModelCode, "ZR750");
    EXPECT_EQ(st.model.CurrentBandText, "136 - 174 MHz");
    EXPECT_EQ(st.model.BandLow, 136);
    EXPECT_EQ(st.model.BandHigh, 174);
    EXPECT_EQ(st.Details.DetailBand, 8);
}

TEST(Configuration, MergeDefaultsTakesOnlyFeaturesFmAndTestFrequencies)
{
    NoInitFolder s;
    mk21::AppState& st = s.state;
    ModConfig::NewConfiguration(st);
    const mk21::RadioConfiguration before = st.WorkingConfiguration;
    const mk21::ExtraTestFrequencies extraBefore = st.ExtraTestFreqs;

    mk21::RadioConfiguration defaults = before;
    defaults.ChannelCount = 0;
    defaults.RadioInfo.BandNumber = 9;
    defaults.Features.OptionalFeatures.SquelchLevel = 5;
    defaults.FmChannels[0].FmEmpty = 0;
    defaults.FmChannels[0].FmFreq = "08800000";
    defaults.TestFrequencies[10].TestFreqA = "43000000";
    st.SavedConfiguration = defaults;
    st.WorkingSide.AlarmMode = 0;
    st.SavedSide.AlarmMode = 1;

    ModConfig::MergeDefaults(st);
    const mk21::RadioConfiguration& w = st.WorkingConfiguration;
    EXPECT_EQ(w.ChannelCount, before.ChannelCount);
    EXPECT_EQ(w.Channels, before.Channels);
    EXPECT_EQ(w.RadioInfo, before.RadioInfo);
    EXPECT_EQ(w.Features.OptionalFeatures.SquelchLevel, 5);
    EXPECT_EQ(w.FmChannels[0].FmFreq.text(), "08800000");
    EXPECT_EQ(w.TestFrequencies[10].TestFreqA.text(), "43000000");
    EXPECT_EQ(st.ExtraTestFreqs, extraBefore);
    EXPECT_EQ(st.SavedSide.AlarmMode, 0); // the working side record wins
    EXPECT_EQ(st.SavedConfiguration.Features, w.Features);
}

TEST(FixedText, PadsCutsAndTrims)
{
    mk21::FixedText<7> t;
    t = "ZR750G";
    EXPECT_EQ(t.raw(), "ZR750G ");
    t = "ABCDEFGHIJ";
    EXPECT_EQ(t.raw(), "ABCDEFG");
    t.clear();
    EXPECT_EQ(t.text(), "");
    t.bytes() = {'A', 'B', '\0', 'X', ' ', ' ', ' '};
    EXPECT_EQ(t.text(), "AB");
    t = QStringLiteral("中文"); // outside one byte: stored as '?', never overrunning
    EXPECT_EQ(t.text(), "??");
}

TEST(Configuration, ANewDocumentStartsUnchangedForEveryModelAndBand)
{
    for (const char* model : {"ZR750", "ZR750G"}) {
        for (const QString& band : mk21::ModelBandTable::BandTexts()) {
            StagedState s; // with the shipped init folder: exact init files and defaults files alike
            s.state.model.CurrentModelCode = model;
            s.state.model.CurrentBandText = band;
            mk21::ModFun::ParseBandRange(s.state.model);
            ModConfig::NewConfiguration(s.state);
            EXPECT_FALSE(mk21::ModDocument::IsConfigurationChanged(s.state))
                << model << " " << band.toStdString();
            EXPECT_EQ(s.state.WorkingConfiguration.RadioInfo.BandNumber,
                      mk21::ModelBandTable::BandNumberOfText(band));
        }
    }
}
