#pragma once

#include "base/texts/TextList.h"

// The embedded message window.

#define MK21_EMBEDDED_MESSAGE_TEXTS(X) X(Title, 20000)

namespace mk21::Texts::EmbeddedMessage {
MK21_SECTION_TEXTS("EMG", MK21_EMBEDDED_MESSAGE_TEXTS)
} // namespace mk21::Texts::EmbeddedMessage

#undef MK21_EMBEDDED_MESSAGE_TEXTS
