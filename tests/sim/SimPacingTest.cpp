// Line pacing of the simulated radio: bytes take their time on a 9600-baud 8N1 line both ways.
#include "tests/sim/SimHarness.h"

#include <gtest/gtest.h>

#include <ostream>

#include <chrono>
#include <cmath>
#include <cstdio>

using namespace mk21::simtest;

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double ByteMillis(int baud)
{
    return 10.0 * 1000.0 / baud;
}

void Report(const char* what, double expectedMs, double measuredMs)
{
    const double error = 100.0 * (measuredMs - expectedMs) / expectedMs;
    std::printf("[pacing] %-44s expected %8.2f ms, measured %8.2f ms (%+.2f %%)\n", what, expectedMs,
                measuredMs, error);
    testing::Test::RecordProperty(what, std::to_string(error));
}

constexpr double Tolerance = 0.15;
// The line hands bytes over eight at a time, as a UART's FIFO does: the first reply byte is seen
// with the seven after it.
constexpr int HandOverBytes = 8;

struct PacingCase {
    const char* name;
    QStringList arguments;
    int baud;
    bool echo;
    friend void PrintTo(const PacingCase& c, std::ostream* os) { *os << c.name; }
};

class SimPacing : public testing::TestWithParam<PacingCase> {};

} // namespace

// A read of 94 bytes is answered with a 100-byte block: 4 request bytes in, then 100 reply bytes out.
TEST_P(SimPacing, HundredReplyBytesTakeTheirTimeOnTheLine)
{
    const PacingCase c = GetParam();
    SimProcess sim(c.arguments);
    SerialEnd line(sim.DevicePath());
    ASSERT_TRUE(line.IsOpen());
    ASSERT_EQ(line.Exchange("PROGRAM", c.echo ? 10 : 3).right(3), Bytes({'Z', 'R', 0x06}));

    const QByteArray request = ReadRequest(0, 94);
    const int echoBytes = c.echo ? 4 : 0;
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(line.Send(request));
    const QByteArray head = line.Receive(echoBytes + 1, 2000);
    const double firstReplyByteMs = MillisSince(start);
    const QByteArray rest = line.Receive(99, 2000);
    const double lastReplyByteMs = MillisSince(start);
    ASSERT_EQ(head.size() + rest.size(), echoBytes + 100);
    EXPECT_EQ(head.left(echoBytes), request.left(echoBytes));

    const double byteMs = ByteMillis(c.baud);
    const std::string name = c.name;
    Report((name + ": request and 100-byte reply").c_str(), 104 * byteMs, lastReplyByteMs);
    const double firstToLast = (99 - (HandOverBytes - 1)) * byteMs;
    Report((name + ": first to last reply byte").c_str(), firstToLast, lastReplyByteMs - firstReplyByteMs);
    EXPECT_NEAR(lastReplyByteMs, 104 * byteMs, Tolerance * 104 * byteMs);
    EXPECT_NEAR(lastReplyByteMs - firstReplyByteMs, firstToLast, Tolerance * firstToLast);
    // The reply cannot start before the request has arrived.
    EXPECT_GE(firstReplyByteMs, 4 * byteMs);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimPacing,
                         testing::Values(PacingCase{"Default9600", {}, 9600, false},
                                         PacingCase{"Echo9600", {"--echo"}, 9600, true},
                                         PacingCase{"Baud4800", {"--baud", "4800"}, 4800, false}),
                         [](const testing::TestParamInfo<PacingCase>& info) { return info.param.name; });

// Five 22-byte write blocks sent at once reach the radio one after another at line rate; with no
// echo to hide it, each acknowledge can only follow its block's last byte.
TEST(SimPacingLine, WriteBlocksArriveAtLineRateBeforeTheirAcknowledge)
{
    SimProcess sim({});
    SerialEnd line(sim.DevicePath());
    ASSERT_TRUE(line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(line));

    constexpr int Blocks = 5;
    QByteArray frames;
    for (int i = 0; i < Blocks; ++i)
        frames += WriteBlock(16 * i, Filled(16, i));
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(line.Send(frames));
    ASSERT_EQ(line.Receive(1, 2000), Bytes({0x06}));
    const double firstAck = MillisSince(start);
    ASSERT_EQ(line.Receive(Blocks - 1, 2000), Filled(Blocks - 1, 0x06));
    const double lastAck = MillisSince(start);

    const double expected = (Blocks * 22 + 1) * ByteMillis(9600);
    Report("5 write blocks sent at once, last acknowledge", expected, lastAck);
    EXPECT_NEAR(lastAck, expected, Tolerance * expected);
    EXPECT_GE(firstAck, 22 * ByteMillis(9600));
}

TEST(SimPacingLine, NoPacingIsMuchFasterThanTheLine)
{
    SimProcess sim({"--no-pacing"});
    SerialEnd line(sim.DevicePath());
    ASSERT_TRUE(line.IsOpen());
    ASSERT_TRUE(EnterProgramMode(line));
    const Clock::time_point start = Clock::now();
    ASSERT_EQ(line.Exchange(ReadRequest(0, 94), 100).size(), 100);
    EXPECT_LT(MillisSince(start), 0.3 * 104 * ByteMillis(9600));
}
