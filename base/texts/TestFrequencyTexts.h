#pragma once

#include "base/texts/TextList.h"

// The test frequency window.

#define MK21_TEST_FREQUENCY_TEXTS(X)                                                                         \
    X(Title, 19000)                                                                                          \
    X(GridLabel, 19001)                                                                                      \
    X(TuningLabel, 19002)                                                                                    \
    X(NumberHeader, 19003)                                                                                   \
    X(ReceiveHeader, 19004)                                                                                  \
    X(TransmitHeader, 19005)

namespace mk21::Texts::TestFrequency {
MK21_SECTION_TEXTS("TestFre", MK21_TEST_FREQUENCY_TEXTS)
} // namespace mk21::Texts::TestFrequency

#undef MK21_TEST_FREQUENCY_TEXTS
