#include "link/PortMap.h"
#include "app/Startup.h"
#include "base/IniFile.h"
#include "tests/support/StagedState.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace mk21 {
namespace {

using namespace ModPorts;

struct DeviceCase {
    int port;
    const char* expected;
};

class PortMapDevice : public testing::TestWithParam<DeviceCase> {};

TEST_P(PortMapDevice, OverrideThenIniThenPresentThenUsbDefault)
{
    const QMap<int, QString> overrides{{2, QStringLiteral("/dev/pts/7")}};
    const QMap<int, QString> ini{{2, QStringLiteral("/dev/ttyACM9")}, {3, QStringLiteral("/dev/ttyACM0")}};
    const QStringList present{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0"),
                              QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/ttyUSB2")};
    EXPECT_EQ(DeviceOfPort(GetParam().port, overrides, ini, present),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Ports, PortMapDevice,
                         testing::Values(DeviceCase{1, "/dev/ttyS0"}, DeviceCase{2, "/dev/pts/7"},
                                         DeviceCase{3, "/dev/ttyACM0"}, DeviceCase{4, "/dev/ttyUSB2"},
                                         DeviceCase{5, "/dev/ttyUSB4"}, DeviceCase{16, "/dev/ttyUSB15"},
                                         DeviceCase{0, ""}, DeviceCase{17, ""}, DeviceCase{-1, ""}));

TEST(PortMapSort, NumbersCompareAsNumbers)
{
    const QStringList sorted = SortDevices({QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyS10"),
                                            QStringLiteral("/dev/ttyS2"), QStringLiteral("/dev/ttyACM1"),
                                            QStringLiteral("/dev/ttyS2")});
    EXPECT_EQ(sorted, (QStringList{QStringLiteral("/dev/ttyACM1"), QStringLiteral("/dev/ttyS2"),
                                   QStringLiteral("/dev/ttyS10"), QStringLiteral("/dev/ttyUSB0")}));
}

TEST(PortMapOverride, ParsesNumberEqualsDevice)
{
    struct Case {
        const char* text;
        int port;
        const char* device;
    };
    for (const Case c :
         {Case{"3=/dev/pts/4", 3, "/dev/pts/4"}, Case{" 16 = /dev/ttyUSB1 ", 16, "/dev/ttyUSB1"},
          Case{"1=COM 1", 1, "COM 1"}, Case{"17=/dev/x", 0, nullptr}, Case{"0=/dev/x", 0, nullptr},
          Case{"3=", 0, nullptr}, Case{"x=/dev/x", 0, nullptr}, Case{"/dev/x", 0, nullptr}}) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParsePortOverride(QString::fromLatin1(c.text));
        ASSERT_EQ(parsed.has_value(), c.device != nullptr);
        if (parsed) {
            EXPECT_EQ(parsed->first, c.port);
            EXPECT_EQ(parsed->second, QString::fromLatin1(c.device));
        }
    }
}

TEST(PortMapPresent, ListedDevicesAndExistingMappedFiles)
{
    QTemporaryFile existing;
    ASSERT_TRUE(existing.open());
    const QMap<int, QString> overrides{{5, existing.fileName()}, {6, QStringLiteral("/nonexistent/tty")}};
    const QMap<int, QString> ini{{1, QStringLiteral("/nonexistent/other")}};
    const QStringList present{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
    // Port 1 is mapped away from the present ttyS0 to a missing device; port 2 is the second present one.
    EXPECT_EQ(PresentPortNumbers(overrides, ini, present), (QList<int>{2, 5}));
}

TEST(PortMapState, MySetupSectionAndRunOverride)
{
    test::StagedState staged;
    AppState& state = staged.state;
    ASSERT_TRUE(WriteProfileString(MySetupPath(state), QStringLiteral("Ports"), QStringLiteral("4"),
                                   QStringLiteral("/dev/ttyACM3")));
    EXPECT_EQ(ExplicitPortMap(state).value(4), QStringLiteral("/dev/ttyACM3"));
    EXPECT_EQ(DeviceOfPort(state, 4), QStringLiteral("/dev/ttyACM3"));
    state.settings.PortOverrides.insert(4, QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(DeviceOfPort(state, 4), QStringLiteral("/dev/pts/9"));
    // The language section of the same file is untouched.
    EXPECT_FALSE(ReadProfileString(MySetupPath(state), QStringLiteral("language"), QStringLiteral("comPort"))
                     .isEmpty());
}

} // namespace
} // namespace mk21
