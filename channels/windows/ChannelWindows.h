#pragma once

#include "channels/ChannelCommands.h"
#include "channels/ChannelViews.h"

class QMdiArea;
class QWidget;

namespace mk21 {

class AppState;
class frmCommChInfo;

// The links between the channel windows of one MDI area: what the channel list model and the
// channel commands redraw, and the commands run on the table's cursor. Registers itself as the
// state's channel views while it lives.
class ChannelWindows final : public ChannelViews, public ModCHEdit::ChannelCommandView {
public:
    static constexpr const char* TableForm = "frmCommChInfo";
    static constexpr const char* EditForm = "FrmCHInfoEdit";

    // `dialogParent` owns the confirmation dialogs while they are shown.
    ChannelWindows(AppState& state, QMdiArea* area, QWidget* dialogParent);
    ~ChannelWindows() override;
    ChannelWindows(const ChannelWindows&) = delete;
    ChannelWindows& operator=(const ChannelWindows&) = delete;

    frmCommChInfo* table() const;
    QWidget* editWindow() const;

    // Runs channel command 1..7 on the channel under the table's cursor; nothing without a table.
    void RunCommand(int code);
    // The offset display mode changed: the transmit columns and fields are shown anew.
    void OffsetModeChanged();

    void channelChanged(int number) override;
    void editWindowRefresh() override;
    void channelReferencesChanged() override;

    void AskConfirmation(int mode) override;
    void ReShowChRow(int row, int group) override;
    void ReShowAllCh() override;
    void MoveTableCursor(int row) override;

private:
    void refreshEditWindow(bool fromTable) const;

    AppState& state_;
    QMdiArea* area_;
    QWidget* dialogParent_;
};

} // namespace mk21
