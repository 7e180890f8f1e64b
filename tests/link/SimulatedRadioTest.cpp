// The program's own simulated radio: the spare port it takes and the mk21sim it runs.
#include "link/SimulatedRadio.h"
#include "app/Startup.h"
#include "base/IniFile.h"
#include "link/PortMap.h"
#include "tests/support/StagedState.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace mk21 {
namespace {

TEST(SimulatedRadioPort, TheLowestNumberNothingElseStandsFor)
{
    const QMap<int, QString> none;
    const QMap<int, QString> overrides{{1, "/dev/pts/3"}};
    const QMap<int, QString> explicitMap{{2, "/dev/ttyACM0"}};
    QList<int> all;
    for (int port = 1; port <= 16; ++port)
        all.append(port);
    EXPECT_EQ(SimulatedRadio::SparePort(none, none, {}), 1);
    EXPECT_EQ(SimulatedRadio::SparePort(overrides, explicitMap, {3, 5}), 4);
    EXPECT_EQ(SimulatedRadio::SparePort(none, none, all), 16);
}

TEST(SimulatedRadio, RunsOnASparePortForThisRunOnly)
{
    test::StagedState staged;
    AppState& state = staged.state;
    state.settings.PortOverrides.insert(1, QStringLiteral("/dev/pts/999"));
    const QList<int> taken = ModPorts::PresentPortNumbers(state);
    const QByteArray setupBefore = [&] {
        QFile f(MySetupPath(state));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    QString device;
    {
        SimulatedRadio radio;
        QString error;
        ASSERT_TRUE(radio.Start(state, {QStringLiteral("--no-pacing")}, error)) << error.toStdString();
        device = radio.device();
        EXPECT_TRUE(QFileInfo::exists(device)) << device.toStdString();
        EXPECT_NE(radio.port(), 1);
        EXPECT_FALSE(taken.contains(radio.port()));
        EXPECT_EQ(state.settings.PortOverrides.value(radio.port()), device);
        EXPECT_EQ(state.settings.PortOverrides.value(1), "/dev/pts/999");
        EXPECT_EQ(state.settings.SimulatedRadioPort, radio.port());
        EXPECT_EQ(state.settings.comPort, radio.port());
        EXPECT_EQ(ModPorts::DeviceOfPort(state, state.settings.comPort), device);
    }
    // Stopped with the object: the line is gone and the radio has kept its memory.
    EXPECT_FALSE(QFileInfo::exists(device));
    EXPECT_EQ(QFileInfo(staged.rootFile(SimulatedRadio::MemoryFileName)).size(), 3328);
    QFile setup(MySetupPath(state));
    ASSERT_TRUE(setup.open(QIODevice::ReadOnly));
    EXPECT_EQ(setup.readAll(), setupBefore);
}

TEST(SimulatedRadio, AMissingProgramIsReportedAndChangesNothing)
{
    test::StagedState staged;
    AppState& state = staged.state;
    ASSERT_TRUE(QFile::remove(staged.programFile(SimulatedRadio::ProgramName)));
    SimulatedRadio radio;
    QString error;
    EXPECT_FALSE(radio.Start(state, {}, error));
    EXPECT_TRUE(error.contains(SimulatedRadio::ProgramName)) << error.toStdString();
    EXPECT_TRUE(state.settings.PortOverrides.isEmpty());
    EXPECT_EQ(state.settings.SimulatedRadioPort, 0);
}

} // namespace
} // namespace mk21
