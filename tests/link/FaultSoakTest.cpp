// Seeded fault soak against mk21sim: many reads, writes and information reads, each with random
// faults, some cancelled at a random request. A session the retries can carry through must leave an
// identical image; every other one must end with its message, the port closed and the working
// configuration as it was; a cancelled one stops after the exchange out, with at most "END".
// MK21_SOAK_RUNS (default 36) and MK21_SOAK_SEED choose the runs.
#include "tests/link/SimRadioProcess.h"
#include "tests/link/SimSession.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>

namespace mk21 {
namespace {

using namespace ModSession;
using test::SimRadioProcess;

constexpr int RetryAnswers = 3; // questions answered Retry/OK before the prompter cancels
constexpr int MsgNoAnswer = 9008;
constexpr int MsgPortError = 9003;

// One run: what is asked of which radio, and whether any retry could bring it to its end.
struct SoakPlan {
    int operation = OperationRead;
    bool echo = false;
    QStringList faults;
    bool hopeless = false; // silent radio or hang-up
    int baud = 0;          // 0: unpaced
    quint64 simSeed = 0;
    char twist = 0;          // varies the radio's memory from run to run
    int cancelAtRequest = 0; // Cancel while this request (counted from 1) is out; 0: none

    QString describe() const
    {
        static const char* const names[] = {"", "read", "write", "info"};
        return QStringLiteral("%1 echo=%2 baud=%3 seed=%4 twist=%5 cancel=%7 faults=%6")
            .arg(QLatin1String(names[operation]))
            .arg(echo ? 1 : 0)
            .arg(baud)
            .arg(simSeed)
            .arg(static_cast<int>(static_cast<unsigned char>(twist)))
            .arg(faults.join(u','))
            .arg(cancelAtRequest);
    }
};

int EnvInt(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

SoakPlan PlanFaults(std::mt19937_64& rng)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    SoakPlan plan;
    const double op = unit(rng);
    plan.operation = op < 0.45 ? OperationRead : op < 0.85 ? OperationWrite : OperationRadioInfo;
    plan.echo = unit(rng) < 0.5;
    plan.simSeed = rng() % 1000000;
    plan.twist = static_cast<char>(rng() & 0xFF);

    const double shape = unit(rng);
    if (shape < 0.06) {
        plan.faults << QStringLiteral("silent");
        plan.hopeless = true;
        return plan;
    }
    // Block requests the radio answers in a clean session: the password block and 177 blocks, or 31.
    const int blocks = plan.operation == OperationRadioInfo ? 31 : 178;
    if (shape < 0.15) {
        // The radio lets the program read its last reply before it hangs up (some 20 ms), and
        // answers what comes meanwhile: unpaced that can be the rest of the session. Paced at
        // 38400 baud it is a few blocks at most.
        plan.faults << QStringLiteral("hangup-after:%1").arg(1 + static_cast<int>(rng() % (blocks - 10)));
        plan.baud = 38400;
        plan.hopeless = true;
    }
    QStringList kinds{QStringLiteral("drop"), QStringLiteral("garbage")};
    if (plan.operation == OperationWrite) {
        // Late acknowledges and refusals together: a late acknowledge must not be taken for a
        // later block's reply.
        kinds << QStringLiteral("delay") << QStringLiteral("resend");
    } else {
        kinds << QStringLiteral("delay") << QStringLiteral("checksum") << QStringLiteral("address");
    }
    for (const QString& kind : kinds) {
        if (unit(rng) < 0.45) {
            // Each lost reply costs a reply timeout; delays also disturb the next exchanges.
            const double rate =
                kind == QLatin1String("delay") ? 0.002 + 0.006 * unit(rng) : 0.004 + 0.02 * unit(rng);
            plan.faults << QStringLiteral("%1:%2").arg(kind).arg(rate, 0, 'f', 4);
        }
    }
    return plan;
}

SoakPlan PlanRun(std::mt19937_64& rng)
{
    SoakPlan plan = PlanFaults(rng);
    if (std::uniform_real_distribution<double>(0.0, 1.0)(rng) < 0.2) {
        // Anywhere from the first program request to the last blocks.
        const int requests = plan.operation == OperationRadioInfo ? 34 : 182;
        plan.cancelAtRequest = 1 + static_cast<int>(rng() % requests);
    }
    return plan;
}

// A cancelled session: stopped after the exchange that was out, with nothing but "END" after it.
std::optional<QString> CheckCancelled(const SoakPlan& plan, const test::SimSession& s, int cancels,
                                      const RadioConfiguration& before, const QString& prompts)
{
    const QList<int> shown = s.prompter.numbers();
    if (s.finished != 1 || cancels != 1 || s.success)
        return QStringLiteral("%1 ends, %2 cancels reported, success %3")
                   .arg(s.finished)
                   .arg(cancels)
                   .arg(s.success ? 1 : 0) +
               prompts;
    if (s.portOpenAtFinish || s.link.isOpen() || s.state.session.OperationType != OperationIdle)
        return QStringLiteral("the port was left open or the engine is not idle") + prompts;
    if (shown.contains(9009) || shown.contains(9010))
        return QStringLiteral("a completion message after a cancel") + prompts;
    const bool told = shown.contains(9120) || shown.contains(9121);
    if (told != (plan.operation == OperationWrite))
        return QStringLiteral("what the radio holds was not said, or said of a read") + prompts;
    if (s.state.WorkingConfiguration != before || s.engine.ReadOKTimer.isActive() || s.detailsRead != 0)
        return QStringLiteral("the working configuration or details were touched") + prompts;
    if (plan.operation != OperationRadioInfo &&
        s.view.ended != QList<QPair<int, bool>>{{plan.operation, false}})
        return QStringLiteral("the progress did not end as a failure") + prompts;
    QList<QByteArray> after;
    int written = 0;
    for (const test::LinkTap::Event& e : s.link.events()) {
        if (e.kind == test::LinkTap::Kind::Write && ++written > plan.cancelAtRequest)
            after.append(e.bytes);
    }
    if (!(after.isEmpty() || after == QList<QByteArray>{"END"}))
        return QStringLiteral("%1 request(s) after the cancel, not just END").arg(after.size()) + prompts;
    return std::nullopt;
}

QByteArray RadioMemory(const SoakPlan& plan)
{
    QByteArray memory = test::PatternMemory();
    for (int a = 0; a < memory.size(); ++a) {
        const bool identity = a >= 2816 && a < 2832;
        const bool password = a >= 2876 && a < 2880; // stays FF: no password
        if (!identity && !password)
            memory[a] = static_cast<char>(memory[a] ^ plan.twist);
    }
    return memory;
}

// Runs one plan; returns what was wrong with it, or nothing; `recovered` tells how it ended.
std::optional<QString> RunPlan(const SoakPlan& plan, bool& recovered)
{
    QStringList args{QStringLiteral("--seed"), QString::number(plan.simSeed)};
    if (plan.baud > 0)
        args << QStringLiteral("--baud") << QString::number(plan.baud);
    else
        args << QStringLiteral("--no-pacing");
    if (plan.echo)
        args << QStringLiteral("--echo");
    for (const QString& fault : plan.faults)
        args << QStringLiteral("--fault") << fault;
    const QByteArray memory = RadioMemory(plan);
    SimRadioProcess sim(args, memory);
    if (!sim.started())
        return QStringLiteral("mk21sim did not start");

    test::SimSession s;
    const RadioConfiguration before = s.state.WorkingConfiguration;
    const bool info = plan.operation == OperationRadioInfo;
    if (!info)
        s.prompter.script(PromptAnswer::Ok); // the read or write question
    for (int i = 0; i < RetryAnswers; ++i)
        s.prompter.script(info ? PromptAnswer::Retry : PromptAnswer::Ok);
    s.prompter.script(PromptAnswer::Cancel);
    int cancels = 0;
    bool cancelTaken = false;
    int requests = 0;
    if (plan.cancelAtRequest > 0) {
        s.link.onWrite = [&](const QByteArray&) {
            if (++requests == plan.cancelAtRequest)
                cancelTaken = s.engine.Cancel();
        };
    }
    QObject::connect(&s.engine, &SessionEngine::sessionCancelled, &s.engine, [&cancels](int) { ++cancels; });
    const test::SimSession::Command command = plan.operation == OperationRead ? &SessionEngine::StartRead
                                              : plan.operation == OperationWrite
                                                  ? &SessionEngine::StartWrite
                                                  : &SessionEngine::StartRadioInfoRead;
    if (!s.runCommand(sim.device(), command, false, 60000))
        return QStringLiteral("the session did not end within 60 s");

    const QList<int> shown = s.prompter.numbers();
    const QString prompts = QStringLiteral(" (prompts:%1)").arg([&shown] {
        QString text;
        for (int n : shown)
            text += QLatin1Char(' ') + QString::number(n);
        return text;
    }());
    if (cancelTaken)
        return CheckCancelled(plan, s, cancels, before, prompts);
    if (cancels != 0)
        return QStringLiteral("a cancel was reported that the engine refused") + prompts;
    if (s.finished != 1)
        return QStringLiteral("%1 session ends reported").arg(s.finished) + prompts;
    if (s.portOpenAtFinish || s.link.isOpen())
        return QStringLiteral("the port was left open") + prompts;
    if (s.state.session.OperationType != OperationIdle)
        return QStringLiteral("the engine is not idle") + prompts;
    const bool gaveUp = shown.count(MsgNoAnswer) > RetryAnswers;

    if (s.success) {
        recovered = true;
        if (plan.hopeless)
            return QStringLiteral("ended as a success although the radio was silent or hung up") + prompts;
        if (plan.operation == OperationRead && s.image() != memory.left(RadioImageSize))
            return QStringLiteral("the read image differs from the radio's memory") + prompts;
        if (plan.operation == OperationWrite) {
            sim.stop();
            if (sim.savedMemory().left(RadioImageSize) != s.image())
                return QStringLiteral("the radio's memory differs from the image written") + prompts;
        }
        if (info && (s.infoArea() != memory.mid(RadioImageSize) || s.detailsRead != 1))
            return QStringLiteral("the information area differs from the radio's") + prompts;
        if (!info && shown.value(shown.size() - 1) != MsgNoAnswer + plan.operation)
            return QStringLiteral("no completion message") + prompts;
        if (plan.operation != OperationRead && s.state.WorkingConfiguration != before)
            return QStringLiteral("the working configuration changed") + prompts;
        return std::nullopt;
    }

    recovered = false;
    if (!plan.hopeless && !gaveUp)
        return QStringLiteral("a session the retries could carry failed") + prompts;
    if (!shown.contains(MsgNoAnswer))
        return QStringLiteral("failed without message 9008") + prompts;
    if (shown.contains(9009) || shown.contains(9010))
        return QStringLiteral("a completion message after a failure") + prompts;
    if (!gaveUp && shown.value(shown.size() - 1) != MsgPortError)
        return QStringLiteral("a retry after the hang-up ended without message 9003") + prompts;
    if (s.state.WorkingConfiguration != before || s.engine.ReadOKTimer.isActive() || s.detailsRead != 0)
        return QStringLiteral("the working configuration or details were touched") + prompts;
    if (!info && s.view.ended != QList<QPair<int, bool>>{{plan.operation, false}})
        return QStringLiteral("the progress did not end as a failure") + prompts;
    return std::nullopt;
}

TEST(FaultSoak, EverySessionRecoversIdenticallyOrFailsCleanly)
{
    const int runs = EnvInt("MK21_SOAK_RUNS", 36);
    std::mt19937_64 rng(static_cast<quint64>(EnvInt("MK21_SOAK_SEED", 2113)));
    int recovered = 0;
    int failed = 0;
    int gaveUp = 0; // failed although only the retry limit stopped it
    int cancelled = 0;
    int violations = 0;
    for (int run = 0; run < runs; ++run) {
        const SoakPlan plan = PlanRun(rng);
        bool ok = false;
        cancelled += plan.cancelAtRequest > 0 ? 1 : 0;
        if (const std::optional<QString> problem = RunPlan(plan, ok)) {
            ++violations;
            ADD_FAILURE() << "run " << run << " [" << plan.describe().toStdString()
                          << "]: " << problem->toStdString();
        } else {
            ++(ok ? recovered : failed);
            gaveUp += !ok && !plan.hopeless ? 1 : 0;
        }
    }
    std::cout << "fault soak: " << runs << " runs, " << recovered << " recovered identical, " << failed
              << " failed cleanly, " << violations << " violations" << std::endl;
    std::cout << "    of the failures " << failed - gaveUp << " with a silent or hung-up radio, " << gaveUp
              << " after " << RetryAnswers << " retries; " << cancelled << " runs with a cancel" << std::endl;
    EXPECT_EQ(violations, 0);
    EXPECT_GT(recovered, 0);
    EXPECT_GT(failed, 0);
}

} // namespace
} // namespace mk21
