#pragma once

#include "data/RadioConfiguration.h"

#include <QString>

namespace mk21 {

class ConfigurationState;

// Conversions between typed, displayed and stored frequencies and offsets, the clamp into the
// current band and the alignment to the channel-step grids. Stateless: the band limits, the
// offset display mode and the prompter come from the application state passed in.
namespace ModShowFreFun {

// "#0.00000" with "." as decimal separator.
QString FormatFre(double mhz);

// Typed frequency text -> 8-digit stored form ("" for ""); a non-numeric text stands for bandLow.
QString GetFreData(const QString& text, double bandLow);

// Stored frequency -> display text; "" and "FFFFFFFF" give "". A stored text that is not numeric
// shows "Not IsNumeric" and gives the lower band limit as a plain number.
QString ShowFre(ConfigurationState& state, const QString& stored);

// Stored offset and direction -> signed offset text (+5.00000, -0.60000, 0.00000).
QString ShowOffSet(const QString& storedOffset, int direction);

// The channel table's transmit column: the transmit frequency, or in offset mode the signed offset.
QString GridTxText(ConfigurationState& state, const QString& storedRx, const QString& storedOffset,
                   int direction, bool offsetMode);

// The edit window's transmit field (also the "unchanged value" test of the channel model).
QString EditTxText(ConfigurationState& state, const QString& storedRx, const QString& storedOffset,
                   int direction, bool offsetMode);

// A typed transmit frequency (or, in offset mode, signed offset) -> new stored offset; sets direction.
QString GetOffSetData(ConfigurationState& state, const QString& storedRx, const QString& typed,
                      bool offsetMode, const QString& storedOffset, Byte& direction);

// Clamps into [BandLow, BandHigh]; a value outside shows the warning Msg 9021 with the band and
// the value it was clamped to.
double LimitFre(ConfigurationState& state, double mhz);

// LimitFre of a numeric text, formatted; a non-numeric text warns and gives the lower limit.
QString LimitFreText(ConfigurationState& state, const QString& value);

// Aligns RxFreq and the transmit side of one channel to the 5 / 6.25 / 8.33 kHz grids and sets
// RxStepCode and TxStepCode.
void AdjustChStep(ConfigurationState& state, ChannelRecord& channel);

} // namespace ModShowFreFun
} // namespace mk21
