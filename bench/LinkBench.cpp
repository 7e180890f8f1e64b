// Radio link throughput: full reads and writes against mk21sim, paced at 9600 baud with and
// without the cable's echo, each timed from sending "PROGRAM" to the acknowledge of "END" and
// set against the time the bytes need on the line; unpaced, the host's time per exchange. A paced
// write with its read-back is timed from the write's "PROGRAM" to the read-back's last reply and
// set against both sessions' bounds, with and without the pause (VerifyTimer) between them.
// Not run by CTest: build the target mk21_link_bench and run it (options below main).
#include "bench/IdleSpinners.h"
#include "tests/link/SimRadioProcess.h"
#include "tests/link/SimSession.h"

#include "base/texts/MessageTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace mk21;
using test::LinkTap;

constexpr double Baud = 9600.0;
constexpr double BitsPerByte = 10.0;
constexpr double TargetRatio = 1.02;
constexpr double VerifiedTargetRatio = 1.03; // write and read-back against both bounds

// One session's exchanges read off the tap: the window from the first "PROGRAM" to the last
// bytes read (the acknowledge of "END"), and what the engine's reply timeouts took of it.
struct Window {
    double seconds = 0;     // window less the timed-out exchanges
    double waitSeconds = 0; // timed-out exchanges: from their request to the request after the timeout
    int timeouts = 0;
    qint64 lineBytes = 0; // sent and answered in the exchanges that were not timed out, echo excluded
    int exchanges = 0;
};

Window Measure(const QList<LinkTap::Event>& events, const QList<int>& retryWrites, bool echo)
{
    Window w;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < events.size(); ++i) {
        if (first < 0 && events[i].kind == LinkTap::Kind::Write && events[i].bytes == "PROGRAM")
            first = i;
        if (events[i].kind == LinkTap::Kind::Read)
            last = i;
    }
    if (first < 0 || last < first)
        return w;
    // Exchanges: a request and every byte after it up to the next request.
    QList<qsizetype> writes;
    for (qsizetype i = first; i <= last; ++i) {
        if (events[i].kind == LinkTap::Kind::Write)
            writes.append(i);
    }
    for (qsizetype k = 0; k < writes.size(); ++k) {
        const qsizetype begin = writes[k];
        const qsizetype end = k + 1 < writes.size() ? writes[k + 1] : last + 1;
        const bool timedOut = k + 1 < writes.size() && retryWrites.contains(static_cast<int>(writes[k + 1]));
        if (timedOut) {
            ++w.timeouts;
            w.waitSeconds += (events[end].nanos - events[begin].nanos) / 1e9;
            continue;
        }
        ++w.exchanges;
        qint64 bytes = 0;
        for (qsizetype i = begin; i < end; ++i)
            bytes += events[i].bytes.size();
        w.lineBytes += echo ? bytes - events[begin].bytes.size() : bytes;
    }
    w.seconds = (events[last].nanos - events[first].nanos) / 1e9 - w.waitSeconds;
    return w;
}

// A write and its read-back: each session's window and the pause from the write's last reply to
// the read-back's "PROGRAM".
struct VerifiedWindow {
    Window write;
    Window readBack;
    double gapSeconds = 0;
};

// The tap's events split at the read-back's "PROGRAM", the first after the write's "END" (a
// "PROGRAM" repeated after a timeout while the echo is searched belongs to the write).
bool MeasureVerified(const QList<LinkTap::Event>& events, const QList<int>& retryWrites, bool echo,
                     VerifiedWindow& out)
{
    qsizetype second = -1;
    bool ended = false;
    for (qsizetype i = 0; i < events.size() && second < 0; ++i) {
        if (events[i].kind != LinkTap::Kind::Write)
            continue;
        if (events[i].bytes == "END")
            ended = true;
        else if (ended && events[i].bytes == "PROGRAM")
            second = i;
    }
    qsizetype lastOfWrite = -1;
    for (qsizetype i = 0; i < second; ++i) {
        if (events[i].kind == LinkTap::Kind::Read)
            lastOfWrite = i;
    }
    if (second < 0 || lastOfWrite < 0)
        return false;
    QList<int> laterRetries;
    for (int r : retryWrites) {
        if (r >= second)
            laterRetries.append(r - static_cast<int>(second));
    }
    out.write = Measure(events.first(second), retryWrites, echo);
    out.readBack = Measure(events.sliced(second), laterRetries, echo);
    out.gapSeconds = (events[second].nanos - events[lastOfWrite].nanos) / 1e9;
    return out.write.exchanges > 0 && out.readBack.exchanges > 0;
}

