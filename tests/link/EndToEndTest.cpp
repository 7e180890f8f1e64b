// Sessions through a real pseudo-terminal against the simulated radio, in process (QtSerialLink)
// and through mk21ctl.
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "tests/link/SimRadioProcess.h"
#include "tests/link/SimSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include <signal.h>

namespace mk21 {
namespace {

using test::SimRadioProcess;
using namespace ModSession;

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The program's engine on a real serial link to mk21sim.
class OverPty : public testing::Test, protected test::SimSession {
protected:
    bool run(const SimRadioProcess& sim, Command start)
    {
        EXPECT_TRUE(runCommand(sim.device(), start));
        EXPECT_FALSE(link.isOpen());
        if (!success) {
            QStringList shown;
            for (const Prompt& p : prompter.asked)
                shown.append(QString::number(p.textNumber) + QStringLiteral(" ") + p.text);
            std::cerr << "session failed; prompts: " << shown.join(QStringLiteral(" | ")).toStdString()
                      << '\n';
        }
        return success;
    }
};

TEST_F(OverPty, PacedReadWithEchoingCable)
{
    const QByteArray memory = test::PatternMemory();
    SimRadioProcess sim({QStringLiteral("--echo")}, memory);
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, &SessionEngine::StartRead)) << sim.log().toStdString();
    EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9009}));
    EXPECT_FALSE(state.session.EchoMode);
    ASSERT_TRUE(sim.stop());
    EXPECT_EQ(image(), sim.savedMemory().left(RadioImageSize));
    EXPECT_EQ(image().left(2816), memory.left(2816));
    EXPECT_EQ(state.WorkingConfiguration.RadioInfo.ModelCode.text(), QStringLiteral("ZR750G"));
}

TEST_F(OverPty, CableWithoutEchoIsFoundByTheSecondProgramRequest)
{
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, test::PatternMemory());
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, &SessionEngine::StartRead)) << sim.log().toStdString();
    EXPECT_TRUE(state.session.EchoMode);
    ASSERT_TRUE(sim.stop());
    EXPECT_EQ(image(), sim.savedMemory().left(RadioImageSize));
}

struct FaultCase {
    const char* name;
    const char* fault;
    bool write;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class OverPtyFaults : public OverPty, public testing::WithParamInterface<FaultCase> {};

TEST_P(OverPtyFaults, RecoverAndTransferEveryByte)
{
    const FaultCase& c = GetParam();
    SimRadioProcess sim({QStringLiteral("--echo"), QStringLiteral("--no-pacing"), QStringLiteral("--seed"),
                         QStringLiteral("11"), QStringLiteral("--fault"), QString::fromLatin1(c.fault)},
                        test::PatternMemory());
    ASSERT_TRUE(sim.started());
    // Every question is answered OK/Retry by the recording prompter.
    ASSERT_TRUE(run(sim, c.write ? &SessionEngine::StartWrite : &SessionEngine::StartRead))
        << sim.log().toStdString();
    ASSERT_TRUE(sim.stop());
    EXPECT_EQ(image(), sim.savedMemory().left(RadioImageSize));
    EXPECT_EQ(prompter.numbers().back(), c.write ? 9010 : 9009);
}

INSTANTIATE_TEST_SUITE_P(Sim, OverPtyFaults,
                         testing::Values(FaultCase{"ReadDrops", "drop:0.05", false},
                                         FaultCase{"ReadChecksums", "checksum:0.05", false},
                                         FaultCase{"ReadAddresses", "address:0.05", false},
                                         FaultCase{"ReadGarbage", "garbage:0.05", false},
                                         FaultCase{"ReadLateReply", "delay@40", false},
                                         FaultCase{"WriteDrops", "drop:0.05", true},
                                         FaultCase{"WriteResends", "resend:0.1", true},
                                         FaultCase{"WriteGarbage", "garbage:0.05", true}),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.name);
                         });

