#pragma once

#include "link/PortMap.h"

#include <QList>
#include <QMap>
#include <QString>

namespace mk21 {

class LinkState;

// What the port dialog offers and what its OK stores.
namespace ModPorts {

// One of the sixteen port numbers as the dialog shows it.
struct PortOption {
    int port = 0;
    QString device;         // the device the number stands for now
    bool present = false;   // the device can be opened
    bool simulated = false; // the program's own simulated radio is behind it
    QString description;    // what the system tells of the device (DeviceDescription); may be empty
};

// The system's name for a device and its USB vendor:product, as "FT232R USB UART (0403:6001)";
// a part the system does not know is left out, and both ids are needed for the second.
QString DeviceDescription(const DeviceFacts& facts);

// Ports 1..16 in order; each device present in `system` gets its description from there.
QList<PortOption> PortOptions(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                              const QList<DeviceFacts>& system, int simulatedPort);

// The same from the live system, mysetup.ini and this run's overrides.
QList<PortOption> PortOptions(const LinkState& state);

// "COM3 — /dev/ttyUSB0 — FT232R USB UART (0403:6001)": the number after `prefix`, the device and
// its description when there is one, then `simulatedMark` for the simulated radio's port.
QString OptionCaption(const PortOption& option, const QString& prefix, const QString& simulatedMark);

// Makes `port` the port of the next sessions and writes it to mysetup.ini at once, except the
// simulated radio's port, which holds for this run only. False when the file could not be
// written; the choice holds for this run all the same.
bool ChoosePort(LinkState& state, int port);

} // namespace ModPorts
} // namespace mk21
