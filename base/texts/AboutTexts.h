#pragma once

#include "base/texts/TextList.h"

// The about window.

#define MK21_ABOUT_TEXTS(X)                                                                                  \
    X(Caption, 24000)                                                                                        \
    X(Title, 24001)                                                                                          \
    X(Version, 24002)                                                                                        \
    X(Description, 24003)                                                                                    \
    X(Disclaimer, 24004)                                                                                     \
    X(Ok, 24005)

namespace mk21::Texts::About {
MK21_SECTION_TEXTS("About", MK21_ABOUT_TEXTS)
} // namespace mk21::Texts::About

#undef MK21_ABOUT_TEXTS
