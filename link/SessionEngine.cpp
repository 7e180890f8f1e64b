#include "link/SessionEngine.h"

#include "base/FixedText.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "data/ImageCodec.h"
#include "link/ImageCompare.h"
#include "link/LinkState.h"
#include "link/PortMap.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "link/SessionView.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace mk21 {

using namespace ModSession;

namespace {

constexpr int ProgramRequestTries = 3; // repetitions after the first program request
constexpr int BlockRetryCount = 3;
constexpr int BlockResendLimit = 3; // resends of one block the radio answered with 0A
const char* const PasswordFailure = "PassWord Failure!";

// While a question is open its nested event loop still delivers the port's notifications: a late
// or repeated reply must not move the session on underneath the question.
class QuietWhileAsking final {
public:
    explicit QuietWhileAsking(SessionState& s) : s_(s), was_(s.AwaitingReply) { s_.AwaitingReply = false; }
    ~QuietWhileAsking() { s_.AwaitingReply = was_; }
    QuietWhileAsking(const QuietWhileAsking&) = delete;
    QuietWhileAsking& operator=(const QuietWhileAsking&) = delete;

private:
    SessionState& s_;
    bool was_;
};

void initTimer(QTimer& timer, const char* name, int interval)
{
    timer.setObjectName(QString::fromLatin1(name));
    timer.setSingleShot(true);
    timer.setInterval(interval);
}

} // namespace

int ModSession::ProgressTitle(int operationType)
{
    return operationType == OperationReadBack ? Texts::Msg::VerifyingTitle
                                              : Texts::Msg::ProgressTitleBase + operationType;
}

SessionEngine::SessionEngine(LinkState& state, SerialLink& link, SessionView& view, QObject* parent)
    : QObject(parent), state_(state), link_(link), view_(view)
{
    initTimer(WaitTimer, "WaitTimer", WaitTimerInterval);
    initTimer(ReadOKTimer, "ReadOKTimer", ReadOKTimerInterval);
    initTimer(WaitSaveDataTimer, "WaitSaveDataTimer", WaitSaveDataTimerInterval);
    initTimer(VerifyTimer, "VerifyTimer", VerifyTimerInterval);
    // A coarse timer may fire 5 % late, and this pause is part of every verified write's time.
    VerifyTimer.setTimerType(Qt::PreciseTimer);
    connect(&WaitTimer, &QTimer::timeout, this, &SessionEngine::OnReplyTimeout);
    connect(&ReadOKTimer, &QTimer::timeout, this, &SessionEngine::onReadOKTimer);
    connect(&WaitSaveDataTimer, &QTimer::timeout, this, &SessionEngine::onWaitSaveDataTimer);
    connect(&VerifyTimer, &QTimer::timeout, this, &SessionEngine::onVerifyTimer);
    connect(&link_, &SerialLink::received, this, &SessionEngine::OnReceived);
}

bool SessionEngine::busy() const
{
    return state_.session.OperationType != OperationIdle || WaitSaveDataTimer.isActive() ||
           ReadOKTimer.isActive() || VerifyTimer.isActive();
}

// ---- starting a session -------------------------------------------------------------------------

bool SessionEngine::StartRead()
{
    if (busy())
        return false;
    cancelRequested_ = false;
    SessionState& s = state_.session;
    emit commitEditsRequested(OperationRead);
    s.OperationType = OperationRead;
    s.ReadState = StateIdle;
    if (!OpenPort()) {
        s.OperationType = OperationIdle;
        emit sessionFinished(OperationRead, false);
        return true;
    }
    link_.close();
    if (ShowMsg(state_, Texts::Msg::ConfirmRead, PromptIcon::Question, PromptButtons::OkCancel) !=
        PromptAnswer::Ok) {
        s.OperationType = OperationIdle;
        emit sessionFinished(OperationRead, false);
        return true;
    }
    ModImage::PrefillImage(state_, false);
    beginExchange();
    return true;
}

