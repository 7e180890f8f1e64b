// The simulated radio's side of the protocol, byte for byte, through its pseudo-terminal.
#include "tests/sim/SimHarness.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <ostream>

using namespace mk21::simtest;

namespace {

constexpr int PasswordBlock = 0x0B30;
constexpr int QuietMs = 250;

// A simulated radio and the program's end of its cable.
struct Radio {
    explicit Radio(const QStringList& arguments) : sim(arguments), line(sim.DevicePath()) {}
    SimProcess sim;
    SerialEnd line;
};

QString PatternFile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("memory.bin"));
    return WriteFile(path, PatternMemory()) ? path : QString();
}

} // namespace

TEST(SimProtocol, ProgramRequestIsAcceptedWithZrAck)
{
    Radio radio({});
    ASSERT_TRUE(radio.line.IsOpen()) << radio.sim.Log().toStdString();
    EXPECT_EQ(radio.line.Exchange("PROGRAM", 3), Bytes({'Z', 'R', 0x06}));
    EXPECT_TRUE(radio.line.Receive(1, QuietMs).isEmpty());
    // Asked again (the program retries with the other echo assumption), it answers again.
    EXPECT_EQ(radio.line.Exchange("PROGRAM", 3), Bytes({'Z', 'R', 0x06}));
}

TEST(SimProtocol, RequestsOutsideProgrammingModeAreIgnored)
{
    Radio radio({});
    ASSERT_TRUE(radio.line.IsOpen());
    EXPECT_TRUE(radio.line.Exchange(Bytes({0x02}), 1, QuietMs).isEmpty());
    EXPECT_TRUE(radio.line.Exchange(ReadRequest(0x0120), 1, QuietMs).isEmpty());
    EXPECT_TRUE(radio.line.Exchange("END", 1, QuietMs).isEmpty());

    ASSERT_TRUE(EnterProgramMode(radio.line));
    EXPECT_EQ(radio.line.Exchange("END", 1), Bytes({0x06}));
    // "END" leaves programming mode.
    EXPECT_TRUE(radio.line.Exchange(ReadRequest(0x0120), 1, QuietMs).isEmpty());
}

struct IdentityCase {
    const char* name;
    QStringList arguments;
    QByteArray expected;
    friend void PrintTo(const IdentityCase& c, std::ostream* os) { *os << c.name; }
};

class SimIdentity : public testing::TestWithParam<IdentityCase> {};

