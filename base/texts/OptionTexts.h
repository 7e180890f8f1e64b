#pragma once

#include "base/texts/TextList.h"

// The optional features window.

#define MK21_OPTION_TEXTS(X)                                                                                 \
    X(Title, 16000)                                                                                          \
    X(LabelBase, 16001) /* labels of Combo1(0..11) */                                                        \
    X(CheckBase, 16020) /* captions of Check1(0..5) */                                                       \
    X(Off, 16040)                                                                                            \
    X(VoicePromptChinese, 16042)                                                                             \
    X(VoicePromptEnglish, 16043)                                                                             \
    X(TailPhase120, 16044)                                                                                   \
    X(TailPhase180, 16045)                                                                                   \
    X(BatterySave1To1, 16046)                                                                                \
    X(BatterySave1To2, 16047)                                                                                \
    X(BatterySave1To4, 16048)                                                                                \
    X(TailOff, 16300)                                                                                        \
    X(TailTone55Hz, 16301)

namespace mk21::Texts::Option {
MK21_SECTION_TEXTS("Option", MK21_OPTION_TEXTS)
inline constexpr int LabelCount = 12;
inline constexpr int CheckCount = 6;
} // namespace mk21::Texts::Option

#undef MK21_OPTION_TEXTS