bool SessionEngine::StartWrite()
{
    if (busy())
        return false;
    cancelRequested_ = false;
    blocksSent_ = false;
    emit commitEditsRequested(OperationWrite);
    // The editors' commits may themselves be queued; the write starts after them.
    WaitSaveDataTimer.start();
    return true;
}

void SessionEngine::onWaitSaveDataTimer()
{
    WaitSaveDataTimer.stop();
    SessionState& s = state_.session;
    const bool ask = std::exchange(askBeforeWrite_, true);
    s.OperationType = OperationWrite;
    s.WriteState = StateIdle;
    if (!OpenPort()) {
        s.OperationType = OperationIdle;
        emit sessionFinished(OperationWrite, false);
        return;
    }
    link_.close();
    if (ask && ShowMsg(state_, Texts::Msg::ConfirmWrite, PromptIcon::Question, PromptButtons::OkCancel) !=
                   PromptAnswer::Ok) {
        s.OperationType = OperationIdle;
        emit sessionFinished(OperationWrite, false);
        return;
    }
    ModImage::PrefillImage(state_, false);
    ModImage::EncodeImage(state_);
    beginExchange();
}

bool SessionEngine::StartRadioInfoRead()
{
    if (busy())
        return false;
    SessionState& s = state_.session;
    cancelRequested_ = false;
    emit radioInfoWindowCloseRequested();
    s.OperationType = OperationRadioInfo;
    if (!OpenPort()) {
        s.OperationType = OperationIdle;
        emit sessionFinished(OperationRadioInfo, false);
        return true;
    }
    ModImage::PrefillImage(state_, true);
    startTrace();
    s.SendCount = 0;
    SendProgramRequest();
    return true;
}

bool SessionEngine::StartReadBack()
{
    if (busy())
        return false;
    cancelRequested_ = false;
    verifying_ = false;
    beginReadBack();
    return true;
}

void SessionEngine::onVerifyTimer()
{
    VerifyTimer.stop();
    verifying_ = true;
    beginReadBack();
}

void SessionEngine::beginReadBack()
{
    SessionState& s = state_.session;
    s.OperationType = OperationReadBack;
    s.ReadState = StateIdle;
    s.WriteState = StateIdle;
    if (!OpenPort()) {
        CloseOperation(false);
        return;
    }
    state_.ReadBackImage.fill(0xFF);
    beginExchange();
}

// The read-back of a write is over: the comparison is the write's outcome.
void SessionEngine::finishVerify(bool readBack)
{
    verifying_ = false;
    if (!readBack) {
        ShowMsg(state_, Texts::Msg::WriteNotVerified, PromptIcon::Warning);
        emit sessionFinished(OperationWrite, false);
        return;
    }
    const QList<int> differing = ModVerify::DifferingBlocks(state_.RadioImage, state_.ReadBackImage);
    if (differing.isEmpty()) {
        ShowMsg(state_, Texts::Msg::WriteVerified);
        emit sessionFinished(OperationWrite, true);
        return;
    }
    const QStringList args{QString::number(differing.size()), ModVerify::AddressList(differing)};
    if (ShowMsgWith(state_, Texts::Msg::WriteDiffers, args, PromptIcon::Warning, PromptButtons::YesNo) ==
        PromptAnswer::Yes) {
        // The answer was the go-ahead: the write starts without asking again.
        askBeforeWrite_ = false;
        StartWrite();
        return;
    }
    emit sessionFinished(OperationWrite, false);
}

bool SessionEngine::Cancel()
{
    if (WaitSaveDataTimer.isActive()) {
        // The write has not begun: the radio has been sent nothing.
        WaitSaveDataTimer.stop();
        askBeforeWrite_ = true;
        finishCancelled(OperationWrite);
        return true;
    }
    if (VerifyTimer.isActive()) {
        VerifyTimer.stop();
        verifying_ = true;
        finishCancelled(OperationReadBack);
        return true;
    }
    if (state_.session.OperationType == OperationIdle || operationState() == StateEnding)
        return false;
    if (!cancelRequested_)
        traceNote(QStringLiteral("cancel asked"));
    cancelRequested_ = true;
    return true;
}

