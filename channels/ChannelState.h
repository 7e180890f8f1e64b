#pragma once

#include "channels/ChannelCursor.h"
#include "data/ConfigurationState.h"

namespace mk21 {

class ChannelViews;

// The five editing preferences of Habit.ini, in their stored order.
struct EditingPreferences {
    bool NoPasteQuestion = false;
    bool PasteInserts = false;
    bool NoDeleteQuestion = false;
    bool DeleteRemovesChannels = false;
    bool OffSetShowMode = false;
};

// What channel editing adds to the configuration: the preferences, the cursor and clipboard the
// table, the edit window and the channel commands share, and the open windows that show channels.
class ChannelState : public ConfigurationState {
public:
    using ConfigurationState::ConfigurationState;

    EditingPreferences preferences;
    ChannelCursor channelCursor;  // cursor, shared group, which windows are open
    ChannelClipboard ChClipboard; // the channel commands' clipboard

    // The open windows that show channels; null while none is open. Not owned.
    ChannelViews* channelViews = nullptr;

protected:
    ~ChannelState() = default;
};

} // namespace mk21
