#pragma once

#include "base/texts/TextList.h"

// The language dialog and the password window.

#define MK21_LANGUAGE_TEXTS(X)                                                                               \
    X(Caption, 23000)                                                                                        \
    X(Label, 23001)                                                                                          \
    X(English, 23002)                                                                                        \
    X(Chinese, 23003)

namespace mk21::Texts::Language {
MK21_SECTION_TEXTS("Lang", MK21_LANGUAGE_TEXTS)
} // namespace mk21::Texts::Language

#undef MK21_LANGUAGE_TEXTS

#define MK21_PASSWORD_TEXTS(X)                                                                               \
    X(Caption, 23100)                                                                                        \
    X(Label, 23101)

namespace mk21::Texts::Password {
MK21_SECTION_TEXTS("Lang", MK21_PASSWORD_TEXTS)
} // namespace mk21::Texts::Password

#undef MK21_PASSWORD_TEXTS
