// Fuzzes what the radio sends during a session. The first byte picks the operation and the state
// the session waits in, the second the block it is at, the third the cable's echo mode, the user's
// answers and the password; then the line brings pieces: a length byte and that many bytes, or a
// length byte of FF for a reply that timed out. Whatever arrives, the session sends only
// well-formed requests inside the radio's memory, frames each reply by the request it sent, and
// leaves the port closed when it ends.
#include "app/AppState.h"
#include "base/Prompter.h"
#include "link/Protocol.h"
#include "link/SerialLink.h"
#include "link/SessionEngine.h"
#include "link/SessionView.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

using namespace mk21;
using namespace mk21::ModSession;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The line to the radio: writes are kept, bytes arrive only when the fuzzer delivers them.
class FuzzLink final : public SerialLink {
public:
    bool open(const QString&) override
    {
        open_ = true;
        inbox_.clear();
        return true;
    }
    void close() override
    {
        open_ = false;
        inbox_.clear();
    }
    bool isOpen() const override { return open_; }
    void clearBuffers() override { inbox_.clear(); }
    bool write(const QByteArray& bytes) override
    {
        sent.append(bytes);
        writtenWhileClosed = writtenWhileClosed || !open_;
        return open_;
    }
    QByteArray readAll() override { return std::exchange(inbox_, QByteArray()); }
    void setReceiveThreshold(int bytes) override { threshold = bytes; }

    void deliver(const QByteArray& bytes)
    {
        if (!open_)
            return;
        inbox_.append(bytes);
        if (inbox_.size() >= threshold)
            emit received();
    }

    QList<QByteArray> sent;
    bool writtenWhileClosed = false;
    int threshold = 1;

private:
    bool open_ = false;
    QByteArray inbox_;
};

// Answers every question by the next bit of `answers`: 1 goes on (OK, Yes, Retry), 0 stops.
class BitPrompter final : public Prompter {
public:
    explicit BitPrompter(std::uint8_t answers) : answers_(answers) {}

