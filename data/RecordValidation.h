#pragma once

#include "data/RadioConfiguration.h"

#include <QString>
#include <QStringList>

namespace mk21 {

// The rules for records that come from outside (data files, init and defaults files): what makes
// a file unusable, and which values are brought into range. Everything else is kept byte for
// byte, so that a file this program wrote loads unchanged.
namespace ModRecordCheck {

// What makes a record unusable: a language text naming it, with its values.
struct ContentFault {
    int text = 0;
    QStringList args;
};

enum class Verdict {
    Accepted, // usable; values may have been brought into range
    Refused,  // the channel list or the model is broken: the file must not be loaded
};

// Refused: ChannelCount outside 0..128; a used entry numbered outside 1..128 or numbered like an
// earlier used entry, or whose receive frequency is neither empty, "FFFFFFFF" nor digits; a model
// code other than the two models; a band number without a row in the band table. `fault` then
// names the first such value ("channel count 129"). Otherwise every channel entry (free ones
// too) and the features are brought into range in place (see BringChannelIntoRange,
// BringFeaturesIntoRange).
Verdict CheckRecord(RadioConfiguration& config, struct ContentFault* fault = nullptr);

// Tones outside the tone list, an offset direction other than 0..2, DTMF memory numbers outside
// 0..16, and on/off or list fields wider than the radio's bit field for them become 0.
void BringChannelIntoRange(ChannelRecord& channel);

// DTMF code lengths outside 0..16 become 0. The other feature values are kept: the editors show
// a value outside their list as the list's first entry, and new configurations hold some.
void BringFeaturesIntoRange(FeatureSettings& features);

// AlarmMode other than 0 or 1 becomes 0 (the alert window shows such a value as off).
void BringSideIntoRange(SideRecord& side);

} // namespace ModRecordCheck
} // namespace mk21
