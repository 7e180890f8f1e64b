#include "tests/sim/SimHarness.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace mk21::simtest {

SimProcess::SimProcess(const QStringList& arguments)
{
    process_.setStandardErrorFile(dir_.filePath(QStringLiteral("sim.log")));
    process_.start(QStringLiteral(MK21_STAGE_DIR "/V200/mk21sim"), arguments);
    if (!process_.waitForStarted(10000))
        return;
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine() && clock.elapsed() < 10000 && process_.state() == QProcess::Running)
        process_.waitForReadyRead(200);
    if (process_.canReadLine())
        devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimProcess::~SimProcess()
{
    if (Running() && !Stop()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool SimProcess::Stop(int timeoutMs)
{
    if (Running())
        process_.terminate();
    return WaitForCleanExit(timeoutMs);
}

bool SimProcess::WaitForCleanExit(int timeoutMs)
{
    if (Running() && !process_.waitForFinished(timeoutMs))
        return false;
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString SimProcess::Log() const
{
    return QString::fromLocal8Bit(ReadFile(dir_.filePath(QStringLiteral("sim.log"))));
}

SerialEnd::SerialEnd(const QString& devicePath)
{
    fd_.reset(open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd_.valid())
        return;
    termios tio{};
    if (tcgetattr(fd_.get(), &tio) != 0) {
        fd_.reset();
        return;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(fd_.get(), TCSANOW, &tio) != 0) {
        fd_.reset();
        return;
    }
    tcflush(fd_.get(), TCIOFLUSH);
}

bool SerialEnd::Send(const QByteArray& bytes)
{
    qsizetype done = 0;
    for (int attempt = 0; attempt < 100 && done < bytes.size(); ++attempt) {
        const ssize_t n =
            write(fd_.get(), bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            pollfd p{fd_.get(), POLLOUT, 0};
            poll(&p, 1, 10);
        }
    }
    return done == bytes.size();
}

QByteArray SerialEnd::Receive(int count, int timeoutMs)
{
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (received.size() < count && !hungUp_) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd p{fd_.get(), POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[512];
        const qsizetype want = std::min<qsizetype>(qsizetype{sizeof buffer}, count - received.size());
        const ssize_t n = read(fd_.get(), buffer, static_cast<size_t>(want));
        if (n > 0)
            received.append(buffer, n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            hungUp_ = true;
    }
    return received;
}

QByteArray SerialEnd::Exchange(const QByteArray& request, int replyLength, int timeoutMs)
{
    if (!Send(request))
        return {};
    return Receive(replyLength, timeoutMs);
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray Filled(int length, int value)
{
    return QByteArray(length, static_cast<char>(value));
}

int Sum(const QByteArray& bytes)
{
    int sum = 0;
    for (char c : bytes)
        sum += static_cast<unsigned char>(c);
    return sum % 256;
}

QByteArray ReadRequest(int address, int length)
{
    return Bytes({'R', address >> 8, address & 0xFF, length});
}

QByteArray WriteBlock(int address, const QByteArray& data)
{
    const QByteArray head = Bytes({address >> 8, address & 0xFF, static_cast<int>(data.size())});
    return "W" + head + data + Bytes({Sum(head + data), 0x06});
}

QByteArray DataBlock(int address, const QByteArray& data)
{
    return WriteBlock(address, data); // the radio's data block has the write block's form
}

QByteArray PatternMemory()
{
    QByteArray memory(3328, '\0');
    for (int a = 0; a < memory.size(); ++a)
        memory[a] = static_cast<char>((a * 7 + 3) % 256);
    return memory;
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool EnterProgramMode(SerialEnd& line)
{
    return line.Exchange("PROGRAM", 3) == Bytes({'Z', 'R', 0x06});
}

} // namespace mk21::simtest
