#include "tools/ctl/Listing.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/ChannelTableTexts.h"
#include "channels/ChannelList.h"
#include "channels/ChannelListTexts.h"
#include "data/FrequencyCodec.h"
#include "data/ModelBand.h"
#include "data/ToneList.h"

#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace mk21::ctl {

namespace {

using Field = std::pair<const char*, int>;

void listFields(QTextStream& out, const char* title, std::initializer_list<Field> fields)
{
    out << title << ":\n";
    for (const auto& [name, value] : fields)
        out << "  " << name << " = " << value << '\n';
}

QString shownFrequency(AppState& state, const QString& stored)
{
    const QString shown = ModShowFreFun::ShowFre(state, stored);
    return shown.isEmpty() ? QStringLiteral("-") : shown;
}

// Rows of cells, each column padded to its widest cell.
void writeColumns(QTextStream& out, const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c >= widths.size())
                widths.append(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype c = 0; c < row.size(); ++c)
            cells.append(row[c].leftJustified(widths[c]));
        out << "  " << cells.join(QStringLiteral("  ")).trimmed() << '\n';
    }
}

// The channel table's columns with its headers and list texts, then the fields it does not show.
QStringList channelHeader(AppState& state)
{
    QStringList header{QStringLiteral("pos")};
    for (int number : {Texts::ChannelTable::ChannelHeader, Texts::ChannelTable::ReceiveHeader,
                       Texts::ChannelTable::TransmitHeader, Texts::ChannelTable::ReceiveToneHeader,
                       Texts::ChannelTable::TransmitToneHeader, Texts::ChannelTable::PowerHeader,
                       Texts::ChannelTable::ScanHeader, Texts::ChannelTable::SignalHeader,
                       Texts::ChannelTable::SpacingHeader})
        header.append(GetLangText(state, number));
    header << QStringLiteral("busy") << QStringLiteral("pttid") << QStringLiteral("dial1")
           << QStringLiteral("dial2") << QStringLiteral("flags");
    return header;
}

QStringList channelRow(AppState& state, int position, const ChannelRecord& ch)
{
    const QString noTone = GetLangText(state, Texts::ChannelTable::NoneEntry);
    QStringList flags;
    const std::initializer_list<Field> switches = {
        {"txinhibit", ch.TxInhibit},   {"revtalk", ch.RevTalkSelect},   {"encrypt", ch.Encryption},
        {"talkaround", ch.Talkaround}, {"relation", ch.SignalRelation}, {"whisper", ch.Whisper},
        {"compander", ch.Compander},   {"reverse", ch.Reverse}};
    for (const auto& [name, value] : switches) {
        if (value != 0)
            flags << QString::fromLatin1(name);
    }
    return {QString::number(position),
            QString::number(ch.ChannelNo),
            shownFrequency(state, ch.RxFreq.raw()),
            ModShowFreFun::GridTxText(state, ch.RxFreq.raw(), ch.Offset.raw(), ch.OffsetDir, false),
            ToneList::ToneText(ch.DecodeTone, noTone),
            ToneList::ToneText(ch.EncodeTone, noTone),
            ModCHEdit::ListText(state, ModCHEdit::PowerTexts, ch.TxPower),
            ModCHEdit::ListText(state, ModCHEdit::ScanTexts, ch.ScanSkip),
            ModCHEdit::ListText(state, ModCHEdit::SignallingTexts, ch.OptSignal),
            ModCHEdit::ListText(state, ModCHEdit::SpacingTexts, ch.Bandwidth),
            QString::number(ch.BusyLock),
            QString::number(ch.PttId),
            QString::number(ch.AutoDial1),
            QString::number(ch.AutoDial2),
            flags.isEmpty() ? QStringLiteral("-") : flags.join(u',')};
}

void listChannels(QTextStream& out, AppState& state)
{
    const RadioConfiguration& config = state.WorkingConfiguration;
    out << "Channels: " << ModCHEdit::UsedChannels(config) << '\n';
    for (int group = 0; group < 8; ++group) {
        QList<QStringList> rows{channelHeader(state)};
        for (int position = 1; position <= 16; ++position) {
            const std::optional<int> index = ModCHEdit::FindChannel(config, group * 16 + position);
            if (index)
                rows.append(channelRow(state, position, config.Channels[static_cast<std::size_t>(*index)]));
        }
        if (rows.size() == 1)
            continue;
        out << "Group " << group + 1 << '\n';
        writeColumns(out, rows);
    }
}

QString dtmfCodeText(const DtmfCode& code)
{
    return QStringLiteral("%1 (length %2)")
        .arg(code.Digits.text().left(code.Length), QString::number(code.Length));
}

void listDtmf(QTextStream& out, const DtmfSettings& d)
{
    listFields(out, "DTMF",
               {{"DtmfRate", d.DtmfRate},
                {"FirstDigitTime", d.FirstDigitTime},
                {"FirstDigitDelay", d.FirstDigitDelay},
                {"StarHashTime", d.StarHashTime},
                {"DKeySetting", d.DKeySetting},
                {"SideTone", d.SideTone},
                {"CallAlertMode", d.CallAlertMode},
                {"GroupCode", d.GroupCode},
                {"AutoResetTime", d.AutoResetTime},
                {"IdLength", d.IdLength}});
    out << "  IdCode = " << d.IdCode.text() << '\n'
        << "  BotCode = " << dtmfCodeText(d.BotCode) << '\n'
        << "  EotCode = " << dtmfCodeText(d.EotCode) << '\n'
        << "  StunCode = " << dtmfCodeText(d.StunCode) << '\n'
        << "  KillCode = " << dtmfCodeText(d.KillCode) << '\n';
    for (std::size_t m = 0; m < d.DtmfMemory.size(); ++m)
        out << "  DtmfMemory " << m + 1 << " = " << dtmfCodeText(d.DtmfMemory[m]) << '\n';
}

