#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

#include <QString>
#include <QStringList>

namespace mk21 {

class ConfigurationState;

// The group and position lists by which the scan and alert windows refer to existing channels.
namespace ChannelChoices {

// The group list: the groups that hold channels, ascending.
QStringList Groups(const ConfigurationState& state);
// The positions of the channels of `group`, ascending; none for group 0.
QStringList Positions(const ConfigurationState& state, int group);
// The number an entry shows; 0 for no entry or one that is no number.
int NumberShown(const QStringList& entries, int position);

// A stored (group, position) pair of the feature settings (the priority and emergency channels).
template <class Record> struct StoredPair {
    Record FeatureSettings::*record;
    Byte Record::*group;
    Byte Record::*position;
};

// A group list and the position list beside it, over a stored pair: the group list shows the
// stored group (else the first; with no groups nothing, storing 0), and a choice of group fills
// the position list anew, which shows the stored position (else the first).
template <class Record>
Editor::List GroupList(const QString& name, const QString& positionList, StoredPair<Record> pair);
template <class Record> Editor::List PositionList(const QString& name, StoredPair<Record> pair);

} // namespace ChannelChoices
} // namespace mk21
