// Seeded fault soak against mk21sim: many reads, writes (most read back and compared) and
// information reads, each with random faults, some cancelled at a random request. A session the
// retries can carry through must leave an identical image; every other one must end with its
// message, the port closed and the working configuration as it was; a cancelled one stops after
// the exchange out, with at most "END". Every successful read leaves its backup, nothing else does.
// A block the radio stores altered must be caught by the comparison (written again at most twice).
// MK21_SOAK_RUNS (default 24) and MK21_SOAK_SEED choose the runs; README gives the long command.
#include "tests/link/SimRadioProcess.h"
#include "tests/link/SimSession.h"

#include "app/ReadBackups.h"
#include "base/texts/MessageTexts.h"
#include "data/ImageLayout.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
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
constexpr int RewritesAllowed = 2; // "write again" answered Yes this often, then No

// One run: what is asked of which radio, and whether any retry could bring it to its end.
struct SoakPlan {
    int operation = OperationRead;
    bool verify = false;  // a write read back and compared
    bool corrupt = false; // the radio may store a written block altered
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
        return QStringLiteral("%1%8 echo=%2 baud=%3 seed=%4 twist=%5 cancel=%7 faults=%6")
            .arg(QLatin1String(names[operation]))
            .arg(echo ? 1 : 0)
            .arg(baud)
            .arg(simSeed)
            .arg(static_cast<int>(static_cast<unsigned char>(twist)))
            .arg(faults.join(u','))
            .arg(cancelAtRequest)
            .arg(verify ? QStringLiteral("+verify") : QString());
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
    plan.verify = plan.operation == OperationWrite && unit(rng) < 0.75;
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
        // Only a read-back can tell a block stored altered.
        if (plan.verify && unit(rng) < 0.45) {
            plan.faults << QStringLiteral("corrupt:%1").arg(0.004 + 0.01 * unit(rng), 0, 'f', 4);
            plan.corrupt = true;
        }
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
        const int requests = plan.operation == OperationRadioInfo ? 34 : plan.verify ? 364 : 182;
        plan.cancelAtRequest = 1 + static_cast<int>(rng() % requests);
    }
    return plan;
}

// The progress windows' ends: one failed session, or for a write read back the write's and the
// read-backs' (a block stored altered brings a second write) ending in a failure.
bool EndedAsFailure(const SoakPlan& plan, const test::SimSession& s)
{
    if (plan.operation == OperationRadioInfo)
        return true;
    if (!plan.verify)
        return s.view.ended == QList<QPair<int, bool>>{{plan.operation, false}};
    return !s.view.ended.isEmpty() && s.view.ended.first().first == OperationWrite &&
           !s.view.ended.last().second;
}

// Addresses where the radio's memory differs from the image written, leaving out those a
// read-back does not compare: the unused fill after the channel maps and everything from the
// radio's identity on.
QList<int> DifferingCompared(const QByteArray& memory, const QByteArray& written)
{
    QList<int> out;
    for (int a = 0; a < static_cast<int>(ImageLayout::EncodedEnd); ++a) {
        const bool fill = a >= static_cast<int>(ImageLayout::UnusedAfterMaps) &&
                          a < static_cast<int>(ImageLayout::UnusedAfterMaps + ImageLayout::UnusedSize);
        if (!fill && memory.at(a) != written.at(a))
            out.append(a);
    }
    return out;
}