// The write of block 32 is answered after the reply timeout, and every later block is refused
// once. The late acknowledge then comes while a later block is out; its refusal, a step behind,
// must not be taken for the next block's, or that block is never stored.
TEST_F(OverPty, LateWriteAcknowledgeAmongRefusalsLeavesEveryBlockStored)
{
    QStringList args{QStringLiteral("--baud"), QStringLiteral("38400"),   QStringLiteral("--seed"),
                     QStringLiteral("7"),      QStringLiteral("--fault"), QStringLiteral("delay@addr=32")};
    for (int address = 48; address < RadioImageSize; address += 16)
        args << QStringLiteral("--fault") << QStringLiteral("resend@addr=%1").arg(address);
    SimRadioProcess sim(args, test::PatternMemory());
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, &SessionEngine::StartWrite)) << sim.log().toStdString();
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));
    ASSERT_TRUE(sim.stop());
    const QByteArray saved = sim.savedMemory().left(RadioImageSize);
    ASSERT_EQ(saved.size(), image().size());
    for (int address = 0; address < RadioImageSize; address += 16)
        EXPECT_EQ(saved.mid(address, 16).toHex(' '), image().mid(address, 16).toHex(' '))
            << "block " << address;
    // Blocks before the timeout are only written; after it each one is read back before the next.
    int readBacks = 0;
    for (const test::LinkTap::Event& e : link.events()) {
        if (e.kind == test::LinkTap::Kind::Write && e.bytes.size() == 4 && e.bytes.at(0) == 'R') {
            const int address =
                (static_cast<unsigned char>(e.bytes.at(1)) << 8) | static_cast<unsigned char>(e.bytes.at(2));
            EXPECT_GE(address, 32) << "a block read back before any reply timed out";
            if (address != 2864) // the password block, read before the write
                ++readBacks;
        }
    }
    EXPECT_GE(readBacks, (RadioImageSize - 32) / 16);
}

// A radio that answers every write block with 0A: three resends, then the write fails and the
// radio is taken out of programming mode, instead of the block going out for ever.
TEST_F(OverPty, RadioRefusingEveryBlockEndsTheWriteWithAMessage)
{
    const QByteArray memory = test::PatternMemory();
    SimRadioProcess sim({QStringLiteral("--echo"), QStringLiteral("--no-pacing"), QStringLiteral("--fault"),
                         QStringLiteral("resend:1")},
                        memory);
    ASSERT_TRUE(sim.started());
    EXPECT_FALSE(run(sim, &SessionEngine::StartWrite)) << sim.log().toStdString();
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9070}));
    QList<QByteArray> written;
    for (const test::LinkTap::Event& e : link.events()) {
        if (e.kind == test::LinkTap::Kind::Write)
            written.append(e.bytes);
    }
    ASSERT_GE(written.size(), 5);
    EXPECT_EQ(written.back(), QByteArray("END"));
    const QList<QByteArray> blocks = written.mid(written.size() - 5, 4);
    for (const QByteArray& block : blocks)
        EXPECT_EQ(block.left(3), QByteArray("W\x00\x00", 3)); // the first block, sent four times
    ASSERT_TRUE(sim.stop());
    EXPECT_EQ(sim.savedMemory(), memory);
}

TEST_F(OverPty, WriteLeavesTheEncodedImageInTheRadio)
{
    const QByteArray memory = test::PatternMemory();
    SimRadioProcess sim({QStringLiteral("--echo"), QStringLiteral("--no-pacing")}, memory);
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, &SessionEngine::StartWrite)) << sim.log().toStdString();
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9010}));
    ASSERT_TRUE(sim.stop());
    const QByteArray saved = sim.savedMemory();
    EXPECT_EQ(saved.left(RadioImageSize), image());
    EXPECT_EQ(saved.mid(RadioImageSize), memory.mid(RadioImageSize)); // the information area is never written
}

TEST_F(OverPty, ABlockTheRadioStoresAlteredIsFoundByTheReadBack)
{
    const QByteArray memory = test::PatternMemory();
    SimRadioProcess sim(
        {QStringLiteral("--no-pacing"), QStringLiteral("--fault"), QStringLiteral("corrupt@addr=512")},
        memory);
    ASSERT_TRUE(sim.started());
    engine.setVerifyAfterWrite(true);
    prompter.script(PromptAnswer::Ok);
    prompter.script(PromptAnswer::No);
    EXPECT_FALSE(run(sim, &SessionEngine::StartWrite));
    EXPECT_EQ(prompter.numbers(), (QList<int>{9005, 9092}));
    EXPECT_EQ(prompter.asked.back().text,
              FillTextArgs(GetLangText(state, 9092), {QStringLiteral("1"), QStringLiteral("512")}));
    ASSERT_TRUE(sim.stop());
    const QByteArray held = sim.savedMemory();
    EXPECT_EQ(held.left(512), image().left(512));
    EXPECT_NE(held.mid(512, 16), image().mid(512, 16));
    EXPECT_EQ(held.mid(528, 2816 - 528), image().mid(528, 2816 - 528));
}

