// mk21sim: a simulated MK-21 radio on a pseudo-terminal, for testing the program without hardware.
#include "tools/sim/FaultPlan.h"
#include "tools/sim/PseudoTerminal.h"
#include "tools/sim/RadioMemory.h"
#include "tools/sim/RadioResponder.h"
#include "tools/sim/RadioSession.h"
#include "tools/sim/SimClock.h"
#include "tools/sim/SimLog.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimServer.h"
#include "tools/sim/UniqueFd.h"

#include <QFileInfo>
#include <QStringList>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>

#include <cstdio>

using namespace mk21::sim;

namespace {

// SIGTERM and SIGINT are taken as readable events, so that the loop can save and leave cleanly.
UniqueFd StopSignals()
{
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGTERM);
    sigaddset(&mask, SIGINT);
    if (sigprocmask(SIG_BLOCK, &mask, nullptr) != 0)
        return {};
    return UniqueFd(signalfd(-1, &mask, SFD_NONBLOCK | SFD_CLOEXEC));
}

bool SaveMemory(const RadioMemory& memory, const QString& path, const SimLog& log)
{
    if (path.isEmpty())
        return true;
    QString error;
    if (!memory.Save(path, error)) {
        log.Always(error.toStdString());
        return false;
    }
    log.Note("memory saved to " + path.toStdString());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // A save beyond the file size limit then fails like a full disk instead of killing the radio.
    signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    ParsedOptions parsed = ParseOptions(arguments);
    if (parsed.help || parsed.version) {
        std::fputs(parsed.help ? UsageText() : VersionText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "mk21sim: %s\n%s", parsed.error.toLocal8Bit().constData(), UsageText());
        return 2;
    }
    SimOptions& options = *parsed.options;
    const SimLog log(options.verbose);

    signal(SIGPIPE, SIG_IGN);
    UniqueFd stopSignals = StopSignals();
    if (!stopSignals.valid()) {
        log.Always("cannot take the stop signals");
        return 1;
    }
    // Default timer slack would let each paced byte leave up to 50 us late.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    RadioMemory memory;
    memory.StampIdentity(options.identity);
    if (!options.memoryPath.isEmpty() && QFileInfo::exists(options.memoryPath)) {
        QString error;
        if (!memory.Load(options.memoryPath, error)) {
            log.Always(error.toStdString());
            return 1;
        }
    }
    if (options.password)
        memory.SetPassword(*options.password);

    const std::uint64_t seed = options.seed.value_or(static_cast<std::uint64_t>(MonotonicNow()));
    options.faults.SetSeed(seed);
    if (options.faults.HasRates())
        log.Always("fault seed " + std::to_string(seed));

    std::string error;
    std::optional<PseudoTerminal> pty = PseudoTerminal::Create(error);
    if (!pty) {
        log.Always(error);
        return 1;
    }
    std::printf("%s\n", pty->SlavePath().c_str());
    std::fflush(stdout);

    RadioResponder responder(memory, options.identity);
    RadioSession session(responder, options.faults, options.delayMs);
    const QString memoryPath = options.memoryPath;
    SimServer server(*pty, session, std::move(stopSignals), {.echo = options.echo, .baud = options.baud}, log,
                     [&memory, &memoryPath, &log] { SaveMemory(memory, memoryPath, log); });
    const int code = server.Run();
    pty->HangUp();
    return SaveMemory(memory, memoryPath, log) ? code : 1;
}
