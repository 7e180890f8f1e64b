#pragma once

#include "link/SessionTrace.h"
#include "link/VersionTables.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace mk21 {

class LinkState;
class SerialLink;
class SessionView;

// Operation types and states of a session.
namespace ModSession {
inline constexpr int OperationIdle = 0;
inline constexpr int OperationRead = 1;
inline constexpr int OperationWrite = 2;
inline constexpr int OperationRadioInfo = 3;
inline constexpr int OperationReadBack = 4; // a quiet read of the radio's image into ReadBackImage

inline constexpr int StateIdle = 0;
inline constexpr int StateAwaitProgram = 1;
inline constexpr int StateAwaitIdentity = 2;
inline constexpr int StateAwaitPassword = 3; // a radio information read awaits the identity here
inline constexpr int StateWriteBlocks = 4;
inline constexpr int StateReadBlocks = 5;
inline constexpr int StateEnding = 69; // 'E'

inline constexpr int WaitTimerInterval = 150;
inline constexpr int ReadOKTimerInterval = 500;
inline constexpr int WaitSaveDataTimerInterval = 100;
// From a write's END to its read-back's first request: the radio's moment to leave programming
// mode. One that needs longer is still found, since the read-back's program request is repeated
// like any other.
inline constexpr int VerifyTimerInterval = 100;

// The language text of the progress title of an operation.
int ProgressTitle(int operationType);
} // namespace ModSession

// One read, write or radio information read at a time: the checks before the first byte, the
// exchanges driven by the link's notification and WaitTimer, retries, questions, the password, the
// compatibility check and what is done with the result. Speaks to the user only through the
// prompter and the SessionView; the windows follow its signals.
class SessionEngine final : public QObject {
    Q_OBJECT
public:
    SessionEngine(LinkState& state, SerialLink& link, SessionView& view, QObject* parent = nullptr);

    // How another release is started when the compatibility check asks for it.
    void setLauncher(ModVersion::ProgramLauncher launcher) { launcher_ = std::move(launcher); }

    // The commands. Each returns false when it was refused because a session is still busy.
    bool StartRead();
    bool StartWrite();
    bool StartRadioInfoRead();
    // Reads the radio's image into ReadBackImage and nowhere else: no question before it, no
    // decode, the document and RadioImage stay as they are. Ends with
    // sessionFinished(OperationReadBack, ok).
    bool StartReadBack();
    // A successful write is then read back and compared: its end (message and sessionFinished)
    // follows the comparison. Off unless the caller turns it on.
    void setVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    bool verifyAfterWrite() const { return verifyAfterWrite_; }
    // Sessions from now on write their protocol trace there (off when the target is empty).
    void setTraceTarget(const TraceTarget& target) { traceTarget_ = target; }
    // True from a start command until the session and its follow-up timers are done.
    bool busy() const;
    // Stops the session under way at the next block boundary: the exchange out is let finish (or
    // time out), then "END" goes to a radio in programming mode and the port is closed; a read
    // leaves the configuration alone. False when nothing can be stopped any more: no session, only
    // the acknowledge of "END" awaited, or a complete read being decoded.
    bool Cancel();
    bool cancelRequested() const { return cancelRequested_; }

    bool OpenPort();
    void Advance();
    void OnReplyTimeout();
    void ConnectionLost();
    void AskRetry();
    void AbortOperation();
    void CloseOperation(bool success);

    // The protocol's request senders.
    void SendProgramRequest();
    void SendIdentifyRequest();
    void SendPasswordRead();
    void SendReadRequest();
    void ReadNextBlock();
    void SendWriteBlock();
    void WriteNextBlock();
    void SendEndRequest();
    void FinishTransfer();

    // The link's receive notification.
    void OnReceived();

    QTimer WaitTimer;
    QTimer ReadOKTimer;
    QTimer WaitSaveDataTimer;
    QTimer VerifyTimer;

signals:
    // Editors must store the value being typed: a read or write starts from what is shown.
    void commitEditsRequested(int operationType);
    void radioInfoWindowCloseRequested();
    void childWindowsCloseRequested();
    // The session is over (the port is closed); for a read the configuration follows on ReadOKTimer,
    // for a verified write it comes after the read-back and comparison.
    void sessionFinished(int operationType, bool success);
    // A read's image is complete in RadioImage (the port is closed): nothing has been done with
    // it yet, and the decode follows on ReadOKTimer.
    void radioImageRead();
    // A read's image has been decoded into the working configuration.
    void configurationRead();
    // A radio information read's area has been decoded into RadioDetails.
    void radioDetailsRead();
    // Another release was started for the radio's firmware: this program ends now.
    void programEndRequested();
    // The session was stopped by Cancel; sessionFinished(operationType, false) follows (for a
    // write's read-back: OperationWrite).
    void sessionCancelled(int operationType);

private:
    void onWaitSaveDataTimer();
    void onReadOKTimer();
    void onVerifyTimer();
    void beginReadBack();
    void finishVerify(bool readBack);
    void beginExchange();
    void startTrace();
    void traceNote(const QString& text);
    bool stopIfCancelled();
    void finishCancelled(int operationType);
    void send(const QByteArray& request, int replyLength);
    void updateProgress();
    void showProgress(int percent);
    void sendConfirmRead();
    void onConfirmBlock(const QByteArray& reply);
    void onResend();
    void onIdentity(const QByteArray& reply);
    void onPasswordBlock(const QByteArray& reply);
    void checkCompatibility();
    bool reopenAfterHangUp();
    QString openFailureText();
    int operationState() const;
    void setOperationState(int value);
    int blockIndex() const;

    LinkState& state_;
    SerialLink& link_;
    SessionView& view_;
    ModVersion::ProgramLauncher launcher_ = ModVersion::StartDetached;
    bool progressShown_ = false;
    QString device_; // the device of comPort when the session opened it
    // Once a write block's reply has timed out, a late acknowledge can still arrive at any later
    // exchange, and acknowledges carry no address: from then on every written block is read back
    // and compared before the write moves on.
    bool confirmWrites_ = false;
    bool confirming_ = false; // the request out is such a read-back
    int refusals_ = 0;        // 0A answers to the write block now out; a radio may refuse for ever
    bool verifyAfterWrite_ = false;
    bool verifying_ = false;     // the read-back under way checks the write just ended
    bool askBeforeWrite_ = true; // false for a write again the user has just asked for
    bool cancelRequested_ = false;
    bool cancelling_ = false;      // the session is being closed by a cancel
    bool programAccepted_ = false; // the radio has entered programming mode in this session
    bool blocksSent_ = false;      // a write has sent the radio at least one block
    TraceTarget traceTarget_;
    bool traceFileStarted_ = false; // a trace file named by the caller is added to after its first session
    std::unique_ptr<SessionTrace> trace_;
};

} // namespace mk21