TEST_F(OverPty, RadioInformationRead)
{
    QByteArray memory = test::PatternMemory();
    memory.replace(2832 + 48, 10, QByteArray("MK21-00042", 10));
    memory[2832 + 58] = '\0';
    SimRadioProcess sim({QStringLiteral("--no-pacing"), QStringLiteral("--echo")}, memory);
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, &SessionEngine::StartRadioInfoRead)) << sim.log().toStdString();
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(state.InfoArea.data()), InfoAreaSize),
              memory.mid(2832));
    EXPECT_EQ(state.Details.SerialNumber.text(), QStringLiteral("MK21-00042"));
}

TEST_F(OverPty, PasswordAskedAndChecked)
{
    for (const char* answer : {"9999", "1234"}) {
        SCOPED_TRACE(answer);
        SimRadioProcess sim(
            {QStringLiteral("--no-pacing"), QStringLiteral("--password"), QStringLiteral("1234")},
            test::PatternMemory());
        ASSERT_TRUE(sim.started());
        prompter.clear();
        view.passwordAnswers = {QString::fromLatin1(answer)};
        const bool ok = run(sim, &SessionEngine::StartRead);
        EXPECT_EQ(ok, QByteArray(answer) == "1234");
        EXPECT_EQ(prompter.numbers().contains(9009), ok);
    }
}

TEST_F(OverPty, RefusedWritesLeaveTheRadioAlone)
{
    struct Case {
        QStringList args;
        int message;
    };
    for (const Case& c : {Case{{QStringLiteral("--model"), QStringLiteral("ZR750")}, 9012},
                          Case{{QStringLiteral("--capability"), QStringLiteral("0x08")}, 9031},
                          Case{{QStringLiteral("--band"), QStringLiteral("8")}, 9030}}) {
        SCOPED_TRACE(c.message);
        const QByteArray memory = test::PatternMemory();
        SimRadioProcess sim(QStringList{QStringLiteral("--no-pacing"), QStringLiteral("--echo")} + c.args,
                            memory);
        ASSERT_TRUE(sim.started());
        prompter.clear();
        EXPECT_FALSE(run(sim, &SessionEngine::StartWrite));
        EXPECT_TRUE(prompter.wasShown(c.message));
        ASSERT_TRUE(sim.stop());
        EXPECT_EQ(sim.savedMemory().left(2816), memory.left(2816));
    }
}

TEST_F(OverPty, SilentRadioAndHangUpEndWithoutHanging)
{
    {
        SimRadioProcess sim({QStringLiteral("--fault"), QStringLiteral("silent")});
        ASSERT_TRUE(sim.started());
        prompter.script(PromptAnswer::Ok);
        prompter.script(PromptAnswer::Cancel);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(run(sim, &SessionEngine::StartRead));
        EXPECT_GE(clock.elapsed(), 4 * WaitTimerInterval - 20); // four program requests
        EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9008}));
    }
    {
        // Lightly paced: unpaced, the radio may answer the whole read before its hang-up is due.
        SimRadioProcess sim({QStringLiteral("--baud"), QStringLiteral("38400"), QStringLiteral("--echo"),
                             QStringLiteral("--fault"), QStringLiteral("hangup-after:30")},
                            test::PatternMemory());
        ASSERT_TRUE(sim.started());
        prompter.clear();
        prompter.script(PromptAnswer::Ok);
        prompter.script(PromptAnswer::Cancel);
        EXPECT_FALSE(run(sim, &SessionEngine::StartRead));
        EXPECT_EQ(prompter.numbers(), (QList<int>{9004, 9008}));
    }
}

