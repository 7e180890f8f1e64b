#pragma once

#include <QList>
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
};

// Ports 1..16 in order, from the live system, mysetup.ini and this run's overrides.
QList<PortOption> PortOptions(const LinkState& state);

// Makes `port` the port of the next sessions and writes it to mysetup.ini at once, except the
// simulated radio's port, which holds for this run only. False when the file could not be
// written; the choice holds for this run all the same.
bool ChoosePort(LinkState& state, int port);

} // namespace ModPorts
} // namespace mk21
