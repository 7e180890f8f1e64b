#pragma once

#include "base/texts/TextList.h"

// The model and band window.

#define MK21_MODEL_TEXTS(X)                                                                                  \
    X(Caption, 13000)                                                                                        \
    X(ModelLabel, 13001)                                                                                     \
    X(BandLabel, 13002)

namespace mk21::Texts::Model {
MK21_SECTION_TEXTS("Model", MK21_MODEL_TEXTS)
} // namespace mk21::Texts::Model

#undef MK21_MODEL_TEXTS