    PromptAnswer ask(const Prompt& prompt) override
    {
        const bool goOn = ((answers_ >> (asked_++ % 8)) & 1) != 0;
        switch (prompt.buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::OkCancel: return goOn ? PromptAnswer::Ok : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel: return goOn ? PromptAnswer::Yes : PromptAnswer::No;
        case PromptButtons::RetryCancel: return goOn ? PromptAnswer::Retry : PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }

private:
    std::uint8_t answers_;
    unsigned asked_ = 0;
};

class QuietView final : public SessionView {
public:
    explicit QuietView(std::optional<QString> password) : password_(std::move(password)) {}
    void sessionStarted(int) override {}
    void progressChanged(int) override {}
    void sessionEnded(int, bool) override {}
    std::optional<QString> askPassword(const QString&) override { return password_; }

private:
    std::optional<QString> password_;
};

int addressOf(const QByteArray& request)
{
    return static_cast<std::uint8_t>(request.at(1)) * 256 + static_cast<std::uint8_t>(request.at(2));
}

// The requests the protocol has, with their addresses inside the radio's memory.
bool isWellFormedRequest(const QByteArray& request)
{
    if (request == ModComm::ProgramRequest() || request == ModComm::IdentifyRequest() ||
        request == ModComm::EndRequest())
        return true;
    if (request.size() == 4 && request.at(0) == 'R')
        return request.at(3) == ModComm::BlockSize &&
               addressOf(request) + ModComm::BlockSize <= ModComm::InfoEndAddress + 1;
    if (request.size() == 6 + ModComm::BlockSize && request.at(0) == 'W')
        return request.at(3) == ModComm::BlockSize &&
               addressOf(request) + ModComm::BlockSize <= RadioImageSize &&
               static_cast<std::uint8_t>(request.at(20)) == ModComm::Checksum(request.constData() + 1, 19) &&
               request.at(21) == ModComm::AckByte;
    return false;
}

void checkSession(const LinkState& state, const FuzzLink& link, qsizetype checkedUpTo)
{
    const SessionState& s = state.session;
    require(!link.writtenWhileClosed);
    for (qsizetype i = checkedUpTo; i < link.sent.size(); ++i)
        require(isWellFormedRequest(link.sent.at(i)));
    if (s.OperationType == OperationIdle)
        require(!link.isOpen() && !s.AwaitingReply);
    if (s.AwaitingReply) {
        // The reply is framed by the request now out: its echo, then its answer.
        require(link.isOpen() && !link.sent.isEmpty());
        require(s.EchoSkip == ModComm::EchoSkipFor(s.EchoMode, static_cast<int>(link.sent.back().size())));
        require(link.threshold == s.ReceiveThreshold && s.ReceiveThreshold > s.EchoSkip);
    }
}

// What OpenPort sets up (without asking the system for its ports), then the requests that put the
// session into the chosen state.
void enterState(SessionEngine& engine, LinkState& state, FuzzLink& link, std::uint8_t pick,
                std::uint8_t block)
{
    SessionState& s = state.session;
    const int op = pick % 3 + 1;
    const bool info = op == OperationRadioInfo;
    s.OperationType = op;
    s.BlockSize = ModComm::BlockSize;
    const int first = info ? ModComm::InfoStartAddress : 0;
    s.EndAddress = info ? ModComm::InfoEndAddress : ModComm::ReadEndAddress;
    s.CurrentAddress = first - s.BlockSize;
    s.BlockRetries = QList<Integer>(static_cast<int>(std::lround(s.EndAddress / 16.0)) + 1, 3);
    s.PasswordRetries = 3;
    link.open(QString());

    auto setState = [&](int value) {
        if (op == OperationWrite)
            s.WriteState = static_cast<Integer>(value);
        else
            s.ReadState = static_cast<Integer>(value);
    };
    engine.SendProgramRequest();
    switch (pick / 3 % 5) {
    case 0: break;
    case 1:
        // A radio information read awaits the identity in its password state.
        setState(info ? StateAwaitPassword : StateAwaitIdentity);
        engine.SendIdentifyRequest();
        break;
    case 2:
        if (!info) {
            setState(StateAwaitPassword);
            engine.SendPasswordRead();
            break;
        }
        [[fallthrough]];
    case 3: {
        setState(op == OperationWrite ? StateWriteBlocks : StateReadBlocks);
        const int blocks = (s.EndAddress - first) / s.BlockSize + 1;
        s.CurrentAddress = first + block % blocks * s.BlockSize;
        if (op == OperationWrite)
            engine.SendWriteBlock();
        else
            engine.SendReadRequest();
        break;
    }
    default: engine.FinishTransfer(); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // Timers need the event dispatcher of an application; none of them is left to fire.
    int argc = 1;
    char name[] = "FuzzSessionReplies";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);

    const std::uint8_t flags = data[2];
    BitPrompter prompter(static_cast<std::uint8_t>(flags >> 1));
    QuietView view((flags & 0x80) != 0 ? std::optional<QString>(QStringLiteral("1234")) : std::nullopt);
    AppState state(prompter);
    // This release serves the firmware the seeds name, so a matching radio passes the checks.
    state.versionTable = {{QStringLiteral("V200"), QStringLiteral("V200")}};
    state.session.EchoMode = (flags & 1) != 0;
    FuzzLink link;
    SessionEngine engine(state, link, view);
    engine.setLauncher([](const QString&) { return false; });

    enterState(engine, state, link, data[0], data[1]);
    checkSession(state, link, 0);
    std::size_t at = 3;
    while (at < size) {
        const qsizetype checked = link.sent.size();
        const std::uint8_t length = data[at++];
        if (length == 0xFF) {
            engine.OnReplyTimeout();
        } else {
            const std::size_t n = std::min<std::size_t>(length, size - at);
            link.deliver(QByteArray(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(n)));
            at += n;
        }
        checkSession(state, link, checked);
    }
    if (state.session.OperationType != OperationIdle) {
        engine.AbortOperation();
        checkSession(state, link, 0);
        require(state.session.OperationType == OperationIdle);
    }
    return 0;
}
