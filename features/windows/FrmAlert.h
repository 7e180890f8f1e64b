#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The alert window: the emergency alarm, its identification, times, cycles and emergency channel.
class FrmAlert final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmAlert(ConfigurationState& state, QWidget* parent = nullptr);

    // The channels changed: the emergency channel's lists show the channels there are now.
    void ReshowByCh();
    // A DTMF memory changed: the identification list offers the memories filled now.
    void ReshowMemories();
};

} // namespace mk21
