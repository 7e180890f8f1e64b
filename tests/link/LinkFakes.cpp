#include "tests/link/LinkFakes.h"

#include <QTimer>

#include <utility>

namespace mk21::test {

namespace {

char lowByte(int v)
{
    return static_cast<char>(v & 0xFF);
}

char sumOf(const QByteArray& bytes, qsizetype from, qsizetype count)
{
    int sum = 0;
    for (qsizetype i = from; i < from + count; ++i)
        sum += static_cast<unsigned char>(bytes.at(i));
    return lowByte(sum);
}

QByteArray padded(const QByteArray& text, int size)
{
    QByteArray out = text.left(size);
    out.append(QByteArray(size - out.size(), '\0'));
    return out;
}

} // namespace

FakeRadio::FakeRadio() : memory(3328, '\0')
{
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = lowByte(i * 7 + i / 256);
    setPassword(QByteArray(4, '\xFF'));
    stampIdentity();
}

void FakeRadio::stampIdentity()
{
    memory.replace(2816, 7, padded(model, 7));
    memory[2823] = lowByte(band);
    memory.replace(2824, 4, padded(firmware, 4));
    memory[2828] = lowByte(capability);
}

void FakeRadio::setPassword(const QByteArray& fourBytes)
{
    memory.replace(2876, 4, padded(fourBytes, 4));
}

QByteArray FakeRadio::respond(const QByteArray& request)
{
    QByteArray reply;
    if (request == "PROGRAM") {
        reply = QByteArray("ZR\x06");
    } else if (request.size() == 1 && request.at(0) == '\x02') {
        reply = "P" + padded(model, 7) + lowByte(band) + padded(firmware, 4) + lowByte(capability) + '\0' +
                '\x06';
    } else if (request.size() == 4 && request.at(0) == 'R') {
        const int address =
            static_cast<unsigned char>(request.at(1)) * 256 + static_cast<unsigned char>(request.at(2));
        const int length = static_cast<unsigned char>(request.at(3));
        if (address + length <= memory.size()) {
            reply = "W" + request.mid(1, 3) + memory.mid(address, length);
            reply.append(sumOf(reply, 1, 3 + length));
            reply.append('\x06');
        }
    } else if (request.size() == 22 && request.at(0) == 'W') {
        const int address =
            static_cast<unsigned char>(request.at(1)) * 256 + static_cast<unsigned char>(request.at(2));
        const bool good = request.at(3) == 16 && request.at(20) == sumOf(request, 1, 19) &&
                          request.at(21) == '\x06' && address + 16 <= memory.size();
        if (good) {
            memory.replace(address, 16, request.mid(4, 16));
            ++writesStored;
        }
        reply = QByteArray(1, good ? '\x06' : '\x0A');
    } else if (request == "END") {
        reply = QByteArray(1, '\x06');
    }
    if (silent)
        reply.clear();
    if (tamper)
        reply = tamper(request, reply);
    return reply;
}

bool FakeLink::open(const QString& device)
{
    devices.append(device);
    if (failOpen)
        return false;
    ++opens;
    open_ = true;
    inbox_.clear();
    return true;
}

void FakeLink::close()
{
    open_ = false;
    inbox_.clear();
}

bool FakeLink::write(const QByteArray& bytes)
{
    sent.append(bytes);
    sentWhileOpen.append(open_);
    if (!open_)
        return false;
    const QByteArray reply = farEnd ? farEnd(bytes) : QByteArray();
    const QByteArray line = (echo ? bytes : QByteArray()) + reply;
    if (!line.isEmpty())
        QTimer::singleShot(replyDelayMs, this, [this, line] { deliver(line); });
    return true;
}

QByteArray FakeLink::readAll()
{
    return std::exchange(inbox_, QByteArray());
}

void FakeLink::deliver(const QByteArray& bytes)
{
    if (!open_)
        return;
    inbox_.append(bytes);
    if (inbox_.size() >= threshold)
        emit received();
}

std::optional<QString> RecordingView::askPassword(const QString& enteredPassword)
{
    passwordAsks.append(enteredPassword);
    if (whileAsking)
        whileAsking();
    if (passwordAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
}

} // namespace mk21::test
