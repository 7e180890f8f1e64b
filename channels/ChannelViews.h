#pragma once

namespace mk21 {

// What the channel list model tells the open windows after a change; the windows (or whoever
// tracks which of them are open) implement it. Each call is for the windows that are open only.
class ChannelViews {
public:
    virtual ~ChannelViews() = default;

    // The channel table redraws the row of channel `number` (it may no longer exist).
    virtual void channelChanged(int number) = 0;
    // The channel edit window shows its channel again, taken from the table's cursor.
    virtual void editWindowRefresh() = 0;
    // The scan and alert windows show their channel references again.
    virtual void channelReferencesChanged() = 0;
};

} // namespace mk21