// Called wherever the session would move on (a reply taken, a timeout, a question answered): a
// cancel asked for meanwhile ends it here, so no exchange is cut in half.
bool SessionEngine::stopIfCancelled()
{
    if (!cancelRequested_ || operationState() == StateEnding)
        return false;
    cancelRequested_ = false;
    cancelling_ = true;
    WaitTimer.stop();
    // "END" takes the radio out of programming mode; one that never entered it is left alone.
    if (programAccepted_ && link_.isOpen())
        SendEndRequest();
    CloseOperation(false);
    return true;
}

// The session is closed after a cancel: say what that left in the radio.
void SessionEngine::finishCancelled(int operationType)
{
    if (operationType == OperationReadBack && std::exchange(verifying_, false)) {
        ShowMsg(state_, Texts::Msg::VerifyCancelled, PromptIcon::Warning);
        emit sessionCancelled(OperationWrite);
        emit sessionFinished(OperationWrite, false);
        return;
    }
    if (operationType == OperationWrite)
        ShowMsg(state_, blocksSent_ ? Texts::Msg::WriteCancelled : Texts::Msg::WriteCancelledUntouched,
                PromptIcon::Warning);
    emit sessionCancelled(operationType);
    emit sessionFinished(operationType, false);
}

// The progress window's loading: it reopens the port and sends the first request.
void SessionEngine::beginExchange()
{
    if (stopIfCancelled())
        return;
    SessionState& s = state_.session;
    progressShown_ = true;
    view_.sessionStarted(s.OperationType);
    startTrace();
    if (!link_.isOpen() && !link_.open(device_)) {
        ShowMsg(state_, Texts::Msg::PortError, PromptIcon::Critical);
        CloseOperation(false);
        return;
    }
    s.SendCount = 0;
    SendProgramRequest();
}

// A trace the user asked for that cannot be written is said once, and the session goes on.
void SessionEngine::startTrace()
{
    trace_.reset();
    if (!traceTarget_.enabled())
        return;
    SessionTrace::Opened opened =
        SessionTrace::Open(traceTarget_, traceFileStarted_, state_.session.OperationType, device_);
    if (!opened.trace) {
        QuietWhileAsking quiet(state_.session);
        const QString text = FillTextArgs(GetLangText(state_, Texts::Msg::TraceNotWritten), {opened.path});
        ShowMsgText(state_, Texts::Msg::TraceNotWritten,
                    opened.error.isEmpty() ? text : text + QStringLiteral(" (") + opened.error + u')',
                    PromptIcon::Warning);
        return;
    }
    traceFileStarted_ = !traceTarget_.file.isEmpty();
    trace_ = std::move(opened.trace);
}

void SessionEngine::traceNote(const QString& text)
{
    if (trace_)
        trace_->note(text);
}

// Why the port did not open: what to do about it in the user's language when the kind is known,
// followed by the system's own words (for whoever helps the user); else those words alone.
QString SessionEngine::openFailureText()
{
    using F = SerialLink::OpenFailure;
    int advice = 0;
    switch (link_.openFailure()) {
    case F::NoSuchDevice: advice = Texts::Msg::PortNoSuchDevice; break;
    case F::PermissionDenied: advice = Texts::Msg::PortPermissionDenied; break;
    case F::Busy: advice = Texts::Msg::PortBusy; break;
    case F::Unknown: break;
    }
    const QString system = link_.openError();
    if (advice == 0)
        return system;
    const QString text = GetLangText(state_, advice);
    return system.isEmpty() ? text : text + QStringLiteral(" (") + system + u')';
}

