// Fault injection of the simulated radio: each kind observable on the line, and repeatable by seed.
#include "tests/sim/SimHarness.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace mk21::simtest;

namespace {

constexpr int QuietMs = 250;

QStringList WithPatternMemory(QStringList arguments, const QString& path)
{
    WriteFile(path, PatternMemory());
    return arguments << "--memory" << path;
}

// A simulated radio on a patterned memory file, and the program's end of its cable.
struct FaultyRadio {
    explicit FaultyRadio(const QStringList& arguments)
        : memoryPath(dir.filePath(QStringLiteral("memory.bin"))),
          sim(WithPatternMemory(arguments, memoryPath)), line(sim.DevicePath())
    {
    }
    QByteArray Block(int address) const { return DataBlock(address, PatternMemory().mid(address, 16)); }
    QByteArray Read(int address, int timeoutMs = 2000)
    {
        return line.Exchange(ReadRequest(address), 22, timeoutMs);
    }

    QTemporaryDir dir;
    QString memoryPath;
    SimProcess sim;
    SerialEnd line;
};

} // namespace

TEST(SimFault, DropLosesTheNthReplyOnly)
{
    FaultyRadio radio({"--fault", "drop@3"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));               // reply 1
    EXPECT_EQ(radio.Read(0x10), radio.Block(0x10));          // 2
    EXPECT_TRUE(radio.Read(0x20, QuietMs).isEmpty());        // 3: dropped
    EXPECT_EQ(radio.Read(0x20), radio.Block(0x20));          // 4
    EXPECT_EQ(radio.line.Exchange("END", 1), Bytes({0x06})); // 5
}

