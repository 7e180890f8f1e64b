// The main window's menu, toolbar and tree commands: which window or operation each one runs.
#include "app/windows/frmMain.h"

#include "app/AppState.h"
#include "app/SafetySettings.h"
#include "app/windows/FrmHabits.h"
#include "app/windows/FrmSetLanguage.h"
#include "app/windows/MainSessions.h"
#include "app/windows/MainStatusBar.h"
#include "app/windows/MainToolBar.h"
#include "app/windows/MainTreePanel.h"
#include "app/windows/Switchboard.h"
#include "app/windows/frmAbout.h"
#include "channels/ChannelList.h"
#include "channels/windows/ChannelWindows.h"
#include "channels/windows/frmCommChInfo.h"
#include "data/windows/FrmModelInfo.h"

#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <exception>
#include <functional>
#include <utility>

namespace mk21 {

void frmMain::connectCommands()
{
    const MainMenus& m = menus_;
    connect(m.mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(m.mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(m.mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(m.mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(m.mnuFileBackups, &QAction::triggered, this, &frmMain::mnuFileBackups_Click);
    connect(m.mnuFileExit, &QAction::triggered, this, &frmMain::close);
    connect(m.mnuModelInfo, &QAction::triggered, this, &frmMain::mnuModelInfo_Click);

    const std::pair<QAction*, int> channelCommands[] = {
        {m.MnuCHCut, 1},    {m.MnuCHCopy, 2},   {m.MnuCHPaste, 3},    {m.MnuCHInsert, 4},
        {m.MnuCHDelete, 5}, {m.MnuCHMoveUp, 6}, {m.MnuCHMoveDown, 7}, {m.MnuCHHabits, HabitsCommand},
    };
    for (const auto& [item, code] : channelCommands)
        connect(item, &QAction::triggered, this, [this, code = code] { ChannelCommand(code); });

    for (const ChildWindowRow& row : Switchboard::rows()) {
        if (row.menuItem != nullptr)
            connect(m.*row.menuItem, &QAction::triggered, this, [this, r = &row] { runChildWindowRow(*r); });
    }

    connect(m.mnuReadFromRadio, &QAction::triggered, this, &frmMain::mnuReadFromRadio_Click);
    connect(m.mnuWriteToRadio, &QAction::triggered, this, &frmMain::mnuWriteToRadio_Click);
    connect(m.MnuProPassWord, &QAction::triggered, this, &frmMain::MnuProPassWord_Click);
    m.MnuTrace->setChecked(LoadTraceSessions(state_.settings.ApplicationTitle));
    connect(m.MnuTrace, &QAction::toggled, this, [this](bool on) { sessions_->SetTrace(on); });
    connect(m.MnuTraceFolder, &QAction::triggered, this, [this] { sessions_->OpenTraceFolder(); });
    connect(m.mnuComm, &QAction::triggered, this, &frmMain::mnuComm_Click);
    connect(m.mnuLanguage, &QAction::triggered, this, &frmMain::mnuLanguage_Click);
    connect(m.MnuInit, &QAction::triggered, this, &frmMain::MnuInit_Click);

    connect(m.mnuTreeView, &QAction::triggered, panelDock_, &QDockWidget::setVisible);
    connect(m.mnuViewToolbar, &QAction::triggered, tbToolBar, &QToolBar::setVisible);
    connect(m.mnuViewStatusBar, &QAction::triggered, sbStatusBar, &QStatusBar::setVisible);
    connect(Picture1, &MainTreePanel::closeClicked, this, [this] {
        panelDock_->hide();
        menus_.mnuTreeView->setChecked(false);
    });

    connect(m.mnuWindow, &QMenu::aboutToShow, this, [this] { menus_.fillWindowList(*mdiArea_); });
    connect(m.mnuWindowCascade, &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    // Qt tiles in one way only; both tile items use it.
    connect(m.mnuWindowTileHorizontal, &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
    connect(m.mnuWindowTileVertical, &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
    connect(m.mnuCloseAll, &QAction::triggered, this, &frmMain::CloseCurAllWindows);
    connect(m.mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    connect(tbToolBar, &MainToolBar::buttonClicked, this, &frmMain::toolbarButtonClicked);
    connect(Picture1, &MainTreePanel::nodeClicked, this, &frmMain::treeNodeClicked);
    connect(switchboard_.get(), &Switchboard::channelCursorMoved, this, &frmMain::SetCHEditEnabled);
    connect(switchboard_.get(), &Switchboard::channelMenuRequested, this,
            [this](const QPoint& at) { menus_.MnuCHEdit->popup(at); });
    connect(switchboard_.get(), &Switchboard::treeReloadWanted, this, &frmMain::LoadTree);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMain::childActivated);
    connect(&TimerCHEdit, &QTimer::timeout, this, &frmMain::TimerCHEdit_Timer);
    connect(&NewDocTimer, &QTimer::timeout, this, &frmMain::NewDocTimer_Timer);
}

void frmMain::treeNodeClicked(const QString& key)
{
    if (const ChildWindowRow* row = Switchboard::rowOfTreeKey(key))
        runChildWindowRow(*row);
}

void frmMain::runChildWindowRow(const ChildWindowRow& row)
{
    if (row.command != nullptr)
        (this->*row.command)();
    else
        switchboard_->open(QLatin1String(row.form));
}

void frmMain::toolbarButtonClicked(const QString& key)
{
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"NewFile", [this] { LoadNewDoc(); }},         {"OpenFile", [this] { mnuFileOpen_Click(); }},
        {"SaveFile", [this] { mnuFileSave_Click(); }}, {"ReadRadio", [this] { mnuReadFromRadio_Click(); }},
        {"CommSet", [this] { mnuComm_Click(); }},      {"WriteRadio", [this] { mnuWriteToRadio_Click(); }},
        {"About", [this] { mnuHelpAbout_Click(); }},
    };
    const char* channelButtons[] = {"BtnCHCut",    "BtnCHCopy",   "BtnCHPaste",   "BtnCHInsert",
                                    "BtnCHDelete", "BtnCHMoveUp", "BtnCHMoveDown"};
    // A failing button does nothing more; "Print" and unknown keys do nothing at all.
    try {
        for (const auto& [name, action] : actions) {
            if (key == QLatin1String(name))
                action();
        }
        for (int code = 1; code <= 7; ++code) {
            if (key == QLatin1String(channelButtons[code - 1]))
                ChannelCommand(code);
        }
    } catch (const std::exception&) {
    }
}

void frmMain::ChannelCommand(int code)
{
    SetSaveEditData();
    PendingChannelCommand = code;
    TimerCHEdit.start();
}

void frmMain::TimerCHEdit_Timer()
{
    TimerCHEdit.stop();
    if (PendingChannelCommand == HabitsCommand) {
        const bool offsets = state_.preferences.OffSetShowMode;
        FrmHabits habits(state_, this);
        habits.exec();
        if (state_.preferences.OffSetShowMode != offsets)
            channelWindows().OffsetModeChanged();
        return;
    }
    emit channelCommandDue(PendingChannelCommand);
    channelWindows().RunCommand(PendingChannelCommand);
    // A copy fills the clipboard without redrawing a row: the states follow it here.
    if (const frmCommChInfo* table = channelWindows().table())
        SetCHEditEnabled(ModCHEdit::ChannelsPerGroup * table->group() + table->cursorRow());
}

void frmMain::SetCHEditEnabled(int number)
{
    const ModCHEdit::ChannelCommandStates states = ModCHEdit::SetCHEditEnabled(state_, number);
    menus_.MnuCHCut->setEnabled(states.cut);
    menus_.MnuCHCopy->setEnabled(states.copy);
    menus_.MnuCHPaste->setEnabled(states.paste);
    const std::pair<const char*, bool> buttons[] = {
        {"BtnCHCut", states.cut}, {"BtnCHCopy", states.copy}, {"BtnCHPaste", states.paste}};
    for (const auto& [key, enabled] : buttons) {
        if (QAction* button = tbToolBar->findChild<QAction*>(QLatin1String(key)))
            button->setEnabled(enabled);
    }
}

void frmMain::MnuLocalInfo_Click()
{
    ModFun::UnloadFormByName(mdiArea_, QString::fromLatin1(RadioInfoForm));
    ReadRMGDataFromRadio();
}

// The radio commands run the sessions.
void frmMain::mnuReadFromRadio_Click()
{
    sessions_->ReadFromRadio();
}
void frmMain::mnuWriteToRadio_Click()
{
    sessions_->WriteToRadio();
}
void frmMain::ReadRMGDataFromRadio()
{
    sessions_->ReadRadioInformation();
}
void frmMain::MnuProPassWord_Click()
{
    sessions_->EnterPassword();
}
void frmMain::mnuComm_Click()
{
    sessions_->ChoosePort();
}

void frmMain::mnuModelInfo_Click()
{
    FrmModelInfo model(state_, this);
    model.exec();
    if (model.newDocumentRequested())
        LoadNewDoc();
}

void frmMain::mnuLanguage_Click()
{
    FrmSetLanguage language(state_, this);
    language.exec();
    // The main window is active again: a new language takes effect now.
    Form_Activate();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(state_, this);
    about.exec();
}

} // namespace mk21
