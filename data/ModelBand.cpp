#include "data/ModelBand.h"

#include "base/TextOps.h"

#include <array>
#include <utility>

namespace mk21::ModelBandTable {

namespace {
constexpr std::array<std::pair<int, const char*>, 17> bandTable{{
    {0, "400 - 480 MHz"},
    {1, "430 - 450 MHz"},
    {2, "400 - 440 MHz"},
    {3, "440 - 480 MHz"},
    {4, "400 - 450 MHz"},
    {5, "450 - 480 MHz"},
    {6, "430 - 440 MHz"},
    {7, "430 - 480 MHz"},
    {8, "136 - 174 MHz"},
    {9, "136 - 150 MHz"},
    {10, "150 - 174 MHz"},
    {11, "136 - 145 MHz"},
    {12, "145 - 174 MHz"},
    {13, "144 - 146 MHz"},
    {14, "144 - 148 MHz"},
    {16, "350 - 390 MHz"},
    {32, "450 - 520 MHz"},
}};
} // namespace

QStringList BandTexts()
{
    QStringList out;
    for (const auto& [number, text] : bandTable)
        out.append(QString::fromLatin1(text));
    return out;
}

QList<int> BandNumbers()
{
    QList<int> out;
    for (const auto& [number, text] : bandTable)
        out.append(number);
    return out;
}

QString BandTextOfNumber(int number)
{
    for (const auto& [n, text] : bandTable) {
        if (n == number)
            return QString::fromLatin1(text);
    }
    return {};
}

int BandNumberOfText(const QString& text)
{
    for (const auto& [n, t] : bandTable) {
        if (text == QLatin1String(t))
            return n;
    }
    return 0;
}

QString ModelCodeOfDisplayName(const QString& name)
{
    const QString trimmed = TrimNul(name);
    if (trimmed == u"MK-21G")
        return QString::fromLatin1(ModelZR750);
    if (trimmed == u"MK-21")
        return QString::fromLatin1(ModelZR750G);
    return trimmed;
}

QString DisplayNameOfModelCode(const QString& code)
{
    if (code == QLatin1String(ModelZR750))
        return QStringLiteral("MK-21G");
    if (code == QLatin1String(ModelZR750G))
        return QStringLiteral("MK-21");
    return code;
}

QStringList ModelDisplayNames()
{
    return {QStringLiteral("MK-21"), QStringLiteral("MK-21G")};
}

bool IsKnownModelCode(const QString& code)
{
    return code == QLatin1String(ModelZR750) || code == QLatin1String(ModelZR750G);
}

} // namespace mk21::ModelBandTable