bool SessionEngine::OpenPort()
{
    SessionState& s = state_.session;
    s.BlockSize = ModComm::BlockSize;
    if (s.OperationType == OperationRadioInfo) {
        s.CurrentAddress = ModComm::InfoStartAddress - ModComm::BlockSize;
        s.EndAddress = ModComm::InfoEndAddress;
    } else {
        s.EndAddress = ModComm::ReadEndAddress;
        s.CurrentAddress = -s.BlockSize;
    }
    s.LastPercent = 0;
    WaitTimer.stop();
    confirmWrites_ = false;
    confirming_ = false;
    refusals_ = 0;
    programAccepted_ = false;
    blocksSent_ = false;
    const int lastBlock = static_cast<int>(std::lround(s.EndAddress / 16.0));
    s.BlockRetries = QList<Integer>(lastBlock + 1, BlockRetryCount);

    if (link_.isOpen())
        link_.close();
    device_ = ModPorts::DeviceOfPort(state_, state_.settings.comPort);
    link_.setReceiveThreshold(1);
    if (device_.isEmpty() || !link_.open(device_)) {
        // The device (or the port number that has none) and the system's reason go below the text.
        QString detail = device_.isEmpty() ? QStringLiteral("port %1").arg(state_.settings.comPort) : device_;
        if (const QString reason = openFailureText(); !device_.isEmpty() && !reason.isEmpty())
            detail += QStringLiteral(": ") + reason;
        ShowMsgText(state_, Texts::Msg::PortError,
                    GetLangText(state_, Texts::Msg::PortError) + u'\n' + detail, PromptIcon::Critical);
        return false;
    }
    return true;
}

// ---- requests -----------------------------------------------------------------------------------

void SessionEngine::send(const QByteArray& request, int replyLength)
{
    SessionState& s = state_.session;
    link_.clearBuffers();
    s.EchoSkip = ModComm::EchoSkipFor(s.EchoMode, static_cast<int>(request.size()));
    s.ReceiveThreshold = replyLength + s.EchoSkip;
    link_.setReceiveThreshold(s.ReceiveThreshold);
    if (trace_) {
        trace_->state(s.OperationType, s.ReadState, s.WriteState);
        trace_->sent(request);
    }
    WaitTimer.start();
    link_.write(request);
}

void SessionEngine::SendProgramRequest()
{
    SessionState& s = state_.session;
    s.AwaitingReply = true;
    confirming_ = false;
    if (s.OperationType == OperationWrite) {
        s.WriteState = StateAwaitProgram;
        s.ReadState = StateIdle;
    } else {
        s.ReadState = StateAwaitProgram;
        s.WriteState = StateIdle;
    }
    send(ModComm::ProgramRequest(), ModComm::ProgramAcceptedLength);
}

void SessionEngine::SendIdentifyRequest()
{
    send(ModComm::IdentifyRequest(), ModComm::IdentityLength);
}

void SessionEngine::SendPasswordRead()
{
    send(ModComm::ReadRequest(ModComm::PasswordAddress, ModComm::BlockSize),
         ModComm::BlockSize + ModComm::DataBlockOverhead);
}

void SessionEngine::SendReadRequest()
{
    const SessionState& s = state_.session;
    if (s.CurrentAddress >= s.EndAddress) {
        FinishTransfer();
        return;
    }
    send(ModComm::ReadRequest(s.CurrentAddress, s.BlockSize), s.BlockSize + ModComm::DataBlockOverhead);
}

void SessionEngine::ReadNextBlock()
{
    state_.session.CurrentAddress += state_.session.BlockSize;
    SendReadRequest();
}

void SessionEngine::SendWriteBlock()
{
    const SessionState& s = state_.session;
    confirming_ = false;
    if (s.CurrentAddress >= s.EndAddress) {
        FinishTransfer();
        return;
    }
    // Only a write ever gets here below EndAddress, and always on a block of the image.
    if (s.CurrentAddress < 0 || s.CurrentAddress + ModComm::BlockSize > RadioImageSize)
        return;
    updateProgress();
    blocksSent_ = true;
    send(ModComm::WriteBlock(s.CurrentAddress, state_.RadioImage.data() + s.CurrentAddress),
         ModComm::AckReplyLength);
}

// Reads the block just written back: a data block carries its address and checksum, so no stale
// reply of an earlier exchange can pass for it.
void SessionEngine::sendConfirmRead()
{
    const SessionState& s = state_.session;
    confirming_ = true;
    send(ModComm::ReadRequest(s.CurrentAddress, s.BlockSize), s.BlockSize + ModComm::DataBlockOverhead);
}

