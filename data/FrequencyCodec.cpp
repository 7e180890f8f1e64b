#include "data/FrequencyCodec.h"

#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MessageTexts.h"
#include "data/ConfigurationState.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace mk21::ModShowFreFun {

namespace {

// Frequencies are handled in whole 10 Hz units, so that decimal texts convert without binary
// floating-point error (438.50625 MHz is exactly 43850625 units).
using Units = std::int64_t;
constexpr Units UnitsPerMHz = 100000;
constexpr int FractionDigits = 5;
constexpr Units MaxStoredFrequency = 99999999; // 999.99999 MHz, the largest 8-digit form
constexpr Units MaxStoredOffset = 9999999;     // 99.99999 MHz, the largest 7-digit form
constexpr qsizetype MaxIntegerDigits = 12;     // keeps every value far inside 64 bits

enum Direction : Byte { DirNone = 0, DirMinus = 1, DirPlus = 2 };

// A numeric text taken apart: sign, integer digits without leading zeros, fraction digits.
struct DecimalParts {
    bool negative = false;
    QString integer;
    QString fraction;
};

std::optional<DecimalParts> SplitNumeric(const QString& text)
{
    if (!ModFun::IsNumeric(text))
        return std::nullopt;
    QString t = text.trimmed();
    DecimalParts parts;
    if (t.startsWith(u'+') || t.startsWith(u'-')) {
        parts.negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    const qsizetype point = t.indexOf(u'.');
    parts.integer = point < 0 ? t : t.left(point);
    parts.fraction = point < 0 ? QString() : t.mid(point + 1);
    qsizetype zeros = 0;
    while (zeros < parts.integer.size() && parts.integer[zeros] == u'0')
        ++zeros;
    parts.integer.remove(0, zeros);
    return parts;
}

Units DigitsValue(const QString& digits)
{
    Units value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

bool AllDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A numeric text in 10 Hz units, rounded half away from zero at the fifth decimal; nothing for a
// text that is not numeric or too large to hold.
std::optional<Units> UnitsOfText(const QString& text)
{
    const std::optional<DecimalParts> parts = SplitNumeric(text);
    if (!parts || parts->integer.size() > MaxIntegerDigits)
        return std::nullopt;
    Units value = DigitsValue(parts->integer) * UnitsPerMHz +
                  DigitsValue(parts->fraction.left(FractionDigits).leftJustified(FractionDigits, u'0'));
    if (parts->fraction.size() > FractionDigits && parts->fraction[FractionDigits] >= u'5')
        ++value;
    return parts->negative ? -value : value;
}

// "#0.00000" of a value in 10 Hz units.
QString FormatUnits(Units value)
{
    const Units magnitude = value < 0 ? -value : value;
    const QString text = QString::number(magnitude / UnitsPerMHz) + u'.' +
                         QString::number(magnitude % UnitsPerMHz).rightJustified(FractionDigits, u'0');
    return value < 0 ? u'-' + text : text;
}

Units ClampToStored(Units value)
{
    return std::clamp<Units>(value, 0, MaxStoredFrequency);
}

// The 8-digit stored form; values outside what eight digits can hold are clamped to the nearest end.
QString StoredOfUnits(Units value)
{
    return QString::number(ClampToStored(value)).rightJustified(8, u'0');
}

// The signed offset of a stored offset and direction; a direction other than minus or plus counts
// as none, so the offset does not move the transmit frequency.
Units SignedOffsetUnits(const QString& storedOffset, int direction)
{
    if (direction != DirMinus && direction != DirPlus)
        return 0;
    return UnitsOfText(ShowOffSet(storedOffset, direction)).value_or(0);
}

// Receive frequency in units via its display text; nothing when there is none.
std::optional<Units> ReceiveUnits(ConfigurationState& state, const QString& storedRx)
{
    const QString display = ShowFre(state, storedRx);
    if (display.isEmpty())
        return std::nullopt;
    return UnitsOfText(display);
}

Units BandLowUnits(const ConfigurationState& state)
{
    return static_cast<Units>(std::nearbyint(state.model.BandLow * double(UnitsPerMHz)));
}

// Puts a frequency on the nearest acceptable step grid counted from the band's lower limit and
// tells which grid: 0 = 5 kHz, 1 = 6.25 kHz, 2 = 8.33 kHz.
std::pair<Units, Integer> AlignToStep(Units frequency, Units bandLow)
{
    // Floored remainders, so that a frequency below the band also moves down to its grid.
    const auto mod = [](Units a, Units b) { return ((a % b) + b) % b; };
    const Units d = frequency - bandLow;
    const Units r5 = mod(d, 500);
    const Units r6 = mod(d, 625);
    const Units r25 = mod(d, 2500);
    const Units r8 = r25 % 833;
    if (r5 == 0)
        return {frequency, 0};
    if (r6 == 0)
        return {frequency, 1};
    if (r8 == 0) {
        // 3 x 8.33 kHz falls 10 Hz short of the next 25 kHz block: that point belongs to the block.
        const Units k = (r25 - r8) / 833;
        return {k >= 3 ? frequency + 1 : frequency, 2};
    }
    return {frequency - r5, 0};
}

// Says which band the frequency left and where it was clamped to, so the stored value is no surprise.
void WarnOutOfBandFrequency(ConfigurationState& state, double clamped)
{
    Prompt prompt;
    prompt.text = GetLangText(state, Texts::Msg::FrequencyOutsideBand)
                      .arg(ModFun::PlainNumber(state.model.BandLow),
                           ModFun::PlainNumber(state.model.BandHigh), FormatFre(clamped));
    prompt.icon = PromptIcon::Warning;
    prompt.buttons = PromptButtons::Ok;
    prompt.textNumber = Texts::Msg::FrequencyOutsideBand;
    prompt.title = state.settings.ApplicationTitle;
    state.prompter.ask(prompt);
}

} // namespace

QString FormatFre(double mhz)
{
    // Go through the shortest decimal text of the number, so 438.50625 rounds as written.
    if (std::isfinite(mhz) && std::fabs(mhz) < 1e12) {
        const QString shortest = QLocale::c().toString(mhz, 'f', QLocale::FloatingPointShortest);
        if (const std::optional<Units> units = UnitsOfText(shortest))
            return FormatUnits(*units);
    }
    return QLocale::c().toString(mhz, 'f', FractionDigits);
}

QString GetFreData(const QString& text, double bandLow)
{
    if (text.isEmpty())
        return {};
    const QString s = ModFun::IsNumeric(text) ? text : ModFun::PlainNumber(bandLow);
    const std::optional<DecimalParts> parts = SplitNumeric(s);
    if (!parts)
        return {};
    // Frequencies cannot be negative nor reach 1000 MHz: clamp instead of writing a malformed form.
    if (parts->negative)
        return StoredOfUnits(0);
    if (parts->integer.size() > 3)
        return StoredOfUnits(MaxStoredFrequency);
    // Extra decimals are cut off, not rounded.
    return parts->integer.rightJustified(3, u'0') +
           parts->fraction.left(FractionDigits).leftJustified(FractionDigits, u'0');
}

QString ShowFre(ConfigurationState& state, const QString& stored)
{
    const QString s = TrimNul(stored);
    if (s.isEmpty() || s == QLatin1String("FFFFFFFF"))
        return {};
    if (ModFun::IsNumeric(s)) {
        if (const std::optional<Units> units = UnitsOfText(s.left(3) + u'.' + s.mid(3)))
            return FormatUnits(*units);
    }
    ShowText(state, QStringLiteral("Not IsNumeric"), PromptIcon::None, PromptButtons::Ok);
    return ModFun::PlainNumber(state.model.BandLow);
}

QString ShowOffSet(const QString& storedOffset, int direction)
{
    const QString o = TrimNul(storedOffset);
    const QString sign = direction == DirMinus  ? QStringLiteral("-")
                         : direction == DirPlus ? QStringLiteral("+")
                                                : QString();
    if (o.size() == 7 && AllDigits(o)) {
        if (const std::optional<Units> units = UnitsOfText(o.left(2) + u'.' + o.right(5)))
            return sign + FormatUnits(*units);
    }
    // Empty, "FFFFFFF" and any malformed offset read as 0.
    return sign + FormatUnits(0);
}

QString GridTxText(ConfigurationState& state, const QString& storedRx, const QString& storedOffset,
                   int direction, bool offsetMode)
{
    const QString o = ShowOffSet(storedOffset, direction);
    if (offsetMode)
        return o;
    const std::optional<Units> rx = ReceiveUnits(state, storedRx);
    if (!rx)
        return {};
    const Units tx = *rx + SignedOffsetUnits(storedOffset, direction);
    return FormatUnits(tx < 0 ? -tx : tx);
}

QString EditTxText(ConfigurationState& state, const QString& storedRx, const QString& storedOffset,
                   int direction, bool offsetMode)
{
    const QString o = ShowOffSet(storedOffset, direction);
    const QString r = ShowFre(state, storedRx);
    const std::optional<Units> rx = UnitsOfText(r);
    if (r.isEmpty() || !rx)
        return {};
    if (offsetMode)
        return o;
    if (!o.startsWith(u'+') && !o.startsWith(u'-'))
        return r;
    return FormatUnits(*rx + UnitsOfText(o).value_or(0));
}

QString GetOffSetData(ConfigurationState& state, const QString& storedRx, const QString& typed,
                      bool offsetMode, const QString& storedOffset, Byte& direction)
{
    Units magnitude = std::abs(UnitsOfText(ShowOffSet(storedOffset, direction)).value_or(0));
    const QString r = ShowFre(state, storedRx);
    const std::optional<Units> rx = UnitsOfText(r);
    const std::optional<Units> t = UnitsOfText(typed);
    if (r.isEmpty() || typed.isEmpty() || !rx || !t) {
        direction = DirNone;
    } else if (offsetMode) {
        const QString trimmed = typed.trimmed();
        direction = trimmed.startsWith(u'-') ? DirMinus : trimmed.startsWith(u'+') ? DirPlus : DirNone;
        magnitude = std::abs(*t);
    } else {
        const Units d = *t - *rx;
        if (d > 0) {
            direction = DirPlus;
            magnitude = d;
        } else if (d < 0) {
            direction = DirMinus;
            magnitude = -d;
        } else {
            direction = DirNone;
        }
    }
    // Seven digits hold offsets below 100 MHz only.
    if (magnitude > MaxStoredOffset)
        magnitude = MaxStoredOffset;
    return QString::number(magnitude).rightJustified(7, u'0');
}

double LimitFre(ConfigurationState& state, double mhz)
{
    if (!(mhz >= state.model.BandLow)) { // also catches NaN
        WarnOutOfBandFrequency(state, state.model.BandLow);
        return state.model.BandLow;
    }
    if (mhz <= state.model.BandHigh)
        return mhz;
    WarnOutOfBandFrequency(state, state.model.BandHigh);
    return state.model.BandHigh;
}

QString LimitFreText(ConfigurationState& state, const QString& value)
{
    if (ModFun::IsNumeric(value))
        return FormatFre(LimitFre(state, ModFun::ToNumber(value)));
    WarnOutOfBandFrequency(state, state.model.BandLow);
    return FormatFre(state.model.BandLow);
}

void AdjustChStep(ConfigurationState& state, ChannelRecord& channel)
{
    if (!ModFun::IsNumeric(channel.RxFreq.text()))
        return;
    const std::optional<Units> rx = ReceiveUnits(state, channel.RxFreq.raw());
    if (!rx)
        return;
    const Units bandLow = BandLowUnits(state);
    const auto [alignedRx, rxClass] = AlignToStep(*rx, bandLow);
    channel.RxStepCode = rxClass;
    channel.RxFreq = StoredOfUnits(alignedRx);

    if (channel.OffsetDir != DirMinus && channel.OffsetDir != DirPlus) {
        channel.TxStepCode = channel.RxStepCode;
        return;
    }
    Units tx = ClampToStored(alignedRx) + SignedOffsetUnits(channel.Offset.raw(), channel.OffsetDir);
    if (tx < 0)
        tx = -tx;
    const auto [alignedTx, txClass] = AlignToStep(tx, bandLow);
    channel.TxStepCode = txClass;
    Byte direction = channel.OffsetDir;
    channel.Offset = GetOffSetData(state, channel.RxFreq.raw(), FormatUnits(alignedTx), false,
                                   channel.Offset.raw(), direction);
    channel.OffsetDir = direction;
}

} // namespace mk21::ModShowFreFun
