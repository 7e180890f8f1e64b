#pragma once

#include "base/texts/TextList.h"

// The DTMF window.

#define MK21_DTMF_TEXTS(X)                                                                                   \
    X(Title, 18000)                                                                                          \
    X(EncodeTab, 18002)                                                                                      \
    X(DecodeTab, 18003)                                                                                      \
    X(AutoDialTab, 18004)                                                                                    \
    X(TimingLabelBase, 18005) /* labels of Combo1(0..4) */                                                   \
    X(DecodeLabelBase, 18010) /* labels of Combo2(1), (4), (5) */                                            \
    X(CodeLabelBase, 18016)   /* labels of the BOT, EOT, stun and kill codes */                              \
    X(IdCodeLabel, 18022)                                                                                    \
    X(SideToneCheck, 18030)                                                                                  \
    X(DKeyOff, 18040)                                                                                        \
    X(DecodeOff, 18043)                                                                                      \
    X(DecodeCallAlert, 18044)                                                                                \
    X(DecodeAutoAnswer, 18045)

namespace mk21::Texts::Dtmf {
MK21_SECTION_TEXTS("DTMF", MK21_DTMF_TEXTS)
inline constexpr int TimingLabelCount = 5;
inline constexpr int CodeLabelCount = 4;
} // namespace mk21::Texts::Dtmf

#undef MK21_DTMF_TEXTS