void listFeatures(QTextStream& out, const FeatureSettings& f)
{
    const OptionalFeatureSettings& o = f.OptionalFeatures;
    listFields(out, "Optional features",
               {{"SquelchLevel", o.SquelchLevel},
                {"VoicePrompt", o.VoicePrompt},
                {"VoiceVolume", o.VoiceVolume},
                {"TailElimMode", o.TailElimMode},
                {"BatterySave", o.BatterySave},
                {"VoxOn", o.VoxOn},
                {"VoxTone", o.VoxTone},
                {"ChannelLock", o.ChannelLock},
                {"GroupSelect", o.GroupSelect},
                {"TotPreAlert", o.TotPreAlert},
                {"WiredClone", o.WiredClone},
                {"NoSigTailElim", o.NoSigTailElim},
                {"TotTime", o.TotTime},
                {"TotRekey", o.TotRekey},
                {"TotReset", o.TotReset},
                {"VoxLevel", o.VoxLevel},
                {"VoxDelay", o.VoxDelay},
                {"ChannelGroup", o.ChannelGroup}});
    listDtmf(out, f.Dtmf);
    out << "Embedded message:\n";
    for (const FixedText<16>& line : f.MessageLines)
        out << "  \"" << line.text() << "\"\n";
    const KeySettingsRecord& k = f.KeySettings;
    listFields(out, "Keys",
               {{"LongPressTime", k.LongPressTime},
                {"EmgLongPressTime", k.EmgLongPressTime},
                {"Pf1Long", k.Pf1Long},
                {"Pf1Short", k.Pf1Short},
                {"Pf2Long", k.Pf2Long},
                {"Pf2Short", k.Pf2Short}});
    const AlertSettingsRecord& a = f.AlertSettings;
    listFields(out, "Alert",
               {{"EmgAlarmType", a.EmgAlarmType},
                {"EmgIdType", a.EmgIdType},
                {"EmgIdMemory", a.EmgIdMemory},
                {"AlarmTime", a.AlarmTime},
                {"AlarmTxTime", a.AlarmTxTime},
                {"AlarmRxTime", a.AlarmRxTime},
                {"EmgChannelSelect", a.EmgChannelSelect},
                {"EmgGroup", a.EmgGroup},
                {"EmgChannel", a.EmgChannel},
                {"AlarmCycles", a.AlarmCycles}});
    const ScanSettingsRecord& s = f.ScanSettings;
    listFields(out, "Scan",
               {{"ScanMode", s.ScanMode},
                {"PriorityMode", s.PriorityMode},
                {"RevertChannel", s.RevertChannel},
                {"LookBackTimeA", s.LookBackTimeA},
                {"LookBackTimeB", s.LookBackTimeB},
                {"RxResumeDelay", s.RxResumeDelay},
                {"TxResumeDelay", s.TxResumeDelay},
                {"ScanEntryTone", s.ScanEntryTone},
                {"Pri1Group", s.Pri1Group},
                {"Pri1Channel", s.Pri1Channel},
                {"Pri2Group", s.Pri2Group},
                {"Pri2Channel", s.Pri2Channel}});
}

void listTestFrequency(QTextStream& out, AppState& state, int number, const TestFrequencyRecord& test)
{
    out << "  " << number << ": " << shownFrequency(state, test.TestFreqB.text()) << "  "
        << shownFrequency(state, test.TestFreqA.text()) << '\n';
}

} // namespace

QString ConfigurationListing(AppState& state, bool withExtraTestFrequencies)
{
    QString text;
    QTextStream out(&text);
    const RadioConfiguration& config = state.WorkingConfiguration;
    const QString model = config.RadioInfo.ModelCode.text();
    out << "Model: " << ModelBandTable::DisplayNameOfModelCode(model) << " (" << model << ")\n"
        << "Band: " << config.RadioInfo.BandNumber << " ("
        << ModelBandTable::BandTextOfNumber(config.RadioInfo.BandNumber) << ")\n";
    listChannels(out, state);
    listFeatures(out, config.Features);
    out << "Alarm mode: " << state.WorkingSide.AlarmMode << '\n' << "FM memories:\n";
    for (std::size_t i = 0; i < config.FmChannels.size(); ++i) {
        const FmChannelRecord& fm = config.FmChannels[i];
        out << "  " << i + 1 << ": " << (fm.FmEmpty != 0 ? QStringLiteral("-") : fm.FmFreq.text()) << '\n';
    }
    out << "Test frequencies:\n";
    int number = 1;
    for (const TestFrequencyRecord& test : config.TestFrequencies)
        listTestFrequency(out, state, number++, test);
    if (withExtraTestFrequencies) {
        for (const TestFrequencyRecord& test : state.ExtraTestFreqs)
            listTestFrequency(out, state, number++, test);
    }
    out.flush();
    return text;
}

} // namespace mk21::ctl