TEST_P(SimIdentity, IdentityReplyCarriesTheCommandLineValues)
{
    Radio radio(GetParam().arguments);
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    EXPECT_EQ(radio.line.Exchange(Bytes({0x02}), 16).toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimIdentity,
    testing::Values(
        IdentityCase{"Defaults",
                     {},
                     Bytes({0x50, 'Z', 'R', '7', '5', '0', 'G', 0, 0, 'V', '2', '0', '0', 0, 0, 0x06})},
        IdentityCase{"FiveCharacterModelShortFirmware",
                     {"--model", "ZR750", "--band", "3", "--firmware", "V12", "--capability", "0x0C"},
                     Bytes({0x50, 'Z', 'R', '7', '5', '0', 0, 0, 3, 'V', '1', '2', 0, 0x0C, 0, 0x06})},
        IdentityCase{"FullLengthFields",
                     {"--model", "ABCDEFG", "--band", "255", "--firmware", "V201", "--capability", "15"},
                     Bytes({0x50, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 255, 'V', '2', '0', '1', 15, 0, 0x06})}),
    [](const testing::TestParamInfo<IdentityCase>& info) { return info.param.name; });

TEST(SimProtocol, ReadOfBlock0120FromABlankRadio)
{
    Radio radio({});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    // 01 + 20 + 10 + 16 x FF = 0x1021: checksum 21.
    const QByteArray expected = Bytes({0x57, 0x01, 0x20, 0x10}) + Filled(16, 0xFF) + Bytes({0x21, 0x06});
    EXPECT_EQ(radio.line.Exchange(Bytes({0x52, 0x01, 0x20, 0x10}), 22).toHex(' '), expected.toHex(' '));
}

TEST(SimProtocol, BlankRadioCarriesItsIdentityInMemory)
{
    Radio radio({"--model", "ZR750", "--band", "8", "--firmware", "V12", "--capability", "2"});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray identity =
        Bytes({'Z', 'R', '7', '5', '0', 0, 0, 8, 'V', '1', '2', 0, 2, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(radio.line.Exchange(ReadRequest(2816), 22).mid(4, 16).toHex(' '), identity.toHex(' '));
}

struct ReadCase {
    const char* name;
    int address;
    int length;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class SimRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SimRead, ReadReturnsTheMemoryWithItsChecksum)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const auto [name, address, length] = GetParam();
    const QByteArray data = PatternMemory().mid(address, length);
    const QByteArray reply = radio.line.Exchange(ReadRequest(address, length), length + 6);
    EXPECT_EQ(reply.toHex(' '), DataBlock(address, data).toHex(' '));
    EXPECT_TRUE(radio.line.Receive(1, 50).isEmpty()) << "nothing after the block";
}

INSTANTIATE_TEST_SUITE_P(Cases, SimRead,
                         testing::Values(ReadCase{"FirstBlock", 0, 16}, ReadCase{"Block0120", 0x0120, 16},
                                         ReadCase{"LastProgrammableBlock", 2816, 16},
                                         ReadCase{"PasswordBlock", PasswordBlock, 16},
                                         ReadCase{"LastInfoBlock", 3312, 16}, ReadCase{"LastByte", 3327, 1},
                                         ReadCase{"LongRead", 0x0400, 200}),
                         [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(SimProtocol, ReadsOutsideTheMemoryAreNotAnswered)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    for (const QByteArray& request :
         {ReadRequest(3320, 16), ReadRequest(3328, 1), ReadRequest(0xFFFF, 16), ReadRequest(0, 0)})
        EXPECT_TRUE(radio.line.Exchange(request, 1, 150).isEmpty()) << request.toHex(' ').toStdString();
    EXPECT_EQ(radio.line.Exchange(ReadRequest(0x10), 22), DataBlock(0x10, PatternMemory().mid(0x10, 16)));
}

TEST(SimProtocol, WrittenBlockReadsBack)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray data = Bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0xFE});
    for (int address : {0x0000, 0x0B00, PasswordBlock, 3312}) {
        EXPECT_EQ(radio.line.Exchange(WriteBlock(address, data), 1), Bytes({0x06})) << address;
        EXPECT_EQ(radio.line.Exchange(ReadRequest(address), 22), DataBlock(address, data)) << address;
    }
    // The neighbours stay as they were.
    EXPECT_EQ(radio.line.Exchange(ReadRequest(0x10), 22), DataBlock(0x10, PatternMemory().mid(0x10, 16)));
}

TEST(SimProtocol, AllFfWriteBlockHasChecksumZeroAndIsStored)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray frame = Bytes({0x57, 0, 0, 0x10}) + Filled(16, 0xFF) + Bytes({0x00, 0x06});
    EXPECT_EQ(radio.line.Exchange(frame, 1), Bytes({0x06}));
    EXPECT_EQ(radio.line.Exchange(ReadRequest(0), 22).mid(4, 16), Filled(16, 0xFF));
}

struct BadWriteCase {
    const char* name;
    int byteIndex; // byte of a good frame for 0x0200 to replace
    int value;
    int address = 0x0200;
    bool fixChecksum = false; // make the checksum fit the changed frame
    friend void PrintTo(const BadWriteCase& c, std::ostream* os) { *os << c.name; }
};

class SimBadWrite : public testing::TestWithParam<BadWriteCase> {};

TEST_P(SimBadWrite, BadFrameIsAskedAgainAndNotStored)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const BadWriteCase c = GetParam();
    QByteArray frame = WriteBlock(c.address, Filled(16, 0x5A));
    if (c.byteIndex >= 0)
        frame[c.byteIndex] = static_cast<char>(c.value);
    if (c.fixChecksum)
        frame[20] = static_cast<char>(Sum(frame.mid(1, 19)));
    EXPECT_EQ(radio.line.Exchange(frame, 1), Bytes({0x0A}));
    EXPECT_TRUE(radio.line.Receive(1, 100).isEmpty());
    const int check = std::min(c.address, 3312);
    EXPECT_EQ(radio.line.Exchange(ReadRequest(check), 22), DataBlock(check, PatternMemory().mid(check, 16)));
}

INSTANTIATE_TEST_SUITE_P(Cases, SimBadWrite,
                         testing::Values(BadWriteCase{"ChecksumOffByOne", 20,
                                                      (0x02 + 0x10 + 16 * 0x5A + 1) % 256},
                                         BadWriteCase{"TrailerNotAck", 21, 0x07},
                                         BadWriteCase{"LengthNot16", 3, 0x0F, 0x0200, true},
                                         BadWriteCase{"PastTheEndOfMemory", -1, 0, 3320}),
                         [](const testing::TestParamInfo<BadWriteCase>& info) { return info.param.name; });

