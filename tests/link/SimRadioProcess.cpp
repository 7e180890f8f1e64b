#include "tests/link/SimRadioProcess.h"

#include <QDeadlineTimer>
#include <QFile>

namespace mk21::test {

QString StagedProgram(const char* name)
{
    return QStringLiteral(MK21_STAGE_DIR "/V200/") + QString::fromLatin1(name);
}

QByteArray PatternMemory()
{
    QByteArray m(3328, '\0');
    for (int a = 0; a < m.size(); ++a)
        m[a] = static_cast<char>((a * 5 + a / 256) & 0xFF);
    m.replace(2816, 13, QByteArray("ZR750G\0\0V200\0", 13)); // as the simulator identifies itself
    m.replace(2876, 4, QByteArray(4, '\xFF'));               // no password
    return m;
}

SimRadioProcess::SimRadioProcess(const QStringList& arguments, const QByteArray& memory)
{
    const QString memoryFile = dir_.filePath(QStringLiteral("radio.mem"));
    if (!memory.isEmpty()) {
        QFile f(memoryFile);
        if (!f.open(QIODevice::WriteOnly) || f.write(memory) != memory.size())
            return;
    }
    process_.start(StagedProgram("mk21sim"), QStringList{QStringLiteral("--memory"), memoryFile} + arguments);
    if (!process_.waitForStarted(5000))
        return;
    const QDeadlineTimer deadline(5000);
    while (!process_.canReadLine() && !deadline.hasExpired() && process_.state() == QProcess::Running)
        process_.waitForReadyRead(100);
    if (process_.canReadLine())
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimRadioProcess::~SimRadioProcess()
{
    stop();
}

bool SimRadioProcess::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    process_.terminate();
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(5000);
        return false;
    }
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QByteArray SimRadioProcess::savedMemory() const
{
    QFile f(dir_.filePath(QStringLiteral("radio.mem")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString SimRadioProcess::log()
{
    log_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return log_;
}

} // namespace mk21::test
