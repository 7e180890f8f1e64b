#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

#include <QStringList>

namespace mk21 {

class ConfigurationState;

// The keys window: the functions of PF1 and PF2 on a long and a short press, and two long-press
// times. Functions are matched by their text, since the short-press lists leave codes out.
namespace KeyEditor {

inline constexpr const char* FormName = "FrmKey";
inline constexpr int KeyListCount = 4;      // Combo1(0..3): PF1 long, PF1 short, PF2 long, PF2 short
inline constexpr int ScanFunction = 8;      // offered only while scanning is on
inline constexpr int FirstTimeList = 9;     // Combo1(9), Combo1(10): the long-press times
inline constexpr int MinLongPressTime = 10; // tenths of a second
inline constexpr int MaxLongPressTime = 25;

// The window's controls, their entries in the current language and their rules.
Editor::Model Describe(ConfigurationState& state);

// The hidden template Combo2: the names of all 22 function codes, in code order.
QStringList FunctionTemplate(ConfigurationState& state);

// Whether a key list offers function `code`: a long press every code up to 20, a short press
// the same without 4 and 11.
bool Offered(int code, bool shortPress);

// The function a choice of `text` in a key list stores: its code in the template (the lower one
// when two share a text), or the list's first function when it is the scan function and
// scanning is off.
int ChosenCode(const QStringList& functionTemplate, const QStringList& entries, const QString& text,
               int scanMode);

} // namespace KeyEditor
} // namespace mk21
