#include "features/AlertEditor.h"

#include "base/LanguageTexts.h"
#include "base/ListRules.h"
#include "base/texts/AlertTexts.h"
#include "base/texts/ScanTexts.h"
#include "data/ConfigurationState.h"
#include "features/ChannelChoices.h"
#include "features/DtmfEditor.h"
#include "features/EditorEntries.h"

namespace mk21::AlertEditor {

namespace {

namespace T = Texts::Alert;
using Alert = AlertSettingsRecord;
using EditorEntries::Indexed;

constexpr int IdTypeMemory = 1;

Alert& AlertOf(ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.AlertSettings;
}
const Alert& AlertOf(const ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.AlertSettings;
}

// The enabling rules: the alarm function off greys every other list; the alarm type decides
// between the alarm time and the identification and transmit/receive times; the emergency
// channel is chosen only while the channel selection uses it.
bool AlarmOn(const ConfigurationState& s)
{
    return s.WorkingSide.AlarmMode != 0;
}
bool LocalAlarm(const ConfigurationState& s)
{
    return AlarmOn(s) && AlertOf(s).EmgAlarmType == 0;
}
bool RemoteAlarm(const ConfigurationState& s)
{
    return AlarmOn(s) && AlertOf(s).EmgAlarmType != 0;
}
bool EmergencyChannelUsed(const ConfigurationState& s)
{
    return AlarmOn(s) && AlertOf(s).EmgChannelSelect == 0;
}

// A list whose position is the stored value less `first`.
Editor::List IndexList(int index, QStringList entries, Byte Alert::*field, int first = 0)
{
    Editor::List list = Editor::Labelled(Indexed("Combo1", index), Indexed("Label1", index),
                                         T::LabelBase + index, std::move(entries));
    list.enabled = AlarmOn;
    list.shown = [field, first](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByIndex(entries, AlertOf(s).*field - first);
    };
    list.store = [field, first](ConfigurationState& s, const QStringList&, int position) {
        AlertOf(s).*field = static_cast<Byte>(position + first);
    };
    return list;
}

QStringList MemoryEntriesNow(const ConfigurationState& s)
{
    if (AlertOf(s).EmgIdType != IdTypeMemory)
        return {};
    return FilledMemoryEntries(s.WorkingConfiguration.Features.Dtmf);
}

int MemoryShown(const ConfigurationState& s, const QStringList& entries)
{
    return ListRules::SelectedByText(entries, QStringLiteral("M%1").arg(AlertOf(s).EmgIdMemory));
}

Byte MemoryNumber(const QStringList& entries, int position)
{
    return ListRules::NotInList(entries, position) ? 0
                                                   : static_cast<Byte>(entries.at(position).mid(1).toInt());
}

} // namespace

QStringList FilledMemoryEntries(const DtmfSettings& dtmf)
{
    QStringList entries;
    for (int n : DtmfEditor::FilledMemories(dtmf))
        entries.append(QStringLiteral("M%1").arg(n));
    return entries;
}

Editor::Model Describe(ConfigurationState& state)
{
    using EditorEntries::LangTexts;
    using EditorEntries::Numbers;
    Editor::Model model{FormName, T::Title};

    Editor::List type = IndexList(
        0, LangTexts(state, {T::LocalAlarm, T::SilentRemoteAlarm, T::RemoteAlarmSiren, T::RemoteAlarmVoice}),
        &Alert::EmgAlarmType);
    model.lists.push_back(std::move(type));

    // The identification type decides whether the memory list offers anything; choosing it
    // stores the memory the list then shows (0 for none).
    Editor::List idType = IndexList(1, LangTexts(state, {T::IdNone, T::IdDtmfCode}), &Alert::EmgIdType);
    idType.enabled = RemoteAlarm;
    idType.store = [](ConfigurationState& s, const QStringList&, int position) {
        AlertOf(s).EmgIdType = static_cast<Byte>(position);
        const QStringList memories = MemoryEntriesNow(s);
        AlertOf(s).EmgIdMemory = MemoryNumber(memories, MemoryShown(s, memories));
    };
    idType.dependents = {MemoryList};
    model.lists.push_back(std::move(idType));

    Editor::List memory = Editor::Labelled(MemoryList, Indexed("Label1", 2), T::LabelBase + 2, {});
    memory.shown = MemoryShown;
    memory.enabled = RemoteAlarm;
    memory.fill = MemoryEntriesNow;
    memory.store = [](ConfigurationState& s, const QStringList& entries, int position) {
        AlertOf(s).EmgIdMemory = AlertOf(s).EmgIdType == IdTypeMemory ? MemoryNumber(entries, position) : 0;
    };
    model.lists.push_back(std::move(memory));

    const QStringList seconds = Numbers(1, 255);
    Editor::List alarmTime = IndexList(3, seconds, &Alert::AlarmTime, 1);
    alarmTime.enabled = LocalAlarm;
    model.lists.push_back(std::move(alarmTime));
    for (auto [index, field] : {std::pair{4, &Alert::AlarmTxTime}, std::pair{5, &Alert::AlarmRxTime}}) {
        Editor::List time = IndexList(index, seconds, field, 1);
        time.enabled = RemoteAlarm;
        model.lists.push_back(std::move(time));
    }

    model.lists.push_back(
        IndexList(6, LangTexts(state, {T::EmergencyChannel, T::CurrentChannel}), &Alert::EmgChannelSelect));

    const ChannelChoices::StoredPair<Alert> pair{&FeatureSettings::AlertSettings, &Alert::EmgGroup,
                                                 &Alert::EmgChannel};
    for (Editor::List list : {ChannelChoices::GroupList(ChannelList, Indexed("Combo1", 8), pair),
                              ChannelChoices::PositionList(Indexed("Combo1", 8), pair)}) {
        const int index = list.name == ChannelList ? 7 : 8;
        list.label = Indexed("Label1", index);
        list.labelText = T::LabelBase + index;
        list.enabled = EmergencyChannelUsed;
        model.lists.push_back(std::move(list));
    }

    model.lists.push_back(
        IndexList(9, LangTexts(state, {T::Continuous}) + Numbers(1, 255), &Alert::AlarmCycles));

    // The alarm function lives in the side record, beside the data file; shown last.
    Editor::List mode = Editor::Labelled(Indexed("Combo1", 10), Indexed("Label1", 10), T::LabelBase + 10,
                                         LangTexts(state, {Texts::Scan::Off, Texts::Scan::On}));
    mode.shown = [](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByIndex(entries, s.WorkingSide.AlarmMode);
    };
    mode.store = [](ConfigurationState& s, const QStringList&, int position) {
        s.WorkingSide.AlarmMode = static_cast<Byte>(position);
    };
    model.lists.push_back(std::move(mode));
    return model;
}

} // namespace mk21::AlertEditor
