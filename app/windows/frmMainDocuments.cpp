// The main window's document commands: New, Initialise, Open (also of a recent, a dropped or a
// named file), Save and Save As, and the folder of the backups of radio reads.
#include "app/windows/frmMain.h"

#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/Documents.h"
#include "app/FilesToOpen.h"
#include "app/NewConfiguration.h"
#include "app/RecentFiles.h"
#include "app/windows/FileDialogs.h"
#include "app/windows/MainSessions.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MessageTexts.h"
#include "channels/windows/frmCommChInfo.h"
#include "data/ConfigurationOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QTimer>
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
    if (!DocumentMayBeReplaced())
        return;
    if (const std::optional<QString> chosen = dialogs_->openFile(dialogFilter_))
        OpenDocument(*chosen);
}

bool frmMain::DocumentMayBeReplaced()
{
    if (!ModDocument::IsConfigurationChanged(state_))
        return true;
    const PromptAnswer answer =
        ShowMsg(state_, Texts::Msg::SaveChanges, PromptIcon::Warning, PromptButtons::YesNoCancel);
    return answer == PromptAnswer::No || (answer == PromptAnswer::Yes && SaveBeforeReplacing());
}

void frmMain::OpenNamedFile(const QString& path)
{
    if (!DocumentMayBeReplaced())
        return;
    // A file gone since it was listed leaves the list once its message has been shown.
    if (!OpenDocument(path) && !QFileInfo::exists(path)) {
        ModRecent::ForgetRecentFile(state_.settings.ApplicationTitle, path);
        ShowRecentFiles();
    }
}

bool frmMain::OpenDocument(const QString& path)
{
    const QString previous = state_.document.DocumentPath;
    state_.document.DocumentPath = path;
    CloseCurAllWindows();
    switch (ModDocument::OpenDataFile(state_, launcher_)) {
    case ModDocument::DocumentResult::Success:
        ModRecent::RememberRecentFile(state_.settings.ApplicationTitle, path);
        ShowRecentFiles();
        OpenChildForm(QLatin1String(frmCommChInfo::FormName));
        ShowMainTxt();
        Change_Language();
        mdiArea_->cascadeSubWindows();
        return true;
    case ModDocument::DocumentResult::Failure:
        // Nothing was loaded: the document still belongs to its old file.
        state_.document.DocumentPath = previous;
        return false;
    case ModDocument::DocumentResult::EndProgram: EndAtOnce(); return false;
    case ModDocument::DocumentResult::SavedWithoutSideFile: // only a save ends so
        break;
    }
    return false;
}

void frmMain::ShowRecentFiles()
{
    menus_.showRecentFiles(ModRecent::LoadRecentFiles(state_.settings.ApplicationTitle),
                           [this](const QString& path) { OpenNamedFile(path); });
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!sessions_->engine().busy() && ModOpen::FileOfDrop(event->mimeData()->urls()))
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const std::optional<QString> path = ModOpen::FileOfDrop(event->mimeData()->urls());
    if (!path || sessions_->engine().busy())
        return;
    event->acceptProposedAction();
    // The questions wait until the drop has ended: the program the file came from waits for it.
    QTimer::singleShot(0, this, [this, file = *path] {
        if (!sessions_->engine().busy())
            OpenNamedFile(file);
    });
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
    ModRecent::RememberRecentFile(state_.settings.ApplicationTitle, state_.document.DocumentPath);
    ShowRecentFiles();
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
