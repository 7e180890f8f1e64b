#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The embedded message window: four lines of up to 16 characters, each keystroke stored.
class FrmEmbMsg final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmEmbMsg(ConfigurationState& state, QWidget* parent = nullptr);
};

} // namespace mk21
