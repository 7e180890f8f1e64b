#include "link/PortMap.h"

#include "base/IniFile.h"
#include "link/LinkState.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace mk21::ModPorts {

namespace {

const QString PortsSection = QStringLiteral("ports");

// Splits "/dev/ttyUSB10" into ("/dev/ttyUSB", 10); no trailing digits gives -1.
std::pair<QString, long long> splitNumber(const QString& device)
{
    qsizetype i = device.size();
    while (i > 0 && device.at(i - 1).isDigit())
        --i;
    if (i == device.size() || device.size() - i > 9)
        return {device, -1};
    return {device.left(i), device.mid(i).toLongLong()};
}

bool inRange(int port)
{
    return port >= FirstPort && port <= LastPort;
}

// The device a run's override or mysetup.ini names for the port; empty when neither does.
QString MappedDevice(int port, const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap)
{
    if (!inRange(port))
        return {};
    if (const QString device = overrides.value(port); !device.isEmpty())
        return device;
    return explicitMap.value(port);
}

} // namespace

QStringList SortDevices(QStringList devices)
{
    std::sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        const auto [pa, na] = splitNumber(a);
        const auto [pb, nb] = splitNumber(b);
        if (pa != pb)
            return pa < pb;
        if (na != nb)
            return na < nb;
        return a < b;
    });
    devices.removeDuplicates();
    return devices;
}

QString DeviceOfPort(int port, const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                     const QStringList& present)
{
    if (!inRange(port))
        return {};
    if (const QString mapped = MappedDevice(port, overrides, explicitMap); !mapped.isEmpty())
        return mapped;
    if (port <= present.size())
        return present.at(port - 1);
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
}

QList<int> PresentPortNumbers(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                              const QStringList& present)
{
    QList<int> out;
    for (int port = FirstPort; port <= LastPort; ++port) {
        const QString device = DeviceOfPort(port, overrides, explicitMap, present);
        const bool mapped = overrides.contains(port) || explicitMap.contains(port);
        // Pseudo-terminals are never listed by the system, so a mapped device counts when it exists.
        if (present.contains(device) || (mapped && QFileInfo::exists(device)))
            out.append(port);
    }
    return out;
}

std::optional<std::pair<int, QString>> ParsePortOverride(const QString& text)
{
    const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})\\s*=\\s*(\\S.*?)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int port = m.captured(1).toInt();
    if (!inRange(port))
        return std::nullopt;
    return std::make_pair(port, m.captured(2));
}

QList<DeviceFacts> SystemDeviceFacts()
{
    QList<DeviceFacts> facts;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        using Id = std::optional<quint16>;
        facts.append(
            {.device = info.systemLocation(),
             .description = info.description(),
             .vendorId = info.hasVendorIdentifier() ? Id(info.vendorIdentifier()) : std::nullopt,
             .productId = info.hasProductIdentifier() ? Id(info.productIdentifier()) : std::nullopt});
    }
    return facts;
}

QStringList SystemPortDevices()
{
    QStringList devices;
    for (const DeviceFacts& f : SystemDeviceFacts())
        devices.append(f.device);
    return SortDevices(devices);
}

QMap<int, QString> ExplicitPortMap(const LinkState& state)
{
    QMap<int, QString> map;
    const IniDocument ini = IniDocument::load(MySetupPath(state));
    for (int port = FirstPort; port <= LastPort; ++port) {
        const QString device = ini.value(PortsSection, QString::number(port)).value_or(QString());
        if (!device.isEmpty())
            map.insert(port, device);
    }
    return map;
}

QString DeviceOfPort(const LinkState& state, int port)
{
    const QMap<int, QString> explicitMap = ExplicitPortMap(state);
    // Listing the system's devices walks /sys for every terminal, some tens of milliseconds before
    // each session's first request: only when no mapping names the device.
    if (const QString mapped = MappedDevice(port, state.settings.PortOverrides, explicitMap);
        !mapped.isEmpty())
        return mapped;
    return inRange(port) ? DeviceOfPort(port, {}, {}, SystemPortDevices()) : QString();
}

QList<int> PresentPortNumbers(const LinkState& state)
{
    return PresentPortNumbers(state.settings.PortOverrides, ExplicitPortMap(state), SystemPortDevices());
}

} // namespace mk21::ModPorts
