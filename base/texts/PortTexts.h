#pragma once

#include "base/texts/TextList.h"

// The communication port dialog.

#define MK21_PORT_TEXTS(X)                                                                                   \
    X(Caption, 22000)                                                                                        \
    X(Frame, 22001)                                                                                          \
    X(OptionPrefix, 22002)                                                                                   \
    X(SimulatedRadioMark, 22003)

namespace mk21::Texts::Port {
MK21_SECTION_TEXTS("Port", MK21_PORT_TEXTS)
} // namespace mk21::Texts::Port

#undef MK21_PORT_TEXTS
