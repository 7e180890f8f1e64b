#pragma once

#include <QString>

namespace mk21 {

class ConfigurationState;

// The test frequencies: eleven editable pairs (column 1 TestFreqB, column 2 TestFreqA), clamped
// into the current band, and the five tuning points beside the configuration, shown only.
namespace TestFrequencyEditor {

inline constexpr const char* FormName = "FrmTestFre";
inline constexpr int Rows = 11;
inline constexpr int TuningRows = 5;
inline constexpr int Columns = 2;
// The editing box takes at most this many characters.
inline constexpr int BoxLength = 9;

// What cell (row 1..11, column 1..2) of the editable grid shows.
QString CellText(ConfigurationState& state, int row, int col);
// What cell (row 1..5, column 1..2) of the tuning-point grid shows.
QString TuningCellText(ConfigurationState& state, int row, int col);
// Stores what was typed in a cell and returns what the cell shows now. A frequency outside the
// band is clamped with the band warning; an empty text empties that part.
QString Commit(ConfigurationState& state, int row, int col, const QString& typed);

struct Cell {
    int row = 1;
    int col = 1;
    friend bool operator==(const Cell&, const Cell&) = default;
};
// Where Enter goes: column 1 to column 2, column 2 to column 1 of the next row (the last row
// wraps to the first); an empty column 1 goes straight to the next row.
Cell NextCell(Cell from, bool typedEmpty);

} // namespace TestFrequencyEditor
} // namespace mk21
