#include "data/ConfigurationState.h"

#include "base/TextOps.h"

namespace mk21::ModFun {

void ParseBandRange(ModelBand& model)
{
    model.BandLow = ToNumber(model.CurrentBandText.mid(0, 3));
    model.BandHigh = ToNumber(model.CurrentBandText.mid(6, 3));
}

} // namespace mk21::ModFun
