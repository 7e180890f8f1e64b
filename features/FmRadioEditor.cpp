#include "features/FmRadioEditor.h"

#include "base/TextOps.h"
#include "data/ConfigurationState.h"
#include "data/FrequencyCodec.h"

#include <cmath>

namespace mk21::FmRadioEditor {

namespace {

constexpr double Lowest = 76;
constexpr double Highest = 108;

FmChannelRecord& Record(ConfigurationState& state, int channel)
{
    return state.WorkingConfiguration.FmChannels.at(static_cast<std::size_t>(channel - 1));
}

} // namespace

double StepRadio(double mhz)
{
    // nearbyint under the default rounding mode takes a half to the even neighbour.
    auto hundredths = static_cast<long long>(std::nearbyint(mhz * 100));
    const long long rest = hundredths % 5;
    hundredths -= rest;
    if (rest > 2)
        hundredths += 5;
    return static_cast<double>(hundredths) / 100;
}

QString CheckRadioFre(const QString& typed)
{
    if (typed.isEmpty())
        return {};
    double mhz = Lowest;
    if (ModFun::IsNumeric(typed)) {
        const double value = ModFun::ToNumber(typed);
        mhz = value < Lowest ? Lowest : value > Highest ? Highest : StepRadio(value);
    }
    return QString::asprintf("%09.5f", mhz);
}

QString GetSaveRadioFreData(const QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? text : text.left(point) + text.mid(point + 1);
}

QString CellText(ConfigurationState& state, int channel)
{
    const FmChannelRecord& record = Record(state, channel);
    return record.FmEmpty != 0 ? QString() : ModShowFreFun::ShowFre(state, record.FmFreq.raw());
}

QString Commit(ConfigurationState& state, int channel, const QString& typed)
{
    const QString shown = CheckRadioFre(typed);
    FmChannelRecord& record = Record(state, channel);
    record.FmEmpty = shown.isEmpty() ? 1 : 0;
    record.FmFreq = GetSaveRadioFreData(shown);
    return shown;
}

int NextRow(int row)
{
    return row >= Channels ? 1 : row + 1;
}

} // namespace mk21::FmRadioEditor
