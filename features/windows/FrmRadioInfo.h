#pragma once

#include "features/windows/EditorWindow.h"

class QGroupBox;
class QLabel;

namespace mk21 {

// The radio information window: what the last information read found in the radio. Shown only:
// the fields can be selected and copied, nothing can be typed or chosen.
class FrmRadioInfo final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmRadioInfo(ConfigurationState& state, QWidget* parent = nullptr);

protected:
    void SetOwnCaptions() override;

private:
    QGroupBox* Frame1 = nullptr;
    QLabel* RepairReasonHint = nullptr;
};

} // namespace mk21
