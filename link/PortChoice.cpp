#include "link/PortChoice.h"

#include "base/IniFile.h"
#include "link/LinkState.h"
#include "link/PortMap.h"

#include <QStringList>

#include <algorithm>

namespace mk21::ModPorts {

namespace {

// Between the number, the device and its description.
constexpr QStringView Separator = u" \u2014 ";

QString hex4(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

} // namespace

QString DeviceDescription(const DeviceFacts& facts)
{
    QStringList parts;
    if (const QString name = facts.description.trimmed(); !name.isEmpty())
        parts.append(name);
    if (facts.vendorId && facts.productId) {
        const QString ids = hex4(*facts.vendorId) + u':' + hex4(*facts.productId);
        parts.append(parts.isEmpty() ? ids : u'(' + ids + u')');
    }
    return parts.join(u' ');
}

QList<PortOption> PortOptions(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                              const QList<DeviceFacts>& system, int simulatedPort)
{
    QStringList devices;
    for (const DeviceFacts& f : system)
        devices.append(f.device);
    devices = SortDevices(devices);
    const QList<int> present = PresentPortNumbers(overrides, explicitMap, devices);
    QList<PortOption> options;
    for (int port = FirstPort; port <= LastPort; ++port) {
        PortOption option{.port = port,
                          .device = DeviceOfPort(port, overrides, explicitMap, devices),
                          .present = present.contains(port),
                          .simulated = port == simulatedPort,
                          .description = {}};
        const auto facts = std::find_if(system.cbegin(), system.cend(),
                                        [&](const DeviceFacts& f) { return f.device == option.device; });
        if (facts != system.cend())
            option.description = DeviceDescription(*facts);
        options.append(option);
    }
    return options;
}

QList<PortOption> PortOptions(const LinkState& state)
{
    // The system and the file are asked once for all sixteen numbers.
    return PortOptions(state.settings.PortOverrides, ExplicitPortMap(state), SystemDeviceFacts(),
                       state.settings.SimulatedRadioPort);
}

QString OptionCaption(const PortOption& option, const QString& prefix, const QString& simulatedMark)
{
    QString caption = prefix + QString::number(option.port);
    caption.append(Separator).append(option.device);
    if (!option.description.isEmpty())
        caption.append(Separator).append(option.description);
    if (option.simulated)
        caption += u' ' + simulatedMark;
    return caption;
}

bool ChoosePort(LinkState& state, int port)
{
    state.settings.comPort = static_cast<Integer>(port);
    // The simulated radio's number means nothing after this run: the user's own port stays stored.
    if (port == state.settings.SimulatedRadioPort)
        return true;
    return WriteProfileString(UserFileToWrite(state.settings, UserFile::MySetup), QStringLiteral("language"),
                              QStringLiteral("comPort"), QString::number(port));
}

} // namespace mk21::ModPorts
