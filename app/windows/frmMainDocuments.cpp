// The main window's document commands: New, Initialise, Open, Save and Save As, and the folder of
// the backups of radio reads.
#include "app/windows/frmMain.h"

#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/Documents.h"
#include "app/NewConfiguration.h"
#include "app/windows/FileDialogs.h"
#include "app/windows/MainSessions.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MessageTexts.h"
#include "channels/windows/frmCommChInfo.h"
#include "data/ConfigurationOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QUrl>

namespace mk21 {

void frmMain::mnuFileNew_Click()
{
    // Edits the user chose to keep are never dropped: a save that does not complete stops the New.
    const bool keepGoing = !ModDocument::IsConfigurationChanged(state_) ||
                           ShowMsg(state_, Texts::Msg::SaveChanges, PromptIcon::Warning,
                                   PromptButtons::YesNoCancel) != PromptAnswer::Yes ||
                           SaveBeforeReplacing();
    if (keepGoing && ShowMsg(state_, Texts::Msg::NewConfirm, PromptIcon::Warning, PromptButtons::OkCancel) ==
                         PromptAnswer::Ok)
        LoadNewDoc();
    else
        state_.document.InitRequested = false; // it was meant for the new document only
}

void frmMain::MnuInit_Click()
{
    state_.document.InitRequested = true;
    mnuFileNew_Click();
}

void frmMain::mnuFileOpen_Click()
{
    if (ModDocument::IsConfigurationChanged(state_)) {
        const PromptAnswer answer =
            ShowMsg(state_, Texts::Msg::SaveChanges, PromptIcon::Warning, PromptButtons::YesNoCancel);
        if (answer == PromptAnswer::Cancel)
            return;
        if (answer == PromptAnswer::Yes && !SaveBeforeReplacing())
            return;
    }
    const std::optional<QString> chosen = dialogs_->openFile(dialogFilter_);
    if (!chosen)
        return;
    const QString previous = state_.document.DocumentPath;
    state_.document.DocumentPath = *chosen;
    CloseCurAllWindows();
    switch (ModDocument::OpenDataFile(state_, launcher_)) {
    case ModDocument::DocumentResult::Success:
        OpenChildForm(QLatin1String(frmCommChInfo::FormName));
        ShowMainTxt();
        Change_Language();
        mdiArea_->cascadeSubWindows();
        break;
    case ModDocument::DocumentResult::Failure:
        // Nothing was loaded: the document still belongs to its old file.
        state_.document.DocumentPath = previous;
        break;
    case ModDocument::DocumentResult::EndProgram: EndAtOnce(); break;
    case ModDocument::DocumentResult::SavedWithoutSideFile: // only a save ends so
        break;
    }
}

bool frmMain::mnuFileSave_Click()
{
    if (state_.document.IsUntitled)
        return mnuFileSaveAs_Click();
    const QString question = QLatin1Char('"') + ModFun::FileNameOfPath(state_.document.DocumentPath) +
                             QLatin1Char('"') + GetLangText(state_, Texts::Msg::SaveConfirm);
    if (ShowText(state_, question, PromptIcon::Question, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    return SaveDocument();
}

bool frmMain::mnuFileSaveAs_Click()
{
    const std::optional<QString> chosen = dialogs_->saveFile(dialogFilter_, state_.document.DocumentPath);
    if (!chosen)
        return false;
    const QString previous = state_.document.DocumentPath;
    state_.document.DocumentPath = *chosen;
    if (SaveDocument())
        return true;
    state_.document.DocumentPath = previous; // not saved: the document keeps its old file
    return false;
}

bool frmMain::SaveBeforeReplacing()
{
    // An untitled document has no file of its own yet: "new.dat" may be someone else's.
    if (state_.document.IsUntitled)
        return mnuFileSaveAs_Click();
    return SaveDocument();
}

bool frmMain::SaveDocument()
{
    CommitOpenEditors();
    // Without its side file the document is saved all the same; the user has been told.
    if (ModDocument::SaveDataFile(state_) == ModDocument::DocumentResult::Failure)
        return false;
    ShowMainTxt();
    return true;
}

void frmMain::LoadNewDoc()
{
    CloseCurAllWindows();
    NewDocTimer.start();
}

void frmMain::NewDocTimer_Timer()
{
    NewDocTimer.stop();
    sessions_->EndSession();
    ModConfig::NewConfiguration(state_);
    SetMainTexts();
    OpenChildForm(QLatin1String(frmCommChInfo::FormName));
    ShowMainTxt();
    mdiArea_->cascadeSubWindows();
    state_.document.InitRequested = false;
}

void frmMain::LoadNewDoc2()
{
    ModConfig::NewConfiguration(state_);
    SetMainTexts();
    OpenChildForm(QLatin1String(frmCommChInfo::FormName));
    ShowMainTxt();
}

void frmMain::EndAtOnce()
{
    // Another release serves the file: no save question, no settings completion.
    endingAtOnce_ = true;
    close();
    QCoreApplication::quit();
}

void frmMain::mnuFileBackups_Click()
{
    ShowFolder(sessions_->backupFolder());
}

void frmMain::ShowFolder(const QString& folder)
{
    if (!QDir().mkpath(folder) || !folderOpener_(QUrl::fromLocalFile(folder)))
        ShowMsgWith(state_, Texts::Msg::FolderNotOpened, {folder}, PromptIcon::Warning);
}

} // namespace mk21
