#pragma once

#include "link/QtSerialLink.h"
#include "link/SessionEngine.h"
#include "link/SessionView.h"
#include "link/windows/FrmProgress.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace mk21 {

class AppState;
class frmMain;

// The main window's part of the radio sessions: owns the port and the session engine, shows the
// progress and password windows, and brings the main window up to date after a session.
class MainSessions final : public QObject, public SessionView {
    Q_OBJECT
public:
    MainSessions(AppState& state, frmMain& window);
    ~MainSessions() override;

    // The main window's commands.
    void ReadFromRadio();        // mnuReadFromRadio
    void WriteToRadio();         // mnuWriteToRadio
    void ReadRadioInformation(); // ReadRMGDataFromRadio
    void EnterPassword();        // MnuProPassWord
    void ChoosePort();           // mnuComm
    void SetTrace(bool on);      // MnuTrace: every session from now on writes a protocol trace
    void OpenTraceFolder();      // MnuTraceFolder
    bool traceOn() const;

    // Where every image read is kept (the user's data location unless a test points elsewhere).
    const QString& backupFolder() const { return backupFolder_; }
    void setBackupFolder(const QString& folder) { backupFolder_ = folder; }

    SerialLink& link() { return link_; }
    SessionEngine& engine() { return engine_; }
    // Ends a session still running (a radio information read: the only one without a modal
    // progress window), as a new document returns the radio link to idle.
    void EndSession();
    // The progress window of the read or write under way; it stays reachable until the event
    // loop has run after the session ended.
    FrmProgress* progressWindow() const { return progress_; }

    void sessionStarted(int operationType) override;
    void progressChanged(int percent) override;
    void sessionEnded(int operationType, bool success) override;
    std::optional<QString> askPassword(const QString& enteredPassword) override;

private:
    void commitEdits(int operationType);
    void applyTrace();
    void showReadConfiguration();

    AppState& state_;
    frmMain& window_;
    QtSerialLink link_;
    SessionEngine engine_;
    QPointer<FrmProgress> progress_;
    QString backupFolder_;
};

} // namespace mk21