TEST_F(OverPty, MissingDeviceIsReported)
{
    state.settings.comPort = 7;
    state.settings.PortOverrides.insert(7, QStringLiteral("/dev/pts/does-not-exist"));
    EXPECT_TRUE(engine.StartRead());
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(success);
    EXPECT_EQ(prompter.numbers(), QList<int>{9003});
}

// ---- mk21ctl -------------------------------------------------------------------------------------

struct CtlResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class CtlRadio : public testing::Test {
protected:
    CtlResult ctl(const QStringList& args)
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        // The user's data location, where reads are kept, is the test's own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        p.setProcessEnvironment(environment);
        p.start(test::StagedProgram("mk21ctl"), args);
        p.closeWriteChannel(); // standard input is no terminal: questions get the cautious answer
        if (!p.waitForFinished(90000))
            p.kill();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString dataHome = dir.filePath(QStringLiteral("data"));
};

TEST_F(CtlRadio, EveryReadIsKeptAsABackupAndAFailedBackupDoesNotStopTheRead)
{
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, test::PatternMemory());
    ASSERT_TRUE(sim.started());
    const CtlResult read = ctl({"read", "--device", sim.device(), "-o", path("a.dat"), "--yes"});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QDir backups(dataHome + QStringLiteral("/mk21cps/backups"));
    const QStringList kept = backups.entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(kept.size(), 3) << kept.join(u' ').toStdString();
    const QString stem = backups.filePath(QFileInfo(kept[0]).completeBaseName());
    EXPECT_EQ(fileBytes(stem + QStringLiteral(".img")), test::PatternMemory().left(RadioImageSize));
    // The backup holds what the read saved.
    EXPECT_EQ(fileBytes(stem + QStringLiteral(".dat")), fileBytes(path("a.dat")));
    EXPECT_EQ(fileBytes(stem + QStringLiteral(".NVD")), fileBytes(path("a.NVD")));

    // A data location under a regular file: said, and the read is saved all the same.
    dataHome = path("a.dat");
    const CtlResult blocked = ctl({"read", "--device", sim.device(), "-o", path("b.dat"), "--yes"});
    EXPECT_EQ(blocked.exitCode, 0) << blocked.err.toStdString();
    EXPECT_EQ(fileBytes(path("b.dat")), fileBytes(path("a.dat")));
    const QString notKept = ReadProfileString(test::StagedProgram("language/english.ini"),
                                              QStringLiteral("Msg"), QStringLiteral("9100"));
    ASSERT_FALSE(notKept.isEmpty());
    EXPECT_TRUE(blocked.err.contains(notKept)) << blocked.err.toStdString();
}

TEST_F(CtlRadio, ReadThenWriteThroughTheTool)
{
    SimRadioProcess source({QStringLiteral("--no-pacing"), QStringLiteral("--echo"),
                            QStringLiteral("--password"), QStringLiteral("77")},
                           test::PatternMemory());
    ASSERT_TRUE(source.started());
    const CtlResult read = ctl({"read", "--device", source.device(), "-o", path("r.dat"), "--image",
                                path("r.img"), "--password", "77", "--yes"});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(fileBytes(path("r.dat")).size(), 8595);
    EXPECT_EQ(fileBytes(path("r.NVD")).size(), 5);
    ASSERT_TRUE(source.stop());
    EXPECT_EQ(fileBytes(path("r.img")), source.savedMemory().left(RadioImageSize));

    SimRadioProcess target({QStringLiteral("--no-pacing")});
    ASSERT_TRUE(target.started());
    const CtlResult write =
        ctl({"write", "--port", QStringLiteral("9=") + target.device(), "-i", path("r.dat"), "--yes"});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    ASSERT_TRUE(target.stop());
    ASSERT_EQ(ctl({"encode", path("r.dat"), "-o", path("e.img")}).exitCode, 0);
    const QByteArray encoded = fileBytes(path("e.img"));
    const QByteArray written = target.savedMemory();
    EXPECT_EQ(written.left(2816), encoded.left(2816));
    EXPECT_EQ(written.mid(2829, 3), encoded.mid(2829, 3));
}

