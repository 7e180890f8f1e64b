#pragma once

#include "features/windows/EditorWindow.h"

namespace mk21 {

// The DTMF window on three tabs: encode (timings, BOT and EOT codes), decode (identity, decode
// functions, stun and kill codes) and the sixteen auto-dial memories.
class FrmDTMF final : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmDTMF(ConfigurationState& state, QWidget* parent = nullptr);

protected:
    void SetOwnCaptions() override;

signals:
    // An auto-dial memory changed: the lists that offer the memories are filled anew.
    void dtmfMemoryChanged();
};

} // namespace mk21
