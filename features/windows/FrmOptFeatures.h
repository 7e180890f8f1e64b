#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The optional features window: squelch, voice prompt, tail elimination, battery save, the
// time-out timer, VOX and the channel group, each choice stored at once.
class FrmOptFeatures final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmOptFeatures(ConfigurationState& state, QWidget* parent = nullptr);
};

} // namespace mk21
