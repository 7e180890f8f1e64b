#include "data/ModelBandChoice.h"

#include "base/TextOps.h"
#include "data/ConfigurationOps.h"
#include "data/ConfigurationState.h"
#include "data/ModelBand.h"

namespace mk21::ModelBandChoice {

bool Differs(const ModelBand& model, const QString& displayName, const QString& bandText)
{
    return displayName != ModelBandTable::DisplayNameOfModelCode(model.CurrentModelCode) ||
           bandText != model.CurrentBandText;
}

void Apply(ConfigurationState& state, const QString& displayName, const QString& bandText)
{
    state.model.CurrentModelCode = ModelBandTable::ModelCodeOfDisplayName(displayName);
    state.model.CurrentBandText = bandText;
    ModConfig::StoreModelBand(state);
    state.Details.DetailBand = state.WorkingConfiguration.RadioInfo.BandNumber;
    ModFun::ParseBandRange(state.model);
}

} // namespace mk21::ModelBandChoice
