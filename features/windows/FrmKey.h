#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The keys window: the functions of PF1 and PF2 on a long and a short press, and the long-press
// times of the side keys and the emergency key.
class FrmKey final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmKey(ConfigurationState& state, QWidget* parent = nullptr);

    // The four key lists show the functions the keys hold now (after the scan window reset one).
    void RefreshKeyWindow();

protected:
    void SetOwnCaptions() override;
};

} // namespace mk21