void SessionEngine::onConfirmBlock(const QByteArray& reply)
{
    WaitTimer.stop();
    if (stopIfCancelled())
        return;
    SessionState& s = state_.session;
    const auto* data = reinterpret_cast<const Byte*>(reply.constData()) + s.EchoSkip + 4;
    const Byte* written = state_.RadioImage.data() + s.CurrentAddress;
    if (std::equal(data, data + s.BlockSize, written)) {
        confirming_ = false;
        Advance();
        return;
    }
    // The radio does not hold the block: it is written again, within the block's retries.
    const int index = blockIndex();
    if (index < 0 || index >= s.BlockRetries.size() || s.BlockRetries[index] < 1) {
        confirming_ = false;
        ConnectionLost();
        return;
    }
    --s.BlockRetries[index];
    SendWriteBlock();
}

void SessionEngine::WriteNextBlock()
{
    state_.session.CurrentAddress += state_.session.BlockSize;
    refusals_ = 0;
    SendWriteBlock();
}

void SessionEngine::SendEndRequest()
{
    send(ModComm::EndRequest(), ModComm::AckReplyLength);
}

void SessionEngine::FinishTransfer()
{
    setOperationState(StateEnding);
    SendEndRequest();
}

// ---- replies ------------------------------------------------------------------------------------

void SessionEngine::OnReceived()
{
    const QByteArray waiting = link_.readAll();
    SessionState& s = state_.session;
    if (trace_ && !waiting.isEmpty())
        trace_->received(waiting);
    if (!s.AwaitingReply)
        return;
    const QByteArray reply = waiting.left(s.ReceiveThreshold);
    if (confirming_) {
        // Only the block read back counts; anything else is left to the reply timeout.
        if (ModComm::IsDataBlock(reply, s.EchoSkip, s.CurrentAddress, s.BlockSize))
            onConfirmBlock(reply);
        return;
    }
    const bool inPasswordState = (s.OperationType == OperationRead || s.OperationType == OperationWrite ||
                                  s.OperationType == OperationReadBack) &&
                                 operationState() == StateAwaitPassword;
    const ModComm::ReplyContext context{s.EchoSkip, s.CurrentAddress, s.BlockSize, inPasswordState};
    switch (ModComm::MatchReply(reply, context)) {
    case ModComm::Reply::Ack:
        if (confirmWrites_ && s.OperationType == OperationWrite && s.WriteState == StateWriteBlocks) {
            WaitTimer.stop();
            // The acknowledge ends the exchange: a cancel stops here, before the block is read back.
            if (!stopIfCancelled())
                sendConfirmRead();
            break;
        }
        Advance();
        break;
    case ModComm::Reply::ProgramAccepted:
        programAccepted_ = true;
        Advance();
        break;
    case ModComm::Reply::Resend:
        WaitTimer.stop();
        onResend();
        break;
    case ModComm::Reply::Identity: onIdentity(reply); break;
    case ModComm::Reply::PasswordBlock: onPasswordBlock(reply); break;
    case ModComm::Reply::DataBlock:
        if (s.OperationType == OperationReadBack)
            ModComm::StoreDataBlockInto(s, reply, state_.ReadBackImage);
        else
            ModComm::StoreDataBlock(state_, reply);
        if (s.OperationType == OperationRead || s.OperationType == OperationReadBack)
            updateProgress();
        Advance();
        break;
    case ModComm::Reply::None: break; // the reply timeout deals with it
    }
}

// The radio asks for the block again. One that keeps refusing it would hold the session for
// ever: after three resends the write fails, and the radio is told "END".
void SessionEngine::onResend()
{
    if (stopIfCancelled())
        return;
    SessionState& s = state_.session;
    const bool writingBlocks = s.OperationType == OperationWrite && s.WriteState == StateWriteBlocks;
    if (writingBlocks && ++refusals_ > BlockResendLimit) {
        {
            QuietWhileAsking quiet(s);
            ShowMsgWith(state_, Texts::Msg::BlockRefused, {QString::number(s.CurrentAddress)},
                        PromptIcon::Critical);
        }
        AbortOperation();
        return;
    }
    SendWriteBlock();
}

