#pragma once

#include <QString>
#include <QStringList>

namespace mk21::ToneList {

// Positions 0 (no tone), 1..50 CTCSS, 51..166 DCS normal, 167..282 DCS inverted.
inline constexpr int Count = 283;
inline constexpr int LastPosition = Count - 1;

// The display text of a position; position 0 shows noToneText (the views pass their language
// text). A position outside 0..282 shows noToneText too.
QString ToneText(int position, const QString& noToneText);

// All 283 display texts in list order.
QStringList ToneTexts(const QString& noToneText);

} // namespace mk21::ToneList