TEST_F(CtlRadio, InfoListsTheRadioDetails)
{
    QByteArray memory = test::PatternMemory();
    memory.replace(2832 + 48, 7, QByteArray("SN-0815", 7));
    memory[2832 + 55] = '\0';
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    ASSERT_TRUE(sim.started());
    const CtlResult info = ctl({"info", "--device", sim.device()});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("Serial Number: SN-0815"))) << info.out.toStdString();
}

TEST_F(CtlRadio, CautiousAnswersAndGivingUp)
{
    SimRadioProcess sim({QStringLiteral("--fault"), QStringLiteral("silent")});
    ASSERT_TRUE(sim.started());
    // Without --yes and without a terminal the read question is cancelled: nothing happens.
    const CtlResult cancelled = ctl({"read", "--device", sim.device(), "-o", path("c.dat")});
    EXPECT_EQ(cancelled.exitCode, 1);
    EXPECT_TRUE(cancelled.err.endsWith(QStringLiteral("mk21ctl: Cancelled.\n")))
        << cancelled.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("c.dat")));
    // With --yes a silent radio is restarted three times, then the tool gives up.
    const CtlResult silent = ctl({"read", "--device", sim.device(), "-o", path("s.dat"), "--yes"});
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.err.count(QStringLiteral("The radio does not answer.")), 4) << silent.err.toStdString();
    EXPECT_FALSE(silent.err.contains(QStringLiteral("Cancelled."))); // the tool gave up; nobody declined
    EXPECT_FALSE(QFile::exists(path("s.dat")));
}

TEST_F(CtlRadio, WriteToARadioRefusingEveryBlockFailsWithTheMessage)
{
    ASSERT_EQ(ctl({"new", "--model", "ZR750G", "--band", "0", "-o", path("n.dat")}).exitCode, 0);
    SimRadioProcess sim(
        {QStringLiteral("--no-pacing"), QStringLiteral("--fault"), QStringLiteral("resend:1")});
    ASSERT_TRUE(sim.started());
    const CtlResult write = ctl({"write", "--device", sim.device(), "-i", path("n.dat"), "--yes"});
    EXPECT_EQ(write.exitCode, 1);
    const QString language = test::StagedProgram("language/english.ini");
    const QString refused = ReadProfileString(language, QStringLiteral("Msg"), QStringLiteral("9070"));
    ASSERT_FALSE(refused.isEmpty());
    EXPECT_TRUE(write.err.contains(QString(refused).replace(QStringLiteral("%1"), QStringLiteral("0"))))
        << write.err.toStdString();
    EXPECT_FALSE(
        write.err.contains(ReadProfileString(language, QStringLiteral("Msg"), QStringLiteral("9010"))));
}

