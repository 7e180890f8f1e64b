#pragma once

#include <QString>

namespace mk21 {

class ConfigurationState;

// The FM radio memories: twenty broadcast frequencies from 76 to 108 MHz on a 50 kHz grid, kept
// in the data file only (the radio image does not carry them).
namespace FmRadioEditor {

inline constexpr const char* FormName = "FrmRadio";
inline constexpr int Channels = 20;
// The editing box takes at most this many characters.
inline constexpr int BoxLength = 6;

// A typed frequency, limited to 76..108 MHz and put on the grid, as "000.00000"; "" stays "",
// and a text that is no number stands for 76.
QString CheckRadioFre(const QString& typed);
// A frequency in MHz moved onto the 50 kHz grid (hundredths rounded half to even first).
double StepRadio(double mhz);
// A normalised frequency in its stored form: the point dropped (088.10000 -> 08810000).
QString GetSaveRadioFreData(const QString& text);

// What the frequency cell of channel 1..20 shows.
QString CellText(ConfigurationState& state, int channel);
// Stores what was typed for channel 1..20 and returns what its cell shows now.
QString Commit(ConfigurationState& state, int channel, const QString& typed);
// Enter moves one row down, from the last back to the first.
int NextRow(int row);

} // namespace FmRadioEditor
} // namespace mk21
