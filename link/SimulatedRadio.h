#pragma once

#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace mk21 {

class LinkState;

// The program's own simulated radio: an mk21sim from the program folder, run as a child process
// on a pseudo-terminal that a spare port number stands for during this run. Stopped with the
// object (it saves its memory on the way out) and when this program dies.
class SimulatedRadio final {
public:
    static constexpr const char* ProgramName = "mk21sim";
    static constexpr const char* MemoryFileName = "simulated-radio.mem";

    SimulatedRadio() = default;
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // Starts the radio with its memory kept in DataRoot (the user's data folder when the tree is
    // installed: base/UserFiles.h), maps a spare port number to it
    // (PortOverrides, SimulatedRadioPort) and makes that port the session port of this run
    // without storing it. `extraArguments` go to mk21sim. On failure `error` says why.
    bool Start(LinkState& state, const QStringList& extraArguments, QString& error);
    void Stop();

    const QString& device() const { return device_; }
    int port() const { return port_; }

    // The lowest port number with no mapping and no present device; 16 when every number is taken.
    static int SparePort(const QMap<int, QString>& overrides, const QMap<int, QString>& explicitMap,
                         const QList<int>& presentPorts);

private:
    QProcess process_;
    QString device_;
    int port_ = 0;
};

} // namespace mk21
