#include "app/windows/MainSessions.h"

#include "app/AppState.h"
#include "app/Documents.h"
#include "app/ReadBackups.h"
#include "app/SafetySettings.h"
#include "app/windows/Switchboard.h"
#include "app/windows/frmMain.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "channels/windows/frmCommChInfo.h"
#include "link/windows/FrmPassWord.h"
#include "link/windows/FrmProgress.h"
#include "link/windows/FrmSetComm.h"
#include "ui/ChildWindows.h"

#include <QApplication>
#include <QMdiArea>

namespace mk21 {

MainSessions::MainSessions(AppState& state, frmMain& window)
    : state_(state), window_(window), engine_(state, link_, *this),
      backupFolder_(ModBackup::UserBackupFolder())
{
    engine_.setLauncher([&window](const QString& program) { return window.launcher()(program); });
    connect(&engine_, &SessionEngine::commitEditsRequested, this, &MainSessions::commitEdits);
    connect(&engine_, &SessionEngine::childWindowsCloseRequested, &window_, &frmMain::CloseCurAllWindows);
    connect(&engine_, &SessionEngine::radioInfoWindowCloseRequested, this,
            [this] { ModFun::UnloadFormByName(window_.mdiArea(), QString::fromLatin1(RadioInfoForm)); });
    connect(&engine_, &SessionEngine::radioImageRead, this,
            [this] { ModBackup::KeepReadImage(state_, backupFolder_); });
    connect(&engine_, &SessionEngine::configurationRead, this, &MainSessions::showReadConfiguration);
    connect(&engine_, &SessionEngine::radioDetailsRead, this,
            [this] { window_.OpenChildForm(QString::fromLatin1(RadioInfoForm)); });
    connect(&engine_, &SessionEngine::programEndRequested, &window_, &frmMain::EndAtOnce);
}

MainSessions::~MainSessions()
{
    // The radio is left as it is; the port must not stay open behind us.
    engine_.WaitTimer.stop();
    link_.close();
}

void MainSessions::ReadFromRadio()
{
    applyTrace();
    engine_.StartRead();
}

void MainSessions::WriteToRadio()
{
    applyTrace();
    engine_.setVerifyAfterWrite(LoadVerifyAfterWrite(state_.settings.ApplicationTitle));
    engine_.StartWrite();
}

void MainSessions::ReadRadioInformation()
{
    applyTrace();
    engine_.StartRadioInfoRead();
}

bool MainSessions::traceOn() const
{
    return LoadTraceSessions(state_.settings.ApplicationTitle);
}

void MainSessions::SetTrace(bool on)
{
    SaveTraceSessions(state_.settings.ApplicationTitle, on);
}

void MainSessions::applyTrace()
{
    if (engine_.busy())
        return; // the session under way keeps its trace
    engine_.setTraceTarget(traceOn() ? TraceTarget{TraceFolder(), {}} : TraceTarget{});
}

void MainSessions::OpenTraceFolder()
{
    window_.ShowFolder(TraceFolder());
}

void MainSessions::EnterPassword()
{
    FrmPassWord password(state_, &window_);
    password.exec();
}

void MainSessions::ChoosePort()
{
    FrmSetComm port(state_, &window_);
    if (port.exec() == QDialog::Accepted)
        window_.SetMainTexts(); // the status bar shows the port
}

void MainSessions::commitEdits(int operationType)
{
    if (operationType == ModSession::OperationWrite)
        window_.CommitOpenEditors();
    else
        window_.SetSaveEditData();
}

void MainSessions::EndSession()
{
    if (engine_.busy())
        engine_.AbortOperation();
}

void MainSessions::showReadConfiguration()
{
    ModDocument::TakeRadioConfiguration(state_);
    window_.Change_Language();
    window_.OpenChildForm(QLatin1String(frmCommChInfo::FormName));
    window_.mdiArea()->cascadeSubWindows();
}

void MainSessions::sessionStarted(int operationType)
{
    delete progress_;
    progress_ = new FrmProgress(state_, operationType, &window_);
    connect(progress_, &FrmProgress::cancelRequested, &engine_, &SessionEngine::Cancel);
    progress_->show();
}

void MainSessions::progressChanged(int percent)
{
    if (progress_ != nullptr && progress_->isVisible())
        progress_->SetProgressValue(percent);
}

void MainSessions::sessionEnded(int /*operationType*/, bool /*success*/)
{
    if (progress_ == nullptr)
        return;
    progress_->Finish();
    progress_->deleteLater();
}

std::optional<QString> MainSessions::askPassword(const QString& /*enteredPassword*/)
{
    // The window shows the entered password itself; on top of the progress window when it is up.
    QWidget* parent = progress_ != nullptr ? static_cast<QWidget*>(progress_.data()) : &window_;
    FrmPassWord password(state_, parent);
    if (password.exec() != QDialog::Accepted)
        return std::nullopt;
    return state_.session.EnteredPassword;
}

} // namespace mk21