// One session on a fresh program state (so the cable's echo is searched for as at the start of a
// run) against a fresh simulated radio. False when it did not succeed. With `verified` the write
// is read back (`verifiedWindow` then holds both sessions) and must be reported verified.
bool RunSession(bool write, bool echo, bool paced, Window& window, VerifiedWindow* verified = nullptr)
{
    QStringList args;
    if (echo)
        args << QStringLiteral("--echo");
    if (!paced)
        args << QStringLiteral("--no-pacing");
    test::SimRadioProcess sim(args, test::PatternMemory());
    if (!sim.started())
        return false;
    test::SimSession s;
    s.engine.setVerifyAfterWrite(verified != nullptr);
    // The engine's own slot runs first and sends the repeated request: its index marks the timeout.
    QList<int> retryWrites;
    QObject::connect(&s.engine.WaitTimer, &QTimer::timeout, &s.engine,
                     [&] { retryWrites.append(static_cast<int>(s.link.events().size()) - 1); });
    const bool ended = s.runCommand(
        sim.device(), write ? &SessionEngine::StartWrite : &SessionEngine::StartRead, false, 120000);
    if (!ended || !s.success)
        return false;
    if (verified != nullptr) {
        if (!s.prompter.wasShown(Texts::Msg::WriteVerified)) {
            std::printf("    the write was not reported verified\n");
            return false;
        }
        if (!MeasureVerified(s.link.events(), retryWrites, echo, *verified)) {
            std::printf("    the write and its read-back could not be told apart on the line\n");
            return false;
        }
        return true;
    }
    window = Measure(s.link.events(), retryWrites, echo);
    return window.exchanges > 0;
}

// The median of a paced case's runs, with the range of their ratios: a run now and then loses a
// few hundred milliseconds to the host (a whole session, not one exchange), which one run hides.
void PrintPaced(const char* what, bool echo, std::vector<Window> runs)
{
    std::sort(runs.begin(), runs.end(),
              [](const Window& a, const Window& b) { return a.seconds < b.seconds; });
    const Window& w = runs[runs.size() / 2];
    const auto ratio = [](const Window& r) { return r.seconds / (r.lineBytes * BitsPerByte / Baud); };
    std::printf(
        "%s paced echo=%s: %.3f s, bound %.3f s, ratio %.3f (target <= %.2f; median of %zu, %.3f..%.3f)\n",
        what, echo ? "on" : "off", w.seconds, w.lineBytes * BitsPerByte / Baud, ratio(w), TargetRatio,
        runs.size(), ratio(runs.front()), ratio(runs.back()));
}

void PrintUnpaced(const char* what, bool echo, std::vector<Window> runs)
{
    std::sort(runs.begin(), runs.end(),
              [](const Window& a, const Window& b) { return a.seconds < b.seconds; });
    const Window& median = runs[runs.size() / 2];
    const auto perExchange = [](const Window& w) { return w.seconds * 1000.0 / w.exchanges; };
    std::printf(
        "%s unpaced echo=%s: %.3f s, %d exchanges, %.3f ms per exchange (median of %zu, %.3f..%.3f)\n", what,
        echo ? "on" : "off", median.seconds, median.exchanges, perExchange(median), runs.size(),
        perExchange(runs.front()), perExchange(runs.back()));
}

// The whole window (the pause before the read-back included) against both sessions' bounds, and
// the same without the pause; the median of the runs by the whole window.
void PrintVerified(bool echo, std::vector<VerifiedWindow> runs)
{
    const auto whole = [](const VerifiedWindow& r) {
        return r.write.seconds + r.readBack.seconds + r.gapSeconds;
    };
    std::sort(runs.begin(), runs.end(),
              [&](const VerifiedWindow& a, const VerifiedWindow& b) { return whole(a) < whole(b); });
    const VerifiedWindow& v = runs[runs.size() / 2];
    const double bound = (v.write.lineBytes + v.readBack.lineBytes) * BitsPerByte / Baud;
    const double busy = v.write.seconds + v.readBack.seconds;
    std::printf("write+verify paced echo=%s: %.3f s, bound %.3f s (write %.3f + read-back %.3f), ratio %.3f "
                "(target <= %.2f; median of %zu, %.3f..%.3f)\n",
                echo ? "on" : "off", whole(v), bound, v.write.lineBytes * BitsPerByte / Baud,
                v.readBack.lineBytes * BitsPerByte / Baud, whole(v) / bound, VerifiedTargetRatio, runs.size(),
                whole(runs.front()) / bound, whole(runs.back()) / bound);
    std::printf("    without the %.3f s from the write's END to the read-back (VerifyTimer %d ms): %.3f s, "
                "ratio %.3f\n",
                v.gapSeconds, ModSession::VerifyTimerInterval, busy, busy / bound);
    std::printf("    write alone ratio %.3f, read-back alone ratio %.3f; %lld bytes on the line",
                v.write.seconds / (v.write.lineBytes * BitsPerByte / Baud),
                v.readBack.seconds / (v.readBack.lineBytes * BitsPerByte / Baud),
                static_cast<long long>(v.write.lineBytes + v.readBack.lineBytes));
    const int timeouts = v.write.timeouts + v.readBack.timeouts;
    if (timeouts > 0)
        std::printf("; left out: %d WaitTimer expir%s, %.3f s", timeouts, timeouts == 1 ? "y" : "ies",
                    v.write.waitSeconds + v.readBack.waitSeconds);
    std::printf("\n");
    std::fflush(stdout);
}