void SessionEngine::onIdentity(const QByteArray& reply)
{
    SessionState& s = state_.session;
    // A quiet read leaves RadioImage and the capability flags as they are.
    if (s.OperationType == OperationRadioInfo || s.OperationType == OperationReadBack) {
        Advance();
        return;
    }
    ModComm::StoreIdentity(state_, reply);
    if (s.OperationType == OperationWrite) {
        const int refusal = state_.CurCapFlags[0] == 1   ? Texts::Msg::RadioLocked
                            : state_.CurCapFlags[1] == 1 ? Texts::Msg::NotAccepted
                                                         : 0;
        if (refusal != 0) {
            WaitTimer.stop();
            {
                QuietWhileAsking quiet(s);
                ShowMsg(state_, refusal);
            }
            AbortOperation();
            return;
        }
    }
    Advance();
}

void SessionEngine::onPasswordBlock(const QByteArray& reply)
{
    SessionState& s = state_.session;
    const int echoSkip = s.EchoSkip;
    if (ModComm::CheckPassword(reply, echoSkip, s.EnteredPassword)) {
        Advance();
        return;
    }
    WaitTimer.stop();
    {
        QuietWhileAsking quiet(s);
        if (const std::optional<QString> typed = view_.askPassword(s.EnteredPassword))
            s.EnteredPassword = TrimNul(*typed);
    }
    if (ModComm::CheckPassword(reply, echoSkip, s.EnteredPassword)) {
        Advance();
        return;
    }
    {
        QuietWhileAsking quiet(s);
        ShowText(state_, QString::fromLatin1(PasswordFailure));
    }
    AbortOperation();
}

void SessionEngine::checkCompatibility()
{
    SessionState& s = state_.session;
    WaitTimer.stop();
    if (s.OperationType == OperationReadBack) {
        // Nothing read back is taken into the document: there is nothing to check or ask.
        s.ReadState = StateReadBlocks;
        ReadNextBlock();
        return;
    }
    ModVersion::CompatibilityResult result;
    {
        QuietWhileAsking quiet(s);
        result = ModVersion::CheckRadioCompatibility(state_, s.IdentModel, s.IdentBand, s.IdentVersion,
                                                     s.OperationType, launcher_);
    }
    switch (result) {
    case ModVersion::CompatibilityResult::GoOn:
        if (stopIfCancelled())
            return;
        if (s.OperationType == OperationWrite) {
            s.WriteState = StateWriteBlocks;
            WriteNextBlock();
        } else {
            s.ReadState = StateReadBlocks;
            ReadNextBlock();
        }
        break;
    case ModVersion::CompatibilityResult::Stop: AbortOperation(); break;
    case ModVersion::CompatibilityResult::Launch:
        // The radio is taken out of programming mode before this program ends.
        AbortOperation();
        emit programEndRequested();
        break;
    }
}

// ---- the state machine --------------------------------------------------------------------------

void SessionEngine::Advance()
{
    WaitTimer.stop();
    if (stopIfCancelled())
        return;
    SessionState& s = state_.session;
    switch (s.OperationType) {
    case OperationRead:
    case OperationWrite:
    case OperationReadBack: {
        const bool write = s.OperationType == OperationWrite;
        switch (operationState()) {
        case StateAwaitProgram:
            setOperationState(StateAwaitIdentity);
            SendIdentifyRequest();
            return;
        case StateAwaitIdentity:
            setOperationState(StateAwaitPassword);
            SendPasswordRead();
            return;
        case StateAwaitPassword: checkCompatibility(); return;
        case StateReadBlocks:
            if (!write) {
                ReadNextBlock();
                return;
            }
            break;
        case StateWriteBlocks:
            if (write) {
                WriteNextBlock();
                return;
            }
            break;
        case StateEnding: CloseOperation(true); return;
        default: break;
        }
        break;
    }
    case OperationRadioInfo:
        switch (s.ReadState) {
        case StateAwaitProgram:
            s.ReadState = StateAwaitPassword;
            SendIdentifyRequest();
            return;
        case StateAwaitPassword:
        case StateReadBlocks:
            s.ReadState = StateReadBlocks;
            ReadNextBlock();
            return;
        case StateEnding: CloseOperation(true); return;
        default: break;
        }
        break;
    default: break;
    }
    AbortOperation();
}

