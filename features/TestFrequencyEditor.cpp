#include "features/TestFrequencyEditor.h"

#include "data/ConfigurationState.h"
#include "data/FrequencyCodec.h"

namespace mk21::TestFrequencyEditor {

namespace {

FixedText<8>& Part(TestFrequencyRecord& item, int col)
{
    return col == 1 ? item.TestFreqB : item.TestFreqA;
}

TestFrequencyRecord& Item(ConfigurationState& state, int row)
{
    return state.WorkingConfiguration.TestFrequencies.at(static_cast<std::size_t>(row - 1));
}

} // namespace

QString CellText(ConfigurationState& state, int row, int col)
{
    return ModShowFreFun::ShowFre(state, Part(Item(state, row), col).text());
}

QString TuningCellText(ConfigurationState& state, int row, int col)
{
    TestFrequencyRecord& item = state.ExtraTestFreqs.at(static_cast<std::size_t>(row - 1));
    return ModShowFreFun::ShowFre(state, Part(item, col).text());
}

QString Commit(ConfigurationState& state, int row, int col, const QString& typed)
{
    FixedText<8>& part = Part(Item(state, row), col);
    if (typed.isEmpty()) {
        part.clear();
        return {};
    }
    // Clamped into the band, with no step alignment.
    const QString stored =
        ModShowFreFun::GetFreData(ModShowFreFun::LimitFreText(state, typed), state.model.BandLow);
    part = stored;
    return ModShowFreFun::ShowFre(state, stored);
}

Cell NextCell(Cell from, bool typedEmpty)
{
    const auto nextRow = [](int row) { return row >= Rows ? 1 : row + 1; };
    if (from.col == 1 && typedEmpty)
        return {nextRow(from.row), 1};
    if (from.col < Columns)
        return {from.row, from.col + 1};
    return {nextRow(from.row), 1};
}

} // namespace mk21::TestFrequencyEditor