// The backup images a run left in its folder.
QList<QByteArray> BackupImages(const QString& folder)
{
    QList<QByteArray> images;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.img")}, QDir::Files)) {
        QFile f(QDir(folder).filePath(name));
        images.append(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return images;
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
    const bool told = shown.contains(Texts::Msg::WriteCancelled) ||
                      shown.contains(Texts::Msg::WriteCancelledUntouched) ||
                      shown.contains(Texts::Msg::VerifyCancelled);
    if (told != (plan.operation == OperationWrite))
        return QStringLiteral("what the radio holds was not said, or said of a read") + prompts;
    if (s.state.WorkingConfiguration != before || s.engine.ReadOKTimer.isActive() || s.detailsRead != 0)
        return QStringLiteral("the working configuration or details were touched") + prompts;
    if (!EndedAsFailure(plan, s))
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
// `caught`: the radio kept altered blocks through every write allowed, and the comparison said so.
std::optional<QString> RunPlan(const SoakPlan& plan, bool& recovered, bool& caught, int& rewrites)
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
    s.engine.setVerifyAfterWrite(plan.verify);
    QTemporaryDir backups;
    QObject::connect(&s.engine, &SessionEngine::radioImageRead, &s.engine,
                     [&] { ModBackup::KeepReadImage(s.state, backups.path()); });
    for (int i = 0; i < RewritesAllowed; ++i)
        s.prompter.scriptFor(Texts::Msg::WriteDiffers, PromptAnswer::Yes);
    s.prompter.scriptFor(Texts::Msg::WriteDiffers, PromptAnswer::No);
    if (!info)
        s.prompter.script(PromptAnswer::Ok); // the read or write question
    for (int i = 0; i < RetryAnswers; ++i)
        s.prompter.script(info ? PromptAnswer::Retry : PromptAnswer::Ok);
    s.prompter.script(PromptAnswer::Cancel);
    int cancels = 0;
    bool cancelTaken = false;
    int requests = 0;
    if (plan.cancelAtRequest > 0) {
        s.link.onWrite = [&](const QByteArray& request) {
            // A session that gives up sends "END" and closes in one go: a cancel called from inside
            // that write (which no user's click can reach) is accepted, but nothing is left to stop.
            if (++requests == plan.cancelAtRequest)
                cancelTaken = s.engine.Cancel() && request != "END";
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
    rewrites = static_cast<int>(std::min<qsizetype>(shown.count(Texts::Msg::WriteDiffers), RewritesAllowed));
    const QString prompts = QStringLiteral(" (prompts:%1)").arg([&shown] {
        QString text;
        for (int n : shown)
            text += QLatin1Char(' ') + QString::number(n);
        return text;
    }());
    const QList<QByteArray> backupImages = BackupImages(backups.path());
    const bool readOk = s.success && plan.operation == OperationRead;
    if (readOk ? backupImages != QList<QByteArray>{memory.left(RadioImageSize)} : !backupImages.isEmpty())
        return QStringLiteral("%1 backup image(s) after this run").arg(backupImages.size()) + prompts;
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
            const QByteArray held = sim.savedMemory().left(RadioImageSize);
            // A block stored altered where the read-back does not compare stays in the radio.
            if (plan.corrupt ? !DifferingCompared(held, s.image()).isEmpty() : held != s.image())
                return QStringLiteral("the radio's memory differs from the image written") + prompts;
        }
        if (info && (s.infoArea() != memory.mid(RadioImageSize) || s.detailsRead != 1))
            return QStringLiteral("the information area differs from the radio's") + prompts;
        const int completion = plan.verify ? Texts::Msg::WriteVerified : MsgNoAnswer + plan.operation;
        if (!info && shown.value(shown.size() - 1) != completion)
            return QStringLiteral("no completion message") + prompts;
        if (plan.operation != OperationRead && s.state.WorkingConfiguration != before)
            return QStringLiteral("the working configuration changed") + prompts;
        return std::nullopt;
    }

    recovered = false;
    if (shown.value(shown.size() - 1) == Texts::Msg::WriteDiffers) {
        // The comparison's verdict after the last write allowed: it must be true.
        sim.stop();
        if (!plan.corrupt || shown.count(Texts::Msg::WriteDiffers) != RewritesAllowed + 1)
            return QStringLiteral("differing blocks reported without a block stored altered") + prompts;
        if (DifferingCompared(sim.savedMemory().left(RadioImageSize), s.image()).isEmpty())
            return QStringLiteral("differing blocks reported, but the radio holds what was written") +
                   prompts;
        // Each read-back itself succeeded: the message, not the progress, tells the failure.
        if (s.state.WorkingConfiguration != before)
            return QStringLiteral("the working configuration changed") + prompts;
        caught = true;
        return std::nullopt;
    }
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
    if (!EndedAsFailure(plan, s))
        return QStringLiteral("the progress did not end as a failure") + prompts;
    return std::nullopt;
}

TEST(FaultSoak, EverySessionRecoversIdenticallyOrFailsCleanly)
{
    const int runs = EnvInt("MK21_SOAK_RUNS", 24);
    std::mt19937_64 rng(static_cast<quint64>(EnvInt("MK21_SOAK_SEED", 2113)));
    int recovered = 0;
    int failed = 0;
    int gaveUp = 0; // failed although only the retry limit stopped it (no cancel planned)
    int cancelled = 0;
    int verified = 0;      // writes read back
    int rewritten = 0;     // of those, writes the comparison had written again
    int caughtAltered = 0; // failed with blocks still stored altered after every write allowed
    int violations = 0;
    for (int run = 0; run < runs; ++run) {
        const SoakPlan plan = PlanRun(rng);
        bool ok = false;
        bool caught = false;
        cancelled += plan.cancelAtRequest > 0 ? 1 : 0;
        verified += plan.verify ? 1 : 0;
        int rewrites = 0;
        if (const std::optional<QString> problem = RunPlan(plan, ok, caught, rewrites)) {
            ++violations;
            ADD_FAILURE() << "run " << run << " [" << plan.describe().toStdString()
                          << "]: " << problem->toStdString();
        } else {
            ++(ok ? recovered : failed);
            gaveUp += !ok && !plan.hopeless && !caught && plan.cancelAtRequest == 0 ? 1 : 0;
            caughtAltered += caught ? 1 : 0;
            rewritten += rewrites > 0 ? 1 : 0;
        }
    }
    std::cout << "fault soak: " << runs << " runs, " << recovered << " recovered identical, " << failed
              << " failed cleanly, " << violations << " violations" << std::endl;
    std::cout << "    of the failures " << failed - gaveUp - caughtAltered
              << " with a silent or hung-up radio or a cancel, " << gaveUp << " after " << RetryAnswers
              << " retries, " << caughtAltered << " with blocks stored altered after every write; "
              << cancelled << " runs with a cancel; " << verified << " writes read back, " << rewritten
              << " of them written again" << std::endl;
    EXPECT_EQ(violations, 0);
    EXPECT_GT(recovered, 0);
    EXPECT_GT(failed, 0);
}

} // namespace
} // namespace mk21
