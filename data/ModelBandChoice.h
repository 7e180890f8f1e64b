#pragma once

#include <QString>

namespace mk21 {

class ConfigurationState;
struct ModelBand;

// The model window's decision, apart from the window: model by display name, band by text.
namespace ModelBandChoice {

// True when the display name is not that of the current model or the band text is not current.
bool Differs(const ModelBand& model, const QString& displayName, const QString& bandText);

// Makes them current: the record's RadioInfo, the information band and the band limits follow.
// The configuration itself is rebuilt by the new document that must follow.
void Apply(ConfigurationState& state, const QString& displayName, const QString& bandText);

} // namespace ModelBandChoice
} // namespace mk21
