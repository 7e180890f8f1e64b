#pragma once

#include "base/texts/TextList.h"

// The FM radio window.

#define MK21_FM_RADIO_TEXTS(X)                                                                               \
    X(Title, 17000)                                                                                          \
    X(ChannelHeader, 17001)                                                                                  \
    X(FrequencyHeader, 17002)

namespace mk21::Texts::FmRadio {
MK21_SECTION_TEXTS("Radio", MK21_FM_RADIO_TEXTS)
} // namespace mk21::Texts::FmRadio

#undef MK21_FM_RADIO_TEXTS
