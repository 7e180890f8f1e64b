#pragma once

#include "base/RunContext.h"
#include "data/RadioConfiguration.h"

#include <QString>

#include <array>

namespace mk21 {

// The current model and band; RadioInfo of the record is their copy.
struct ModelBand {
    QString CurrentModelCode = QStringLiteral("ZR750G");
    QString CurrentBandText = QStringLiteral("400 - 480 MHz");
    double BandLow = 400;
    double BandHigh = 480;
};

namespace ModFun {
// Band limits from the current band text ("400 - 480 MHz": characters 1..3 and 7..9).
void ParseBandRange(ModelBand& model);
} // namespace ModFun

inline constexpr int RadioImageSize = 2832;
inline constexpr int InfoAreaSize = 496;

// The configuration being edited with the records beside it: what the codecs, the data files and
// the model and band operations work on.
class ConfigurationState : public RunContext {
public:
    using RunContext::RunContext;

    ModelBand model;

    RadioConfiguration WorkingConfiguration;
    RadioConfiguration SavedConfiguration;
    SideRecord WorkingSide;
    SideRecord SavedSide;
    ExtraTestFrequencies ExtraTestFreqs{};
    RadioDetails Details;

    std::array<Byte, RadioImageSize> RadioImage{};
    std::array<Byte, InfoAreaSize> InfoArea{};
    std::array<Byte, 4> CurCapFlags{}; // CurCapFlag3, CurCapFlag2, CurCapFlag1, CurCapFlag0

protected:
    ~ConfigurationState() = default;
};

} // namespace mk21
