#include "features/ChannelChoices.h"

#include "base/ListRules.h"
#include "channels/ChannelList.h"
#include "data/ConfigurationState.h"

namespace mk21::ChannelChoices {

namespace {
QStringList Texts(const QList<int>& numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts.append(QString::number(n));
    return texts;
}

template <class Record> const Record& RecordOf(const ConfigurationState& s, const StoredPair<Record>& pair)
{
    return s.WorkingConfiguration.Features.*pair.record;
}
template <class Record> Record& RecordOf(ConfigurationState& s, const StoredPair<Record>& pair)
{
    return s.WorkingConfiguration.Features.*pair.record;
}
} // namespace

QStringList Groups(const ConfigurationState& state)
{
    return Texts(ModCHEdit::GroupsInUse(state.WorkingConfiguration));
}

QStringList Positions(const ConfigurationState& state, int group)
{
    return Texts(ModCHEdit::PositionsInGroup(state.WorkingConfiguration, group));
}

int NumberShown(const QStringList& entries, int position)
{
    if (ListRules::NotInList(entries, position))
        return 0;
    bool numeric = false;
    const int number = entries.at(position).toInt(&numeric);
    return numeric ? number : 0;
}

template <class Record>
Editor::List GroupList(const QString& name, const QString& positionList, StoredPair<Record> pair)
{
    Editor::List list;
    list.name = name;
    list.fill = Groups;
    list.shown = [pair](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByText(entries, QString::number(RecordOf(s, pair).*pair.group));
    };
    list.store = [pair](ConfigurationState& s, const QStringList& entries, int position) {
        RecordOf(s, pair).*pair.group = static_cast<Byte>(NumberShown(entries, position));
    };
    list.dependents = {positionList};
    list.storesNothingShown = true;
    return list;
}

template <class Record> Editor::List PositionList(const QString& name, StoredPair<Record> pair)
{
    Editor::List list;
    list.name = name;
    list.fill = [pair](const ConfigurationState& s) { return Positions(s, RecordOf(s, pair).*pair.group); };
    list.shown = [pair](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByText(entries, QString::number(RecordOf(s, pair).*pair.position));
    };
    list.store = [pair](ConfigurationState& s, const QStringList& entries, int position) {
        RecordOf(s, pair).*pair.position = static_cast<Byte>(NumberShown(entries, position));
    };
    return list;
}

template Editor::List GroupList(const QString&, const QString&, StoredPair<ScanSettingsRecord>);
template Editor::List GroupList(const QString&, const QString&, StoredPair<AlertSettingsRecord>);
template Editor::List PositionList(const QString&, StoredPair<ScanSettingsRecord>);
template Editor::List PositionList(const QString&, StoredPair<AlertSettingsRecord>);

} // namespace mk21::ChannelChoices
