#include "link/SimulatedRadio.h"

#include "link/LinkState.h"
#include "link/PortMap.h"

#include <QDeadlineTimer>
#include <QDir>

#include <csignal>
#include <sys/prctl.h>

namespace mk21 {

namespace {

constexpr int StartTimeoutMs = 5000;
constexpr int StopTimeoutMs = 3000;

} // namespace

SimulatedRadio::~SimulatedRadio()
{
    Stop();
}

int SimulatedRadio::SparePort(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                              const QList<int>& presentPorts)
{
    for (int port = ModPorts::FirstPort; port <= ModPorts::LastPort; ++port) {
        if (!overrides.contains(port) && !explicitMap.contains(port) && !presentPorts.contains(port))
            return port;
    }
    return ModPorts::LastPort;
}

bool SimulatedRadio::Start(LinkState& state, const QStringList& extraArguments, QString& error)
{
    AppSettings& settings = state.settings;
    const QString program = QDir(settings.ProgramFolder).filePath(QString::fromLatin1(ProgramName));
    const QString memory = UserFileToWrite(settings, UserFile::SimulatedRadioMemory);
    // Its log goes where ours goes; the device path comes on the first line of its output.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.start(program, QStringList{QStringLiteral("--memory"), memory} + extraArguments);
    if (!process_.waitForStarted(StartTimeoutMs)) {
        error = program + QStringLiteral(": ") + process_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!process_.canReadLine() && !deadline.hasExpired() && process_.state() == QProcess::Running)
        process_.waitForReadyRead(100);
    if (!process_.canReadLine()) {
        error = program + QStringLiteral(" did not name its device");
        Stop();
        return false;
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();

    port_ = SparePort(settings.PortOverrides, ModPorts::ExplicitPortMap(state),
                      ModPorts::PresentPortNumbers(state));
    settings.PortOverrides.insert(port_, device_);
    settings.SimulatedRadioPort = port_;
    settings.comPort = static_cast<Integer>(port_);
    return true;
}

void SimulatedRadio::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(StopTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(StopTimeoutMs);
    }
}

} // namespace mk21
