#pragma once

#include "base/FixedText.h"

#include <QString>

#include <cstdint>

namespace mk21 {

// The small text conversions the editors share.
namespace ModFun {

using mk21::TrimNul;

// True when the text reads as a number: blanks around, one leading sign and one decimal point
// allowed, at least one digit; "." is the decimal separator whatever the user's locale.
bool IsNumeric(const QString& text);
// The value of a numeric text; 0 for any other text.
double ToNumber(const QString& text);
// A number written as a plain decimal number, shortest form (440, 400.5).
QString PlainNumber(double value);

QString DtmfCodeToText(const QString& text); // E -> "*", F -> "#"
QString DtmfTextToCode(const QString& text); // "*" -> E, "#" -> F

// The part after the last "\" or "/"; a path without one is returned whole.
QString FileNameOfPath(const QString& path);

// The number times 16, rounded to a 16-bit whole number (saturating at the 16-bit range).
std::int16_t Times16(double number);

// Empty text: the default; a numeric text: its value rounded; anything else: the default.
int NumOrDefault(const QString& text, int defaultValue);

} // namespace ModFun
} // namespace mk21
