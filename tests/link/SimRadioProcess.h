#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace mk21::test {

// A running mk21sim with its memory in a temporary file: the radio at the far end of a real
// pseudo-terminal. Stopped (and its memory saved) by stop() or on destruction.
class SimRadioProcess final {
public:
    // `memory` (3328 bytes) is written to the memory file first when given.
    explicit SimRadioProcess(const QStringList& arguments, const QByteArray& memory = {});
    ~SimRadioProcess();
    SimRadioProcess(const SimRadioProcess&) = delete;
    SimRadioProcess& operator=(const SimRadioProcess&) = delete;

    bool started() const { return !device_.isEmpty(); }
    const QString& device() const { return device_; }
    // SIGTERM and wait; the simulator saves its memory on the way out.
    bool stop();
    QByteArray savedMemory() const;
    QString log();
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString device_;
    QString log_;
};

QString StagedProgram(const char* name);

// 3328 bytes where byte a is (a * 5 + a / 256) mod 256, so that blocks differ; the
// simulator's default identity at 2816 and no password.
QByteArray PatternMemory();

} // namespace mk21::test
