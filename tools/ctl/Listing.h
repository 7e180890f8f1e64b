#pragma once

#include <QString>

namespace mk21 {
class AppState;
}

namespace mk21::ctl {

// A readable listing of the working configuration: channels by group and position, then every
// feature block. Test frequencies 12..16 are listed only for radio images, which carry them.
QString ConfigurationListing(AppState& state, bool withExtraTestFrequencies);

} // namespace mk21::ctl
