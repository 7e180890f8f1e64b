#pragma once

namespace mk21 {

class ConfigurationState;

// The codec between the working configuration (with the records beside it) and the byte mirrors
// of the radio's memory, RadioImage and InfoArea. Any byte pattern decodes to a configuration whose
// fields lie in their ranges, and no record content makes the encoder write outside the image.
namespace ModImage {

// Fills RadioImage with 0xFF, except during a radio information read, which must not disturb it.
void PrefillImage(ConfigurationState& state, bool radioInfoRead);

// WorkingConfiguration, ExtraTestFreqs and the working side record -> RadioImage (prefilled by
// the caller). Stores the current model and band into RadioInfo first.
void EncodeImage(ConfigurationState& state);

// RadioImage -> channel list, test frequencies, RadioInfo (then applied as the current model and
// band), feature settings and AlarmMode; then the capability flags of the radio.
void DecodeImage(ConfigurationState& state);

// Whether RadioImage's identity area holds one of the two model codes and a band of the band
// table: what tells an image of these radios from any other file of the same length.
bool HasKnownIdentity(const ConfigurationState& state);

// InfoArea -> the text fields of RadioDetails.
void DecodeRadioDetails(ConfigurationState& state);

} // namespace ModImage
} // namespace mk21
