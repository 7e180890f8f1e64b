#include "link/PortChoice.h"

#include "base/IniFile.h"
#include "link/LinkState.h"
#include "link/PortMap.h"

namespace mk21::ModPorts {

QList<PortOption> PortOptions(const LinkState& state)
{
    // The system and the file are asked once for all sixteen numbers.
    const QMap<int, QString>& overrides = state.settings.PortOverrides;
    const QMap<int, QString> explicitMap = ExplicitPortMap(state);
    const QStringList system = SystemPortDevices();
    const QList<int> present = PresentPortNumbers(overrides, explicitMap, system);
    QList<PortOption> options;
    for (int port = FirstPort; port <= LastPort; ++port) {
        options.append({.port = port,
                        .device = DeviceOfPort(port, overrides, explicitMap, system),
                        .present = present.contains(port),
                        .simulated = port == state.settings.SimulatedRadioPort});
    }
    return options;
}

bool ChoosePort(LinkState& state, int port)
{
    state.settings.comPort = static_cast<Integer>(port);
    // The simulated radio's number means nothing after this run: the user's own port stays stored.
    if (port == state.settings.SimulatedRadioPort)
        return true;
    return WriteProfileString(MySetupPath(state), QStringLiteral("language"), QStringLiteral("comPort"),
                              QString::number(port));
}

} // namespace mk21::ModPorts
