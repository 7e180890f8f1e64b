#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace mk21 {

class LinkState;

// Port numbers 1..16 and the devices they stand for: a --port N=DEVICE override of this run wins,
// then the "ports" section of mysetup.ini (key N = device), then the N-th present port, and past
// the present ports /dev/ttyUSB<N-1>.
namespace ModPorts {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 16;

// The mapping rule itself, on given inputs. `present` is the sorted list of present devices.
QString DeviceOfPort(int port, const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                     const QStringList& present);

// Numbers 1..16 whose device is present: among `present`, or an existing file for mapped ones.
QList<int> PresentPortNumbers(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                              const QStringList& present);

// Orders device paths with their trailing numbers compared as numbers (ttyS2 before ttyS10).
QStringList SortDevices(QStringList devices);

// "N=DEVICE" with N in 1..16 and a non-empty device.
std::optional<std::pair<int, QString>> ParsePortOverride(const QString& text);

// What the system tells of one serial device, as plain values.
struct DeviceFacts {
    QString device;      // its path
    QString description; // the system's name for it; empty when it has none
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
};

// The same on the live system: QSerialPortInfo, mysetup.ini and the overrides in the settings.
QList<DeviceFacts> SystemDeviceFacts();
QStringList SystemPortDevices(); // the devices of SystemDeviceFacts, sorted
QMap<int, QString> ExplicitPortMap(const LinkState& state);
QString DeviceOfPort(const LinkState& state, int port);
QList<int> PresentPortNumbers(const LinkState& state);

} // namespace ModPorts
} // namespace mk21