void SessionEngine::OnReplyTimeout()
{
    WaitTimer.stop();
    traceNote(QStringLiteral("no reply within %1 ms").arg(WaitTimer.interval()));
    if (stopIfCancelled())
        return;
    SessionState& s = state_.session;
    const int op = s.OperationType;
    const int st = operationState();
    if (op == OperationRead || op == OperationWrite || op == OperationReadBack) {
        const int transferring = op == OperationWrite ? StateWriteBlocks : StateReadBlocks;
        if (st == StateAwaitProgram) {
            if (++s.SendCount > ProgramRequestTries) {
                ConnectionLost();
            } else {
                s.EchoMode = !s.EchoMode;
                SendProgramRequest();
            }
        } else if (st == StateAwaitIdentity) {
            ConnectionLost();
        } else if (st == StateAwaitPassword) {
            const int r = s.PasswordRetries;
            s.PasswordRetries = static_cast<Integer>(r - 1);
            if (r >= 2)
                SendPasswordRead();
            else
                ConnectionLost();
        } else if (st == transferring) {
            const int index = blockIndex();
            if (index < 0 || index >= s.BlockRetries.size() || s.BlockRetries[index] < 1) {
                ConnectionLost();
            } else {
                --s.BlockRetries[index];
                if (op != OperationWrite) {
                    SendReadRequest();
                } else if (confirming_) {
                    sendConfirmRead();
                } else {
                    confirmWrites_ = true;
                    SendWriteBlock();
                }
            }
        } else if (st == StateEnding) {
            CloseOperation(true); // a missing acknowledge of "END" counts as success
        }
    } else if (op == OperationRadioInfo) {
        if (st == StateAwaitProgram) {
            if (++s.SendCount > ProgramRequestTries) {
                AskRetry();
            } else {
                s.EchoMode = !s.EchoMode;
                SendProgramRequest();
            }
        } else if (st == StateAwaitPassword || st == StateReadBlocks) {
            AskRetry();
        } else if (st == StateEnding) {
            // Every block is in; only the acknowledge of "END" is missing, as a read or write allows.
            CloseOperation(true);
        }
    }
}

void SessionEngine::ConnectionLost()
{
    SessionState& s = state_.session;
    s.AwaitingReply = false;
    s.SendCount = 0;
    s.PasswordRetries = 3;
    traceNote(QStringLiteral("asking the user: no answer (9008)"));
    const PromptAnswer answer =
        ShowMsg(state_, Texts::Msg::NoAnswer, PromptIcon::Question, PromptButtons::OkCancel);
    traceNote(answer == PromptAnswer::Ok ? QStringLiteral("the user starts again")
                                         : QStringLiteral("the user gives up"));
    if (stopIfCancelled())
        return;
    if (answer == PromptAnswer::Ok) {
        if (!reopenAfterHangUp())
            return;
        // The operation starts again from its first state; the block counters keep their values.
        s.CurrentAddress = -s.BlockSize;
        s.LastPercent = 0;
        showProgress(0);
        SendProgramRequest();
    } else {
        AbortOperation();
    }
}

void SessionEngine::AskRetry()
{
    SessionState& s = state_.session;
    s.AwaitingReply = false;
    traceNote(QStringLiteral("asking the user: no answer (9008)"));
    const PromptAnswer answer =
        ShowMsg(state_, Texts::Msg::NoAnswer, PromptIcon::Question, PromptButtons::RetryCancel);
    traceNote(answer == PromptAnswer::Retry ? QStringLiteral("the user retries")
                                            : QStringLiteral("the user gives up"));
    if (stopIfCancelled())
        return;
    if (answer == PromptAnswer::Retry) {
        if (!reopenAfterHangUp())
            return;
        // Resume at the block that timed out: after the program request and the identity the
        // transfer goes on with the block after CurrentAddress.
        if (s.ReadState == StateReadBlocks)
            s.CurrentAddress -= s.BlockSize;
        SendProgramRequest();
    } else {
        AbortOperation();
    }
}

