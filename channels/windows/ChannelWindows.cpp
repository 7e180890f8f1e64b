#include "channels/windows/ChannelWindows.h"

#include "app/AppState.h"
#include "app/windows/FrmMsgConfirm.h"
#include "channels/ChannelList.h"
#include "channels/windows/FrmCHInfoEdit.h"
#include "ui/ChildWindows.h"

namespace mk21 {

ChannelWindows::ChannelWindows(AppState& state, QWidget* dialogParent)
    : state_(state), dialogParent_(dialogParent)
{
    state_.channelViews = this;
}

ChannelWindows::~ChannelWindows()
{
    if (state_.channelViews == this)
        state_.channelViews = nullptr;
}

std::unique_ptr<frmCommChInfo> ChannelWindows::makeTable(const frmCommChInfo::Linker& link)
{
    auto made = std::make_unique<frmCommChInfo>(state_, [this, &link](frmCommChInfo& loading) {
        // A table still loading, or closed, reaches no edit window.
        frmCommChInfo* table = &loading;
        connect(table, &frmCommChInfo::editWindowRefreshWanted, this, [this, table] {
            if (ModFun::IsLoadedChild(table))
                refreshEditWindow(true);
        });
        connect(table, &frmCommChInfo::editBusyLockWanted, this, [this, table](int number) {
            FrmCHInfoEdit* edit = editWindow();
            if (edit != nullptr && ModFun::IsLoadedChild(table))
                edit->ReShowBusyLock(number);
        });
        if (link)
            link(loading);
    });
    table_ = made.get();
    return made;
}

std::unique_ptr<FrmCHInfoEdit> ChannelWindows::makeEditWindow()
{
    auto made = std::make_unique<FrmCHInfoEdit>(state_);
    FrmCHInfoEdit* edit = made.get();
    connect(edit, &FrmCHInfoEdit::tableGroupWanted, this, [this, edit] {
        frmCommChInfo* shown = table();
        if (shown != nullptr && ModFun::IsLoadedChild(edit))
            shown->ChangeGroup();
    });
    edit_ = edit;
    return made;
}

frmCommChInfo* ChannelWindows::table() const
{
    return ModFun::IsLoadedChild(table_) ? table_.data() : nullptr;
}

FrmCHInfoEdit* ChannelWindows::editWindow() const
{
    return ModFun::IsLoadedChild(edit_) ? edit_.data() : nullptr;
}

void ChannelWindows::refreshEditWindow(bool fromTable) const
{
    if (FrmCHInfoEdit* edit = editWindow())
        edit->SetGridEditData(fromTable);
}

void ChannelWindows::RunCommand(int code)
{
    frmCommChInfo* shown = table();
    if (shown == nullptr)
        return;
    // Rows moved by the command are no scrolling of the user's.
    shown->CodeMoveTopRow = true;
    ModCHEdit::RunChannelCommand(state_, *this, code, shown->cursorRow(), shown->group());
    if (frmCommChInfo* still = table())
        still->CodeMoveTopRow = false;
}

void ChannelWindows::OffsetModeChanged()
{
    const bool offsets = state_.preferences.OffSetShowMode;
    if (frmCommChInfo* shown = table())
        shown->ReShowAllTxFre(offsets);
    if (FrmCHInfoEdit* edit = editWindow())
        edit->ReShowEditTxFre(offsets);
}

void ChannelWindows::channelChanged(int number)
{
    if (frmCommChInfo* shown = table())
        shown->reShowGrid(number);
}

void ChannelWindows::editWindowRefresh()
{
    refreshEditWindow(true);
}

void ChannelWindows::channelReferencesChanged()
{
    emit referencesChanged();
}

void ChannelWindows::AskConfirmation(int mode)
{
    FrmMsgConfirm confirm(state_, dialogParent_);
    confirm.setMode(mode);
    confirm.exec();
}

void ChannelWindows::ReShowChRow(int row, int group)
{
    if (frmCommChInfo* shown = table())
        shown->reShowGrid(ModCHEdit::ChannelsPerGroup * group + row);
    if (const FrmCHInfoEdit* edit = editWindow(); edit != nullptr && edit->positionShown() == row)
        refreshEditWindow(false);
}

void ChannelWindows::ReShowAllCh()
{
    if (frmCommChInfo* shown = table())
        shown->reShowAllGrid();
    refreshEditWindow(true);
}

void ChannelWindows::MoveTableCursor(int row)
{
    if (frmCommChInfo* shown = table())
        shown->MoveCursorToRow(row);
}

} // namespace mk21
