#pragma once

#include "base/texts/TextList.h"

// The channel editing confirmation and preferences dialogs.

#define MK21_CHANNEL_EDITING_TEXTS(X)                                                                        \
    X(ConfirmCaption, 28000)                                                                                 \
    X(InsertQuestion, 28001)                                                                                 \
    X(DeleteQuestion, 28002)                                                                                 \
    X(DoNotAskAgain, 28003)                                                                                  \
    X(Yes, 28004)                                                                                            \
    X(No, 28005)                                                                                             \
    X(PreferencesCaption, 28006)                                                                             \
    X(PreferenceBase, 28007) /* Check1(0..4) */                                                              \
    X(PasteInserts, 28008)                                                                                   \
    X(DeleteWithoutAsking, 28009)                                                                            \
    X(DeleteMovesUp, 28010)                                                                                  \
    X(ShowOffset, 28011)

namespace mk21::Texts::ChannelEditing {
MK21_SECTION_TEXTS("CHEdit", MK21_CHANNEL_EDITING_TEXTS)
} // namespace mk21::Texts::ChannelEditing

#undef MK21_CHANNEL_EDITING_TEXTS