// The link closes itself when the line is lost (a cable pulled, the far end hung up); a retry the
// user asks for must then start on a freshly opened port.
bool SessionEngine::reopenAfterHangUp()
{
    if (link_.isOpen() || link_.open(device_))
        return true;
    ShowMsg(state_, Texts::Msg::PortError, PromptIcon::Critical);
    CloseOperation(false);
    return false;
}

void SessionEngine::AbortOperation()
{
    if (VerifyTimer.isActive()) {
        // Between a write and its read-back: the write stays unverified.
        VerifyTimer.stop();
        finishVerify(false);
        return;
    }
    // "END" takes the radio out of programming mode; there is nobody to tell on a closed port.
    if (link_.isOpen())
        SendEndRequest();
    CloseOperation(false);
}

void SessionEngine::CloseOperation(bool success)
{
    SessionState& s = state_.session;
    const int op = s.OperationType;
    s.AwaitingReply = false;
    confirming_ = false;
    cancelRequested_ = false;
    if (link_.isOpen())
        link_.close();
    if (trace_) {
        trace_->state(OperationIdle, StateIdle, StateIdle);
        trace_->note(cancelling_ ? QStringLiteral("session cancelled, port closed")
                     : success   ? QStringLiteral("session ended, port closed")
                                 : QStringLiteral("session failed, port closed"));
        trace_.reset();
    }
    if (progressShown_) {
        progressShown_ = false;
        view_.sessionEnded(op, success);
    }
    if (success && op == OperationRead) {
        emit radioImageRead();
        emit childWindowsCloseRequested();
        ReadOKTimer.start();
    } else if (success && op == OperationRadioInfo) {
        ModImage::DecodeRadioDetails(state_);
        emit radioDetailsRead();
    }
    WaitTimer.stop();
    s.OperationType = OperationIdle;
    s.ReadState = StateIdle;
    s.WriteState = StateIdle;
    if (std::exchange(cancelling_, false)) {
        finishCancelled(op);
        return;
    }
    if (op == OperationReadBack && verifying_) {
        finishVerify(success);
        return;
    }
    if (success && op == OperationWrite && verifyAfterWrite_) {
        // The comparison tells how the write ended, in place of 9010.
        VerifyTimer.start();
        return;
    }
    if (success && (op == OperationRead || op == OperationWrite))
        ShowMsg(state_, Texts::Msg::NoAnswer + op); // 9009 after a read, 9010 after a write
    emit sessionFinished(op, success);
}

void SessionEngine::onReadOKTimer()
{
    ReadOKTimer.stop();
    ModImage::DecodeImage(state_);
    emit configurationRead();
}

// ---- helpers ------------------------------------------------------------------------------------

void SessionEngine::updateProgress()
{
    SessionState& s = state_.session;
    if (s.EndAddress <= 0)
        return;
    const int p = static_cast<int>(std::lround(s.CurrentAddress * 100.0 / s.EndAddress));
    if (p - s.LastPercent >= 1) {
        s.LastPercent = static_cast<Integer>(p);
        showProgress(p);
    }
}

void SessionEngine::showProgress(int percent)
{
    if (progressShown_)
        view_.progressChanged(percent);
}

int SessionEngine::operationState() const
{
    const SessionState& s = state_.session;
    return s.OperationType == OperationWrite ? s.WriteState : s.ReadState;
}

void SessionEngine::setOperationState(int value)
{
    SessionState& s = state_.session;
    if (s.OperationType == OperationWrite)
        s.WriteState = static_cast<Integer>(value);
    else
        s.ReadState = static_cast<Integer>(value);
}

int SessionEngine::blockIndex() const
{
    return static_cast<int>(std::lround(state_.session.CurrentAddress / 16.0));
}

} // namespace mk21
