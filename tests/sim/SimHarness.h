#pragma once

#include "tools/sim/UniqueFd.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>

namespace mk21::simtest {

// One running mk21sim child process, with its device path read and its log kept in a file.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return !devicePath_.isEmpty(); }
    const QString& DevicePath() const { return devicePath_; }
    // SIGTERM, then waits; true when it ended by itself with exit code 0.
    bool Stop(int timeoutMs = 10000);
    // Waits for it to end on its own; true when it ended with exit code 0.
    bool WaitForCleanExit(int timeoutMs);
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    QString Log() const;
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString devicePath_;
};

// The program's end of the cable: the pseudo-terminal slave, raw, 9600 8N1.
class SerialEnd {
public:
    explicit SerialEnd(const QString& devicePath);

    bool IsOpen() const { return fd_.valid(); }
    bool Send(const QByteArray& bytes);
    // Reads until count bytes have come, the timeout has passed or the line has hung up.
    QByteArray Receive(int count, int timeoutMs);
    // Sends the request and reads the reply (plus the echo, when the radio echoes).
    QByteArray Exchange(const QByteArray& request, int replyLength, int timeoutMs = 2000);
    bool HungUp() const { return hungUp_; }

private:
    sim::UniqueFd fd_;
    bool hungUp_ = false;
};

QByteArray Bytes(std::initializer_list<int> values);
QByteArray Filled(int length, int value);
// The test's own sum, to check the simulator's.
int Sum(const QByteArray& bytes);
QByteArray ReadRequest(int address, int length = 16);
QByteArray WriteBlock(int address, const QByteArray& data);
QByteArray DataBlock(int address, const QByteArray& data);
// A memory whose byte at address a is (a * 7 + 3) mod 256: every block differs from its neighbours.
QByteArray PatternMemory();
bool WriteFile(const QString& path, const QByteArray& data);
QByteArray ReadFile(const QString& path);
// Sends "PROGRAM" and checks the acceptance.
bool EnterProgramMode(SerialEnd& line);

} // namespace mk21::simtest
