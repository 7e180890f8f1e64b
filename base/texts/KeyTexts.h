#pragma once

#include "base/texts/TextList.h"

// The programmable keys window.

#define MK21_KEY_TEXTS(X)                                                                                    \
    X(Title, 25000)                                                                                          \
    X(LongPressTime, 25001)                                                                                  \
    X(EmergencyLongPressTime, 25002)                                                                         \
    X(Pf1Frame, 25003)                                                                                       \
    X(Pf2Frame, 25004)                                                                                       \
    X(LongPress, 25005)                                                                                      \
    X(ShortPress, 25006)                                                                                     \
    X(FunctionBase, 25040) /* key function names, codes 0..21 */

namespace mk21::Texts::Key {
MK21_SECTION_TEXTS("KeySet", MK21_KEY_TEXTS)
inline constexpr int FunctionCount = 22;
} // namespace mk21::Texts::Key

#undef MK21_KEY_TEXTS
