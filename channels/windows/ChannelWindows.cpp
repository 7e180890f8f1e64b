#include "channels/windows/ChannelWindows.h"

#include "app/AppState.h"
#include "app/windows/FrmMsgConfirm.h"
#include "channels/ChannelList.h"
#include "channels/windows/frmCommChInfo.h"
#include "ui/ChildWindows.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace mk21 {

namespace {

// Calls a method of a window that may not offer it (the feature windows add theirs later).
void CallIfOffered(QWidget* window, const char* method, const char* signature)
{
    if (window != nullptr && window->metaObject()->indexOfMethod(signature) >= 0)
        QMetaObject::invokeMethod(window, method);
}

} // namespace

ChannelWindows::ChannelWindows(AppState& state, QMdiArea* area, QWidget* dialogParent)
    : state_(state), area_(area), dialogParent_(dialogParent)
{
    state_.channelViews = this;
}

ChannelWindows::~ChannelWindows()
{
    if (state_.channelViews == this)
        state_.channelViews = nullptr;
}

frmCommChInfo* ChannelWindows::table() const
{
    return qobject_cast<frmCommChInfo*>(ModFun::FindChildForm(area_, QLatin1String(TableForm)));
}

QWidget* ChannelWindows::editWindow() const
{
    return ModFun::FindChildForm(area_, QLatin1String(EditForm));
}

void ChannelWindows::refreshEditWindow(bool fromTable) const
{
    if (QWidget* edit = editWindow())
        QMetaObject::invokeMethod(edit, "SetGridEditData", Q_ARG(bool, fromTable));
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
    if (QWidget* edit = editWindow())
        QMetaObject::invokeMethod(edit, "ReShowEditTxFre", Q_ARG(bool, offsets));
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
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        QWidget* window = sub->widget();
        if (window == nullptr || ModFun::FindChildForm(area_, window->objectName()) != window)
            continue;
        if (window->objectName() == QLatin1String("FrmScan") || window->objectName() == QLatin1String("FrmAlert"))
            CallIfOffered(window, "ReshowByCh", "ReshowByCh()");
    }
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
    if (QWidget* edit = editWindow()) {
        const auto* position = edit->findChild<QComboBox*>(QStringLiteral("Combo1"));
        if (position != nullptr && position->currentIndex() + 1 == row)
            refreshEditWindow(false);
    }
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