// What the figures above leave out.
void PrintAside(const Window& w)
{
    std::printf("    %lld bytes on the line", static_cast<long long>(w.lineBytes));
    if (w.timeouts > 0)
        std::printf("; left out: %d WaitTimer expir%s while the cable's echo was searched, %.3f s",
                    w.timeouts, w.timeouts == 1 ? "y" : "ies", w.waitSeconds);
    std::printf("\n");
    std::fflush(stdout);
}

void PrintSpinners(int running, bool wanted)
{
    if (running > 0)
        std::printf("paced sessions with %d idle spinner(s) keeping the processors awake "
                    "(--let-cpus-idle: without)\n",
                    running);
    else
        std::printf("paced sessions with the processors left to idle%s\n",
                    wanted ? " (the lowest scheduling class was refused)" : "");
    std::fflush(stdout);
}

} // namespace

// Options: --paced-runs N (3), --unpaced-runs N (5), --let-cpus-idle (paced sessions without the
// idle spinners).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto runsOption = [&args](const char* name, int fallback) {
        const qsizetype option = args.indexOf(QLatin1String(name));
        return option > 0 ? std::max(1, args.value(option + 1).toInt()) : fallback;
    };
    const int pacedRuns = runsOption("--paced-runs", 3);
    const int unpacedRuns = runsOption("--unpaced-runs", 5);
    const bool spinnersWanted = bench::SpinnersWanted(argc, argv);
    std::printf(
        "each from the first \"PROGRAM\" to the acknowledge of \"END\"; WaitSaveDataTimer (before) and "
        "ReadOKTimer (after) lie outside\n");
    int failures = 0;
    for (const bool paced : {true, false}) {
        // Unpaced sessions measure the host's own time, which the spinners would only take from.
        const bench::IdleSpinners spinners(paced && spinnersWanted);
        if (paced)
            PrintSpinners(spinners.running(), spinnersWanted);
        for (const bool write : {false, true}) {
            for (const bool echo : {false, true}) {
                const char* what = write ? "write" : "read";
                std::vector<Window> runs;
                for (int i = 0; i < (paced ? pacedRuns : unpacedRuns); ++i) {
                    Window w;
                    if (RunSession(write, echo, paced, w))
                        runs.push_back(w);
                }
                const int wanted = paced ? pacedRuns : unpacedRuns;
                if (static_cast<int>(runs.size()) < wanted) {
                    std::printf("%s %s echo=%s: %d of %d sessions failed\n", what,
                                paced ? "paced" : "unpaced", echo ? "on" : "off",
                                wanted - static_cast<int>(runs.size()), wanted);
                    ++failures;
                }
                if (runs.empty())
                    continue;
                if (paced)
                    PrintPaced(what, echo, runs);
                else
                    PrintUnpaced(what, echo, runs);
                PrintAside(runs.front());
            }
        }
        if (paced) {
            for (const bool echo : {false, true}) {
                std::vector<VerifiedWindow> verifiedRuns;
                for (int i = 0; i < pacedRuns; ++i) {
                    Window unused;
                    VerifiedWindow v;
                    if (RunSession(true, echo, true, unused, &v))
                        verifiedRuns.push_back(v);
                }
                if (static_cast<int>(verifiedRuns.size()) < pacedRuns) {
                    std::printf("write+verify paced echo=%s: %d of %d sessions failed or were not verified\n",
                                echo ? "on" : "off", pacedRuns - static_cast<int>(verifiedRuns.size()),
                                pacedRuns);
                    ++failures;
                }
                if (!verifiedRuns.empty())
                    PrintVerified(echo, verifiedRuns);
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
