#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The scan window: scan mode, priority channels, revert channel, look-back times, resume delays
// and the scan entry tone.
class FrmScan final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmScan(ConfigurationState& state, QWidget* parent = nullptr);

    // The channels changed: the priority channels' lists show the channels there are now.
    void ReshowByCh();

signals:
    // Scanning was switched off, which takes the scan function from the keys.
    void keyFunctionsReset();
};

} // namespace mk21