TEST_F(CtlRadio, AWriteIsVerifiedUnlessToldNot)
{
    ASSERT_EQ(ctl({"new", "--model", "ZR750G", "--band", "0", "-o", path("v.dat")}).exitCode, 0);
    const QString language = test::StagedProgram("language/english.ini");
    const auto text = [&](int n) {
        return ReadProfileString(language, QStringLiteral("Msg"), QString::number(n));
    };
    const QString differs = FillTextArgs(text(9092), {QStringLiteral("1"), QStringLiteral("256")});
    // Three writes stored altered at 256: the first and both writes again with --yes.
    const QStringList corrupt{QStringLiteral("--fault"), QStringLiteral("corrupt@addr=256")};
    const struct {
        const char* name;
        QStringList simFaults;
        QStringList options;
        int exitCode;
        QString shown;
        int differsShown;
    } cases[] = {
        {"clean radio", {}, {}, 0, text(9091), 0},
        {"altered every time", corrupt + corrupt + corrupt, {"--verify"}, 1, differs, 3},
        {"altered once, written again", corrupt, {}, 0, text(9091), 1},
        {"not verified", corrupt, {"--no-verify"}, 0, text(9010), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadioProcess sim(QStringList{QStringLiteral("--no-pacing")} + c.simFaults);
        ASSERT_TRUE(sim.started());
        const CtlResult write =
            ctl(QStringList{"write", "--device", sim.device(), "-i", path("v.dat"), "--yes"} + c.options);
        EXPECT_EQ(write.exitCode, c.exitCode) << write.err.toStdString();
        EXPECT_TRUE(write.err.contains(c.shown)) << write.err.toStdString();
        EXPECT_EQ(write.err.count(differs), c.differsShown) << write.err.toStdString();
    }
    EXPECT_EQ(
        ctl({"write", "--device", "/dev/null", "-i", path("v.dat"), "--verify", "--no-verify"}).exitCode, 2);
}

// Ctrl+C in the middle of a paced read, at a block chosen with a fixed seed: the radio is told END,
// the tool ends with 130 and leaves no file behind; the trace asked for tells it.
TEST_F(CtlRadio, SigintStopsAReadAtTheNextBlockAndSavesNothing)
{
    std::mt19937 rng(2114);
    const int block = 8 + static_cast<int>(rng() % 160);
    SCOPED_TRACE(testing::Message() << "block " << block);
    SimRadioProcess sim({QStringLiteral("--verbose")}, test::PatternMemory());
    ASSERT_TRUE(sim.started());
    QTemporaryDir traceDir;
    const QString trace = traceDir.filePath(QStringLiteral("t.log"));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(test::StagedProgram("mk21ctl"), {"read", "--device", sim.device(), "-o", path("i.dat"), "--image",
                                             path("i.img"), "--yes", "--trace", trace});
    ASSERT_TRUE(p.waitForStarted(5000));
    const QString request = QStringLiteral("read 0x%1 len 16").arg(block * 16, 4, 16, QChar(u'0')).toUpper();
    QElapsedTimer waited;
    waited.start();
    while (!sim.log().toUpper().contains(request) && waited.elapsed() < 30000 &&
           p.state() == QProcess::Running)
        QTest::qWait(5);
    ASSERT_EQ(p.state(), QProcess::Running) << sim.log().toStdString();
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 130);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Cancelled.")));
    EXPECT_FALSE(QFile::exists(path("i.dat")));
    EXPECT_FALSE(QFile::exists(path("i.NVD")));
    EXPECT_FALSE(QFile::exists(path("i.img")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    // The read stopped within a few blocks of the signal, and the radio was let out of programming.
    // The simulator's account comes through its pipe a little later.
    const auto endLogged = [&] {
        const QString upper = sim.log().toUpper();
        return upper.mid(upper.indexOf(request)).contains(QStringLiteral("END"));
    };
    EXPECT_TRUE(QTest::qWaitFor(endLogged, 3000));
    const QString log = sim.log().toUpper();
    const qsizetype at = log.indexOf(request);
    const QString after = log.mid(at);
    EXPECT_TRUE(after.contains(QStringLiteral("END"))) << after.toStdString();
    EXPECT_LE(after.count(QStringLiteral("LEN 16")), 4) << after.toStdString();
    QFile traceFile(trace);
    ASSERT_TRUE(traceFile.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(traceFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(
        lines.front().startsWith(QStringLiteral("MK-21 CPS protocol trace: read on ") + sim.device()));
    EXPECT_TRUE(lines.filter(QStringLiteral("cancel asked")).size() == 1);
    EXPECT_TRUE(lines[lines.size() - 3].endsWith(QStringLiteral("TX    45 4E 44")));
    EXPECT_TRUE(lines.back().endsWith(QStringLiteral("session cancelled, port closed")));
}

TEST_F(CtlRadio, UsageErrors)
{
    for (const QStringList& args :
         {QStringList{"read", "-o", "x.dat"},
          QStringList{"read", "--device", "/dev/null", "--port", "1", "-o", "x.dat"},
          QStringList{"read", "--device", "/dev/null"}, QStringList{"read", "--port", "17", "-o", "x.dat"},
          QStringList{"read", "--port", "1", "--model", "ZR750", "-o", "x.dat"},
          QStringList{"read", "--port", "1", "--model", "XX", "--band", "0", "-o", "x.dat"},
          QStringList{"write", "--port", "1"}, QStringList{"info", "--port", "0=/dev/null"}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        EXPECT_EQ(ctl(args).exitCode, 2);
    }
    const CtlResult noPort = ctl({"info", "--device", path("no-such-device"), "--yes"});
    EXPECT_EQ(noPort.exitCode, 1);
    EXPECT_TRUE(noPort.err.contains(QStringLiteral("serial port cannot be opened")));
}

} // namespace
} // namespace mk21
