#pragma once

#include "base/FixedText.h"
#include "base/StoredTypes.h"

#include <QString>

#include <array>
#include <cstdint>

namespace mk21 {

inline constexpr int MaxChannels = 128;
inline constexpr int FmChannelCount = 20;
inline constexpr int TestFrequencyCount = 11;
inline constexpr int ExtraTestFrequencyCount = 5;
inline constexpr int DtmfMemoryCount = 16;

// One entry of the channel list; the transmit frequency is derived from RxFreq, Offset and OffsetDir.
struct ChannelRecord {
    Integer ChannelNo = 0;
    Integer ChannelVoid = 0;
    FixedText<8> RxFreq;
    Byte OffsetDir = 0;
    FixedText<7> Offset;
    Integer DecodeTone = 0;
    Integer EncodeTone = 0;
    Integer RxStepCode = 0;
    Integer TxStepCode = 0;
    Integer TxInhibit = 0;
    Integer RevTalkSelect = 0;
    Integer Encryption = 0;
    Integer BusyLock = 0;
    Integer Talkaround = 0;
    Integer SignalRelation = 0;
    Integer Whisper = 0;
    Integer PttId = 0;
    Integer Bandwidth = 0;
    Integer OptSignal = 0;
    Integer Compander = 0;
    Integer Reverse = 0;
    Integer TxPower = 0;
    Integer AutoDial1 = 0;
    Integer AutoDial2 = 0;
    Integer ScanSkip = 0;

    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

// An FM broadcast memory; FmEmpty 1 means no frequency is stored.
struct FmChannelRecord {
    Integer FmEmpty = 1;
    FixedText<8> FmFreq;

    friend bool operator==(const FmChannelRecord&, const FmChannelRecord&) = default;
};

// One test frequency pair, each an 8-digit text or "FFFFFFFF" for none.
struct TestFrequencyRecord {
    FixedText<8> TestFreqA;
    FixedText<8> TestFreqB;

    friend bool operator==(const TestFrequencyRecord&, const TestFrequencyRecord&) = default;
};

// The model and band a configuration belongs to.
struct RadioInfoRecord {
    FixedText<7> ModelCode;
    Integer BandNumber = 0;

    friend bool operator==(const RadioInfoRecord&, const RadioInfoRecord&) = default;
};

struct OptionalFeatureSettings {
    Integer SquelchLevel = 0;
    Integer VoicePrompt = 0;
    Integer VoiceVolume = 0;
    Integer TailElimMode = 0;
    Integer BatterySave = 0;
    Integer VoxOn = 0;
    Integer VoxTone = 0;
    Integer ChannelLock = 0;
    Integer GroupSelect = 0;
    Integer TotPreAlert = 0;
    Integer WiredClone = 0;
    Integer NoSigTailElim = 0;
    Integer TotTime = 0;
    Integer TotRekey = 0;
    Integer TotReset = 0;
    Integer VoxLevel = 0;
    Integer VoxDelay = 0;
    Integer ChannelGroup = 0;

    friend bool operator==(const OptionalFeatureSettings&, const OptionalFeatureSettings&) = default;
};

// A DTMF code: Length valid digits of Digits ("*" and "#" included).
struct DtmfCode {
    Integer Length = 0;
    FixedText<16> Digits;

    friend bool operator==(const DtmfCode&, const DtmfCode&) = default;
};

struct DtmfSettings {
    Integer DtmfRate = 0;
    Integer FirstDigitTime = 0;
    Integer FirstDigitDelay = 0;
    Integer StarHashTime = 0;
    Integer DKeySetting = 0;
    Integer SideTone = 0;
    Integer CallAlertMode = 0;
    Integer GroupCode = 0;
    Integer AutoResetTime = 0;
    FixedText<10> IdCode;
    Integer IdLength = 0;
    DtmfCode BotCode;
    DtmfCode EotCode;
    DtmfCode StunCode;
    DtmfCode KillCode;
    std::array<DtmfCode, DtmfMemoryCount> DtmfMemory{};

    friend bool operator==(const DtmfSettings&, const DtmfSettings&) = default;
};

struct KeySettingsRecord {
    Integer LongPressTime = 0;
    Integer EmgLongPressTime = 0;
    Integer Pf1Long = 0;
    Integer Pf1Short = 0;
    Integer Pf2Long = 0;
    Integer Pf2Short = 0;

    friend bool operator==(const KeySettingsRecord&, const KeySettingsRecord&) = default;
};

struct AlertSettingsRecord {
    Byte EmgAlarmType = 0;
    Byte EmgIdType = 0;
    Byte EmgIdMemory = 0;
    Byte AlarmTime = 0;
    Byte AlarmTxTime = 0;
    Byte AlarmRxTime = 0;
    Byte EmgChannelSelect = 0;
    Byte EmgGroup = 0;
    Byte EmgChannel = 0;
    Byte AlarmCycles = 0;

    friend bool operator==(const AlertSettingsRecord&, const AlertSettingsRecord&) = default;
};

struct ScanSettingsRecord {
    Byte ScanMode = 0;
    Byte PriorityMode = 0;
    Byte RevertChannel = 0;
    Byte LookBackTimeA = 0;
    Byte LookBackTimeB = 0;
    Byte RxResumeDelay = 0;
    Byte TxResumeDelay = 0;
    Byte ScanEntryTone = 0;
    Byte Pri1Group = 0;
    Byte Pri1Channel = 0;
    Byte Pri2Group = 0;
    Byte Pri2Channel = 0;

    friend bool operator==(const ScanSettingsRecord&, const ScanSettingsRecord&) = default;
};

struct FeatureSettings {
    OptionalFeatureSettings OptionalFeatures;
    DtmfSettings Dtmf;
    std::array<FixedText<16>, 4> MessageLines{};
    KeySettingsRecord KeySettings;
    AlertSettingsRecord AlertSettings;
    ScanSettingsRecord ScanSettings;

    friend bool operator==(const FeatureSettings&, const FeatureSettings&) = default;
};

// The complete set of settings of one radio, in the order the data file stores them.
struct RadioConfiguration {
    FixedText<4> DataVersion;
    Integer ChannelCount = 0;
    std::array<ChannelRecord, MaxChannels> Channels{};
    std::array<FmChannelRecord, FmChannelCount> FmChannels{};
    std::array<TestFrequencyRecord, TestFrequencyCount> TestFrequencies{};
    RadioInfoRecord RadioInfo;
    FeatureSettings Features;

    friend bool operator==(const RadioConfiguration&, const RadioConfiguration&) = default;
};

// The data version and the one alarm setting kept in the side file.
struct SideRecord {
    FixedText<4> SideVersion;
    Byte AlarmMode = 0;

    friend bool operator==(const SideRecord&, const SideRecord&) = default;
};

using ExtraTestFrequencies = std::array<TestFrequencyRecord, ExtraTestFrequencyCount>;

// The radio information area as the radio information window shows it.
struct RadioDetails {
    Integer DetailBand = 0;
    FixedText<16> DetailSpare;
    FixedText<16> SerialNumber;
    FixedText<16> ProductionDate;
    FixedText<16> RepairDate;
    FixedText<96> RepairReason;
    QString VersionInfo;
    QString DetailModel;
    QString SalesAreaCode;
    FixedText<8> BatchNumber;
    FixedText<4> CustomerCode;
    FixedText<16> DealerCode;
    FixedText<16> StockInDate;
    FixedText<16> SalesDate;
    FixedText<16> HandledBy;

    friend bool operator==(const RadioDetails&, const RadioDetails&) = default;
};

} // namespace mk21
