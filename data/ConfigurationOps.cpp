#include "data/ConfigurationOps.h"

#include "data/ConfigurationState.h"
#include "data/ModelBand.h"

#include <QLocale>

namespace mk21::ModConfig {

void StoreModelBand(ConfigurationState& state)
{
    state.WorkingConfiguration.RadioInfo.ModelCode = state.model.CurrentModelCode;
    state.WorkingConfiguration.RadioInfo.BandNumber =
        static_cast<Integer>(ModelBandTable::BandNumberOfText(state.model.CurrentBandText));
}

void ApplyModelBand(ConfigurationState& state)
{
    const RadioInfoRecord& info = state.WorkingConfiguration.RadioInfo;
    state.model.CurrentModelCode = info.ModelCode.text();
    state.model.CurrentBandText = ModelBandTable::BandTextOfNumber(info.BandNumber);
    state.Details.DetailBand = info.BandNumber;
    ModFun::ParseBandRange(state.model);
}

void CommitToSaved(ConfigurationState& state)
{
    state.SavedSide = state.WorkingSide;
    StoreModelBand(state);
    state.SavedConfiguration = state.WorkingConfiguration;
}

void RestoreFromSaved(ConfigurationState& state)
{
    state.WorkingSide = state.SavedSide;
    state.WorkingConfiguration = state.SavedConfiguration;
    ApplyModelBand(state);
}

void MergeDefaults(ConfigurationState& state)
{
    state.SavedSide = state.WorkingSide;
    StoreModelBand(state);
    RadioConfiguration& working = state.WorkingConfiguration;
    working.Features = state.SavedConfiguration.Features;
    working.FmChannels = state.SavedConfiguration.FmChannels;
    working.TestFrequencies = state.SavedConfiguration.TestFrequencies;
    state.SavedConfiguration.Features = working.Features;
}

namespace {

void resetFeatures(FeatureSettings& features)
{
    features.KeySettings = KeySettingsRecord{};
    features.KeySettings.LongPressTime = 10;
    features.KeySettings.EmgLongPressTime = 10;
    features.AlertSettings = AlertSettingsRecord{};
    features.ScanSettings = ScanSettingsRecord{};
    features.OptionalFeatures = OptionalFeatureSettings{};
    features.OptionalFeatures.VoicePrompt = 1;
    features.OptionalFeatures.TailElimMode = 3;
    for (FixedText<16>& line : features.MessageLines)
        line.clear();

    DtmfSettings& dtmf = features.Dtmf;
    dtmf = DtmfSettings{};
    dtmf.IdCode = "000";
    dtmf.IdLength = 3;
    for (DtmfCode* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode}) {
        code->Length = 0;
        code->Digits.clear();
    }
    for (DtmfCode& code : dtmf.DtmfMemory) {
        code.Length = 0;
        code.Digits.clear();
    }
}

void resetFrequencies(ConfigurationState& state)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    for (FmChannelRecord& fm : config.FmChannels) {
        fm.FmEmpty = 1;
        fm.FmFreq.clear();
    }
    for (TestFrequencyRecord& test : config.TestFrequencies) {
        test.TestFreqA.clear();
        test.TestFreqB.clear();
    }
    config.TestFrequencies[0].TestFreqA = "43510000";
    config.TestFrequencies[0].TestFreqB = "43510000";

    // Test frequencies 12..16 as (TestFreqB, TestFreqA).
    static constexpr const char* extra[ExtraTestFrequencyCount][2] = {{"40010000", "40000000"},
                                                                      {"42060000", "42050000"},
                                                                      {"44010000", "44000000"},
                                                                      {"46060000", "47050000"},
                                                                      {"47990000", "48000000"}};
    for (int i = 0; i < ExtraTestFrequencyCount; ++i) {
        state.ExtraTestFreqs[i].TestFreqB = extra[i][0];
        state.ExtraTestFreqs[i].TestFreqA = extra[i][1];
    }
}

void resetDetails(ConfigurationState& state, const QDate& today)
{
    RadioDetails& details = state.Details;
    const QString date = QLocale::system().toString(today, QLocale::ShortFormat);
    details.DetailBand = state.WorkingConfiguration.RadioInfo.BandNumber;
    details.DetailSpare.clear();
    details.SerialNumber.clear();
    details.RepairReason.clear();
    details.DealerCode.clear();
    details.HandledBy.clear();
    details.ProductionDate = date;
    details.RepairDate = date;
    details.StockInDate = date;
    details.SalesDate = date;
    details.VersionInfo = QStringLiteral("V2.00");
    details.SalesAreaCode = QStringLiteral("0595");
    details.DetailModel = state.WorkingConfiguration.RadioInfo.ModelCode.text();
    details.BatchNumber = QStringLiteral("%1-1-E-1").arg(today.month(), 2, 10, QLatin1Char('0'));
    details.CustomerCode = "001A";
}

} // namespace

void ResetToDefaults(ConfigurationState& state, const QDate& today)
{
    RadioConfiguration& config = state.WorkingConfiguration;
    resetFeatures(config.Features);

    config.Channels.fill(ChannelRecord{});
    config.ChannelCount = 0;

    resetFrequencies(state);
    StoreModelBand(state);
    resetDetails(state, today);
    state.WorkingSide.SideVersion = ReleaseTag;
    state.WorkingSide.AlarmMode = 1;
}

} // namespace mk21::ModConfig