TEST(SimProtocol, EchoPrecedesTheReplyOnlyWhenAskedFor)
{
    QTemporaryDir dir;
    const QString memory = PatternFile(dir);
    const QByteArray request = ReadRequest(0x0120);
    const QByteArray block = DataBlock(0x0120, PatternMemory().mid(0x0120, 16));
    {
        Radio radio({"--memory", memory, "--echo"});
        ASSERT_TRUE(radio.line.IsOpen());
        EXPECT_EQ(radio.line.Exchange("PROGRAM", 10), QByteArray("PROGRAMZR\x06"));
        EXPECT_EQ(radio.line.Exchange(request, 26), request + block);
        // Bytes that are no request come back all the same: the cable echoes, not the radio.
        EXPECT_EQ(radio.line.Exchange(Bytes({0xFF, 0x33}), 3, QuietMs), Bytes({0xFF, 0x33}));
    }
    {
        Radio radio({"--memory", memory});
        ASSERT_TRUE(radio.line.IsOpen());
        ASSERT_TRUE(EnterProgramMode(radio.line));
        EXPECT_EQ(radio.line.Exchange(request, 22), block);
        EXPECT_TRUE(radio.line.Exchange(Bytes({0xFF, 0x33}), 1, QuietMs).isEmpty());
    }
}

struct PasswordCase {
    const char* name;
    QStringList arguments;
    QByteArray storedInFile; // 4 bytes at 2876 in the memory file; empty: no memory file
    QByteArray expected;
    friend void PrintTo(const PasswordCase& c, std::ostream* os) { *os << c.name; }
};

class SimPassword : public testing::TestWithParam<PasswordCase> {};