TEST(SimFault, DropByAddressHitsThatBlockAsOftenAsGiven)
{
    FaultyRadio radio({"--fault", "drop@addr=0x0120", "--fault", "drop@addr=0x0120"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    EXPECT_TRUE(radio.Read(0x0120, QuietMs).isEmpty());
    EXPECT_EQ(radio.Read(0x0130), radio.Block(0x0130));
    EXPECT_TRUE(radio.Read(0x0120, QuietMs).isEmpty());
    EXPECT_EQ(radio.Read(0x0120), radio.Block(0x0120));
}

TEST(SimFault, ChecksumFaultChangesOnlyTheChecksum)
{
    FaultyRadio radio({"--fault", "checksum@2"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    EXPECT_EQ(radio.Read(0x10), radio.Block(0x10));
    const QByteArray good = radio.Block(0x0120);
    const QByteArray bad = radio.Read(0x0120);
    ASSERT_EQ(bad.size(), 22);
    EXPECT_EQ(bad.left(20), good.left(20));
    EXPECT_NE(bad[20], good[20]);
    EXPECT_EQ(bad[21], '\x06');
    EXPECT_EQ(radio.Read(0x0120), good);
}

TEST(SimFault, AddressFaultAnswersForAnotherBlockWithAGoodChecksum)
{
    FaultyRadio radio({"--fault", "address@1"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray reply = radio.Read(0x0120);
    ASSERT_EQ(reply.size(), 22);
    const int address = static_cast<unsigned char>(reply[1]) << 8 | static_cast<unsigned char>(reply[2]);
    EXPECT_NE(address, 0x0120);
    EXPECT_EQ(reply, radio.Block(address)) << "a proper block, only not the one asked for";
    EXPECT_EQ(radio.Read(0x0120), radio.Block(0x0120));
}

TEST(SimFault, GarbageReplacesAReplyWithSomethingNoMatcherTakes)
{
    FaultyRadio radio({"--fault", "garbage@1", "--fault", "garbage@3"});
    ASSERT_TRUE(radio.line.IsOpen());
    const QByteArray program = radio.line.Exchange("PROGRAM", 3);
    ASSERT_EQ(program.size(), 3);
    EXPECT_NE(program[0], 'Z');
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray block = radio.Read(0x40);
    ASSERT_EQ(block.size(), 22);
    EXPECT_NE(block[0], 'W');
    EXPECT_TRUE(radio.line.Receive(1, 100).isEmpty());
    EXPECT_EQ(radio.Read(0x40), radio.Block(0x40));
}

TEST(SimFault, DelayedReplyComesPastTheProgramsTimeout)
{
    FaultyRadio radio({"--fault", "delay@2", "--delay-ms", "400"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    ASSERT_TRUE(radio.line.Send(ReadRequest(0x50)));
    EXPECT_TRUE(radio.line.Receive(1, 300).isEmpty()) << "not within the 150 ms the program waits";
    EXPECT_EQ(radio.line.Receive(22, 1500), radio.Block(0x50));
}

TEST(SimFault, ResendFaultRefusesAGoodBlockWithoutStoringIt)
{
    FaultyRadio radio({"--fault", "resend@1"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray frame = WriteBlock(0x60, Filled(16, 0x77));
    EXPECT_EQ(radio.line.Exchange(frame, 1), Bytes({0x0A}));
    EXPECT_EQ(radio.Read(0x60), radio.Block(0x60));
    EXPECT_EQ(radio.line.Exchange(frame, 1), Bytes({0x06}));
    EXPECT_EQ(radio.Read(0x60), DataBlock(0x60, Filled(16, 0x77)));
}

TEST(SimFault, HangUpAfterTheKthBlockClosesTheLineAndSaves)
{
    FaultyRadio radio({"--fault", "hangup-after:2"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    EXPECT_EQ(radio.Read(0x00), radio.Block(0x00));
    EXPECT_EQ(radio.line.Exchange(WriteBlock(0x10, Filled(16, 0x33)), 1), Bytes({0x06}));
    EXPECT_TRUE(radio.line.Receive(1, 2000).isEmpty());
    EXPECT_TRUE(radio.line.HungUp());
    EXPECT_TRUE(radio.sim.WaitForCleanExit(5000)) << radio.sim.Log().toStdString();
    QByteArray expected = PatternMemory();
    expected.replace(0x10, 16, Filled(16, 0x33));
    EXPECT_EQ(ReadFile(radio.memoryPath), expected);
}

TEST(SimFault, SilentRadioNeverAnswersButTheCableStillEchoes)
{
    FaultyRadio radio({"--fault", "silent", "--echo"});
    ASSERT_TRUE(radio.line.IsOpen());
    EXPECT_EQ(radio.line.Exchange("PROGRAM", 10, QuietMs), QByteArray("PROGRAM"));
    EXPECT_EQ(radio.line.Exchange(Bytes({0x02}), 2, QuietMs), Bytes({0x02}));
}

TEST(SimFault, RateOneHitsEveryReplyAndRateZeroNone)
{
    {
        FaultyRadio radio({"--fault", "drop:1"});
        ASSERT_TRUE(radio.line.IsOpen());
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(radio.line.Exchange("PROGRAM", 3, 150).isEmpty());
    }
    {
        FaultyRadio radio({"--fault", "drop:0", "--fault", "checksum:0", "--no-pacing"});
        ASSERT_TRUE(radio.line.IsOpen());
        ASSERT_TRUE(EnterProgramMode(radio.line));
        for (int address = 0; address < 0x0200; address += 16)
            ASSERT_EQ(radio.Read(address), radio.Block(address)) << address;
    }
}

namespace {

// One letter per read: '.' good, 'c' bad checksum, 'a' another address, 'b' both, '?' anything else.
std::string FaultPattern(const QStringList& arguments, QString* log = nullptr)
{
    FaultyRadio radio(arguments +
                      QStringList{"--no-pacing", "--fault", "checksum:0.3", "--fault", "address:0.3"});
    if (!radio.line.IsOpen() || !EnterProgramMode(radio.line))
        return "not started";
    std::string pattern;
    for (int i = 0; i < 40; ++i) {
        const int address = 0x0100 + 16 * i;
        const QByteArray reply = radio.Read(address);
        const bool otherAddress = reply.size() == 22 && reply.mid(1, 2) != radio.Block(address).mid(1, 2);
        const bool badSum =
            reply.size() == 22 && static_cast<unsigned char>(reply[20]) != Sum(reply.mid(1, 19));
        if (reply == radio.Block(address))
            pattern += '.';
        else if (reply.size() != 22)
            pattern += '?';
        else
            pattern += otherAddress ? (badSum ? 'b' : 'a') : (badSum ? 'c' : '?');
    }
    if (log)
        *log = radio.sim.Log();
    return pattern;
}

} // namespace

TEST(SimFault, SeedMakesTheFaultSequenceRepeatable)
{
    const std::string first = FaultPattern({"--seed", "7"});
    EXPECT_EQ(FaultPattern({"--seed", "7"}), first);
    EXPECT_NE(first.find('.'), std::string::npos) << first;
    EXPECT_NE(first.find_first_of("cb"), std::string::npos) << first;
    EXPECT_NE(first.find_first_of("ab"), std::string::npos) << first;
    EXPECT_EQ(first.find('?'), std::string::npos) << first;
    EXPECT_NE(FaultPattern({"--seed", "8"}), first);
}

TEST(SimFault, UnseededRunLogsASeedThatReplaysIt)
{
    QString log;
    const std::string unseeded = FaultPattern({}, &log);
    const QRegularExpressionMatch seed = QRegularExpression(QStringLiteral("fault seed (\\d+)")).match(log);
    ASSERT_TRUE(seed.hasMatch()) << log.toStdString();
    EXPECT_EQ(FaultPattern({"--seed", seed.captured(1)}), unseeded);
}
