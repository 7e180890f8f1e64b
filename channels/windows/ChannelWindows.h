#pragma once

#include "channels/ChannelCommands.h"
#include "channels/ChannelViews.h"
#include "channels/windows/frmCommChInfo.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace mk21 {

class AppState;
class FrmCHInfoEdit;

// The links between the channel windows: builds the channel table and the channel edit window,
// connects each to the other, and is what the channel list model and the channel commands
// redraw. Registers itself as the state's channel views while it lives.
class ChannelWindows final : public QObject, public ChannelViews, public ModCHEdit::ChannelCommandView {
    Q_OBJECT
public:
    // `dialogParent` owns the confirmation dialogs while they are shown.
    ChannelWindows(AppState& state, QWidget* dialogParent);
    ~ChannelWindows() override;
    ChannelWindows(const ChannelWindows&) = delete;
    ChannelWindows& operator=(const ChannelWindows&) = delete;

    // A new channel table linked to the edit window; `link` connects the caller's own signals
    // before the table loads. It takes part once it is a loaded child window.
    std::unique_ptr<frmCommChInfo> makeTable(const frmCommChInfo::Linker& link = {});
    // A new channel edit window linked to the table.
    std::unique_ptr<FrmCHInfoEdit> makeEditWindow();

    // The loaded windows made here, or null.
    frmCommChInfo* table() const;
    FrmCHInfoEdit* editWindow() const;

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

signals:
    // The channel references may point elsewhere now: the scan and alert windows connect their
    // ReshowByCh here when they are made.
    void referencesChanged();

private:
    void refreshEditWindow(bool fromTable) const;

    AppState& state_;
    QWidget* dialogParent_;
    QPointer<frmCommChInfo> table_;
    QPointer<FrmCHInfoEdit> edit_;
};

} // namespace mk21