TEST_P(SimPassword, PasswordBytesInThePasswordBlock)
{
    QTemporaryDir dir;
    QStringList arguments = GetParam().arguments;
    if (!GetParam().storedInFile.isEmpty()) {
        QByteArray memory = PatternMemory();
        memory.replace(2876, 4, GetParam().storedInFile);
        const QString path = dir.filePath(QStringLiteral("memory.bin"));
        ASSERT_TRUE(WriteFile(path, memory));
        arguments << "--memory" << path;
    }
    Radio radio(arguments);
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    const QByteArray reply = radio.line.Exchange(ReadRequest(PasswordBlock), 22);
    ASSERT_EQ(reply.size(), 22);
    EXPECT_EQ(reply.mid(4 + 12, 4).toHex(' '), GetParam().expected.toHex(' '));
    EXPECT_EQ(static_cast<unsigned char>(reply[20]), Sum(reply.mid(1, 19)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimPassword,
    testing::Values(PasswordCase{"FourCharacters", {"--password", "1234"}, {}, QByteArray("1234")},
                    PasswordCase{"ShortIsNulPadded", {"--password", "ab"}, {}, Bytes({'a', 'b', 0, 0})},
                    PasswordCase{"EmptyIsCleared", {"--password", ""}, QByteArray("PW12"), Filled(4, 0xFF)},
                    PasswordCase{"NoneOnABlankRadio", {}, {}, Filled(4, 0xFF)},
                    PasswordCase{"FileKeepsItsOwn", {}, QByteArray("PW12"), QByteArray("PW12")},
                    PasswordCase{"OptionOverridesTheFile",
                                 {"--password", "9"},
                                 QByteArray("PW12"),
                                 Bytes({'9', 0, 0, 0})}),
    [](const testing::TestParamInfo<PasswordCase>& info) { return info.param.name; });

TEST(SimProtocol, MemoryFileIsSavedOnSigterm)
{
    QTemporaryDir dir;
    const QString path = PatternFile(dir);
    const QByteArray data = Filled(16, 0x42);
    {
        Radio radio({"--memory", path});
        ASSERT_TRUE(radio.line.IsOpen());
        ASSERT_TRUE(EnterProgramMode(radio.line));
        ASSERT_EQ(radio.line.Exchange(WriteBlock(0x0100, data), 1), Bytes({0x06}));
        EXPECT_EQ(ReadFile(path), PatternMemory()) << "no END yet, nothing saved";
        EXPECT_TRUE(radio.sim.Stop());
    }
    QByteArray expected = PatternMemory();
    expected.replace(0x0100, 16, data);
    EXPECT_EQ(ReadFile(path), expected);
}

TEST(SimProtocol, MemoryFileIsSavedAfterEndOfASessionThatWrote)
{
    QTemporaryDir dir;
    const QString path = PatternFile(dir);
    Radio radio({"--memory", path});
    ASSERT_TRUE(radio.line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(radio.line));
    ASSERT_EQ(radio.line.Exchange(WriteBlock(0x0B10, Filled(16, 0x11)), 1), Bytes({0x06}));
    ASSERT_EQ(radio.line.Exchange("END", 1), Bytes({0x06}));
    QByteArray expected = PatternMemory();
    expected.replace(0x0B10, 16, Filled(16, 0x11));
    QElapsedTimer clock;
    clock.start();
    while (ReadFile(path) != expected && clock.elapsed() < 3000)
        QThread::msleep(20);
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_TRUE(radio.sim.Running());
}

TEST(SimProtocol, MissingMemoryFileIsCreatedFromABlankRadio)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.bin"));
    {
        SimProcess sim({"--memory", path, "--model", "ZR750", "--band", "2"});
        ASSERT_TRUE(sim.Started());
        EXPECT_TRUE(sim.Stop());
    }
    const QByteArray memory = ReadFile(path);
    ASSERT_EQ(memory.size(), 3328);
    EXPECT_EQ(memory.left(2816), Filled(2816, 0xFF));
    EXPECT_EQ(memory.mid(2816, 13), Bytes({'Z', 'R', '7', '5', '0', 0, 0, 2, 'V', '2', '0', '0', 0}));
    EXPECT_EQ(memory.mid(2829), Filled(3328 - 2829, 0xFF));
}

TEST(SimProtocol, StreamResynchronisesAfterGarbage)
{
    QTemporaryDir dir;
    Radio radio({"--memory", PatternFile(dir)});
    ASSERT_TRUE(radio.line.IsOpen());
    // Noise before the program request, including a false start of it.
    EXPECT_EQ(radio.line.Exchange(Bytes({0x00, 0xFF, 'P', 'R', 'X'}) + "PROGRAM", 3),
              Bytes({'Z', 'R', 0x06}));
    const QByteArray memory = PatternMemory();
    EXPECT_EQ(radio.line.Exchange(Bytes({0xFF, 0x00, 'x', 'E', 'N', 'Q'}) + ReadRequest(0x20), 22),
              DataBlock(0x20, memory.mid(0x20, 16)));
    // A write block cut short is given up after a pause, so the next request is not swallowed.
    ASSERT_TRUE(radio.line.Send(WriteBlock(0x30, Filled(16, 0)).left(9)));
    EXPECT_TRUE(radio.line.Receive(1, 150).isEmpty());
    EXPECT_EQ(radio.line.Exchange(ReadRequest(0x30), 22), DataBlock(0x30, memory.mid(0x30, 16)));
}

struct BadArgumentsCase {
    const char* name;
    QStringList arguments;
    friend void PrintTo(const BadArgumentsCase& c, std::ostream* os) { *os << c.name; }
};

class SimBadArguments : public testing::TestWithParam<BadArgumentsCase> {};

TEST_P(SimBadArguments, RefusedBeforeAnyDeviceIsMade)
{
    QProcess process;
    process.start(QStringLiteral(MK21_STAGE_DIR "/V200/mk21sim"), GetParam().arguments);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimBadArguments,
    testing::Values(BadArgumentsCase{"ModelTooLong", {"--model", "ZR750GXX"}},
                    BadArgumentsCase{"FirmwareTooLong", {"--firmware", "V2000"}},
                    BadArgumentsCase{"PasswordTooLong", {"--password", "12345"}},
                    BadArgumentsCase{"BandTooLarge", {"--band", "256"}},
                    BadArgumentsCase{"CapabilityTooLarge", {"--capability", "0x100"}},
                    BadArgumentsCase{"BaudTooLow", {"--baud", "10"}},
                    BadArgumentsCase{"RateAboveOne", {"--fault", "drop:1.5"}},
                    BadArgumentsCase{"UnknownFault", {"--fault", "bogus:0.1"}},
                    BadArgumentsCase{"HangUpAfterZero", {"--fault", "hangup-after:0"}},
                    BadArgumentsCase{"NthZero", {"--fault", "drop@0"}},
                    BadArgumentsCase{"AddressOutsideMemory", {"--fault", "drop@addr=3328"}},
                    BadArgumentsCase{"StrayArgument", {"extra"}}),
    [](const testing::TestParamInfo<BadArgumentsCase>& info) { return info.param.name; });

TEST(SimProtocol, MemoryFileOfTheWrongSizeIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.bin"));
    ASSERT_TRUE(WriteFile(path, Filled(3327, 0)));
    SimProcess sim({"--memory", path});
    EXPECT_FALSE(sim.Started());
    EXPECT_FALSE(sim.WaitForCleanExit(10000));
    EXPECT_TRUE(sim.Log().contains(QStringLiteral("3328"))) << sim.Log().toStdString();
    EXPECT_EQ(ReadFile(path).size(), 3327) << "left as it was";
}
