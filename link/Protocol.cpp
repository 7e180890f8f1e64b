#include "link/Protocol.h"

#include "data/CapabilityRecord.h"
#include "data/ImageLayout.h"
#include "link/LinkState.h"

#include <algorithm>
#include <cstddef>

namespace mk21::ModComm {

namespace {

constexpr char WriteMark = 0x57;    // 'W': leads every block frame in both directions
constexpr char ReadMark = 0x52;     // 'R'
constexpr char IdentityMark = 0x50; // 'P'
constexpr int MinBlockFrame = 22;   // a frame of a 16-byte block
constexpr int ModelOffset = 1;
constexpr int ModelLength = 7;
constexpr int BandOffset = 8;
constexpr int FirmwareOffset = 9;
constexpr int FirmwareLength = 4;
constexpr int CapabilityOffset = 13;
// Where the identity's fields land in the image: the image layout's own addresses.
constexpr auto ImageModelAddress = static_cast<std::ptrdiff_t>(ImageLayout::ModelCode);
constexpr auto ImageFirmwareAddress = static_cast<std::ptrdiff_t>(ImageLayout::DataVersion);
constexpr std::size_t ImageCapabilityAddress = ImageLayout::CapabilityByte;
constexpr int PasswordDataOffset = 12;
constexpr int PasswordLength = 4;

Byte at(const QByteArray& bytes, qsizetype i)
{
    return static_cast<Byte>(bytes.at(i));
}

// Characters up to the first 00 (or, when `stopAtFF`, the first FF).
QString textOf(const QByteArray& bytes, qsizetype from, int length, bool stopAtFF)
{
    QString out;
    for (qsizetype i = from; i < from + length && i < bytes.size(); ++i) {
        const Byte b = at(bytes, i);
        if (b == 0x00 || (stopAtFF && b == 0xFF))
            break;
        out.append(QChar::fromLatin1(static_cast<char>(b)));
    }
    return out;
}

int frameAddress(const QByteArray& reply, int echoSkip)
{
    return at(reply, echoSkip + 1) * 256 + at(reply, echoSkip + 2);
}

// The checks shared by the password and data block matchers.
bool isBlockFrame(const QByteArray& reply, int echoSkip)
{
    if (echoSkip < 0 || reply.size() - echoSkip < MinBlockFrame || reply.at(echoSkip) != WriteMark)
        return false;
    const int length = at(reply, echoSkip + 3);
    if (reply.size() != echoSkip + length + DataBlockOverhead || reply.back() != AckByte)
        return false;
    const Byte sum = Checksum(reply.constData() + echoSkip + 1, 3 + length);
    return at(reply, echoSkip + 4 + length) == sum;
}

} // namespace

QByteArray ProgramRequest()
{
    return QByteArrayLiteral("PROGRAM");
}

QByteArray IdentifyRequest()
{
    return QByteArray(1, 0x02);
}

QByteArray ReadRequest(int address, int length)
{
    QByteArray out;
    out.append(ReadMark);
    out.append(static_cast<char>((address >> 8) & 0xFF));
    out.append(static_cast<char>(address & 0xFF));
    out.append(static_cast<char>(length & 0xFF));
    return out;
}

QByteArray WriteBlock(int address, const Byte* data)
{
    QByteArray out;
    out.append(WriteMark);
    out.append(static_cast<char>((address >> 8) & 0xFF));
    out.append(static_cast<char>(address & 0xFF));
    out.append(static_cast<char>(BlockSize));
    out.append(reinterpret_cast<const char*>(data), BlockSize);
    out.append(static_cast<char>(Checksum(out.constData() + 1, 3 + BlockSize)));
    out.append(AckByte);
    return out;
}

QByteArray EndRequest()
{
    return QByteArrayLiteral("END");
}

int EchoSkipFor(bool echoMode, int requestLength)
{
    return echoMode ? 0 : requestLength;
}

Byte Checksum(const char* bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += static_cast<Byte>(bytes[i]);
    return static_cast<Byte>(sum & 0xFF);
}

bool IsAck(const QByteArray& reply, int echoSkip)
{
    return echoSkip >= 0 && reply.size() == echoSkip + 1 && reply.at(echoSkip) == AckByte;
}

bool IsResend(const QByteArray& reply, int echoSkip)
{
    return echoSkip >= 0 && reply.size() == echoSkip + 1 && reply.at(echoSkip) == ResendByte;
}

bool IsProgramAccepted(const QByteArray& reply, int echoSkip)
{
    return echoSkip >= 0 && reply.size() == echoSkip + ProgramAcceptedLength && reply.at(echoSkip) == 'Z' &&
           reply.at(echoSkip + 1) == 'R' && reply.at(echoSkip + 2) == AckByte;
}

bool IsIdentity(const QByteArray& reply, int echoSkip)
{
    return echoSkip >= 0 && reply.size() == echoSkip + IdentityLength && reply.at(echoSkip) == IdentityMark &&
           reply.back() == AckByte;
}

bool IsPasswordBlock(const QByteArray& reply, int echoSkip, bool inPasswordState)
{
    return inPasswordState && isBlockFrame(reply, echoSkip) &&
           frameAddress(reply, echoSkip) == PasswordAddress;
}

bool IsDataBlock(const QByteArray& reply, int echoSkip, int currentAddress, int blockSize)
{
    return isBlockFrame(reply, echoSkip) && frameAddress(reply, echoSkip) == currentAddress &&
           at(reply, echoSkip + 3) == blockSize;
}

Reply MatchReply(const QByteArray& reply, const ReplyContext& c)
{
    if (IsAck(reply, c.echoSkip))
        return Reply::Ack;
    if (IsResend(reply, c.echoSkip))
        return Reply::Resend;
    if (IsProgramAccepted(reply, c.echoSkip))
        return Reply::ProgramAccepted;
    if (IsIdentity(reply, c.echoSkip))
        return Reply::Identity;
    if (IsPasswordBlock(reply, c.echoSkip, c.inPasswordState))
        return Reply::PasswordBlock;
    if (IsDataBlock(reply, c.echoSkip, c.currentAddress, c.blockSize))
        return Reply::DataBlock;
    return Reply::None;
}

RadioIdentity ParseIdentity(const QByteArray& reply, int echoSkip)
{
    RadioIdentity id;
    if (echoSkip < 0 || reply.size() < echoSkip + IdentityLength)
        return id;
    id.model = textOf(reply, echoSkip + ModelOffset, ModelLength, false);
    id.band = at(reply, echoSkip + BandOffset);
    id.firmware = textOf(reply, echoSkip + FirmwareOffset, FirmwareLength, false);
    id.capability = at(reply, echoSkip + CapabilityOffset);
    return id;
}

void StoreIdentity(LinkState& state, const QByteArray& reply)
{
    SessionState& s = state.session;
    if (!IsIdentity(reply, s.EchoSkip))
        return;
    const RadioIdentity id = ParseIdentity(reply, s.EchoSkip);
    s.IdentModel = id.model;
    s.IdentBand = id.band;
    s.IdentVersion = id.firmware;
    const auto* bytes = reinterpret_cast<const Byte*>(reply.constData()) + s.EchoSkip;
    std::copy_n(bytes + ModelOffset, ModelLength, state.RadioImage.begin() + ImageModelAddress);
    std::copy_n(bytes + FirmwareOffset, FirmwareLength, state.RadioImage.begin() + ImageFirmwareAddress);
    state.RadioImage[ImageCapabilityAddress] = id.capability;
    ApplyCapabilities(state, id.capability);
}

void StoreDataBlock(LinkState& state, const QByteArray& reply)
{
    const SessionState& s = state.session;
    if (!isBlockFrame(reply, s.EchoSkip))
        return;
    const int length = at(reply, s.EchoSkip + 3);
    const auto* data = reinterpret_cast<const Byte*>(reply.constData()) + s.EchoSkip + 4;
    const int address = s.CurrentAddress;
    if (address >= 0 && address < RadioImageSize) {
        const int n = std::min(length, RadioImageSize - address);
        std::copy_n(data, n, state.RadioImage.begin() + address);
    } else if (address >= InfoStartAddress && address < InfoStartAddress + InfoAreaSize) {
        const int offset = address - InfoStartAddress;
        const int n = std::min(length, InfoAreaSize - offset);
        std::copy_n(data, n, state.InfoArea.begin() + offset);
    }
}

void StoreDataBlockInto(const SessionState& session, const QByteArray& reply, std::span<Byte> image)
{
    if (!isBlockFrame(reply, session.EchoSkip))
        return;
    const int length = at(reply, session.EchoSkip + 3);
    const auto* data = reinterpret_cast<const Byte*>(reply.constData()) + session.EchoSkip + 4;
    const int address = session.CurrentAddress;
    const auto size = static_cast<int>(image.size());
    if (address >= 0 && address < size)
        std::copy_n(data, std::min(length, size - address), image.begin() + address);
}

QString RadioPassword(const QByteArray& reply, int echoSkip)
{
    return textOf(reply, echoSkip + 4 + PasswordDataOffset, PasswordLength, true);
}

bool CheckPassword(const QByteArray& reply, int echoSkip, const QString& enteredPassword)
{
    const QString password = RadioPassword(reply, echoSkip);
    return password.isEmpty() || password == enteredPassword;
}

} // namespace mk21::ModComm
