#pragma once

#include "data/RadioConfiguration.h"

namespace mk21 {

// Where channel editing stands: shared by the channel table, its in-place editors, the channel
// edit window and the channel commands. Rows are positions 1..16 of the shared group 0..7.
struct ChannelCursor {
    bool TableOpen = false; // the channel table window is loaded
    bool EditOpen = false;  // the channel edit window is loaded
    int CurrentRow = 1;     // row of the in-place editor (and of the edit window's position)
    int CurrentCol = 1;     // column of the in-place editor
    int PreviousRow = 1;    // row and column current when the previous cell was entered
    int PreviousCol = 1;
    int CaptionRow = 1;     // row named in the table's caption
    int SharedGroup = 0;    // group shown by both the table and the edit window
    bool SkipEntry = false; // the next cell entry is ignored
    bool SkipCheck = false; // the next cell entry does not ask for a receive frequency first
};

// The channel commands' one-channel clipboard; empty until the first copy, never emptied later.
struct ChannelClipboard {
    ChannelRecord record;
    bool full = false;
};

} // namespace mk21
