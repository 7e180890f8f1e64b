#pragma once

#include <QString>
#include <QStringList>

namespace mk21 {

struct ModelBand;

// The two models, the seventeen bands and the conversions between codes, names and texts.
namespace ModelBandTable {

inline constexpr const char* ModelZR750 = "ZR750";   // shown as "MK-21G"
inline constexpr const char* ModelZR750G = "ZR750G"; // shown as "MK-21"

// The band texts in table order, and their numbers in the same order.
QStringList BandTexts();
QList<int> BandNumbers();

QString BandTextOfNumber(int number);      // "" for a number without a row
int BandNumberOfText(const QString& text); // 0 for a text without a row
QString ModelCodeOfDisplayName(const QString& name);
QString DisplayNameOfModelCode(const QString& code);
QStringList ModelDisplayNames(); // "MK-21", "MK-21G"
bool IsKnownModelCode(const QString& code);

} // namespace ModelBandTable
} // namespace mk21
