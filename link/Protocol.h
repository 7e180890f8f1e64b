#pragma once

#include "data/RadioConfiguration.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace mk21 {

class LinkState;
struct SessionState;

// The programming protocol, byte for byte: requests, reply recognition, checksum and what the
// replies carry. Pure functions over byte arrays except the two that store into the state.
namespace ModComm {

inline constexpr int BlockSize = 16;
inline constexpr int ReadEndAddress = 2831;   // last address of a read or a write
inline constexpr int InfoStartAddress = 2832; // first address of the information area
inline constexpr int InfoEndAddress = 3327;   // last address of a radio information read
inline constexpr int PasswordAddress = 2864;  // the block carrying the radio's password
inline constexpr char AckByte = 0x06;
inline constexpr char ResendByte = 0x0A;

// Reply lengths after the echo.
inline constexpr int AckReplyLength = 1;
inline constexpr int ProgramAcceptedLength = 3;
inline constexpr int IdentityLength = 16;
inline constexpr int DataBlockOverhead = 6; // 'W', address high and low, length, checksum, 06

QByteArray ProgramRequest();
QByteArray IdentifyRequest();
QByteArray ReadRequest(int address, int length);
// 'W', address, 16, the 16 bytes, checksum, 06. `data` must hold at least 16 bytes.
QByteArray WriteBlock(int address, const Byte* data);
QByteArray EndRequest();

// The leading received bytes that are the cable's echo of a request of this length.
int EchoSkipFor(bool echoMode, int requestLength);

// Sum modulo 256 of the given bytes (address, length and data of a block frame).
Byte Checksum(const char* bytes, int count);

// Each matcher is given exactly the bytes kept for the reply (the receive threshold's worth).
bool IsAck(const QByteArray& reply, int echoSkip);
bool IsResend(const QByteArray& reply, int echoSkip);
bool IsProgramAccepted(const QByteArray& reply, int echoSkip);
bool IsIdentity(const QByteArray& reply, int echoSkip);
bool IsPasswordBlock(const QByteArray& reply, int echoSkip, bool inPasswordState);
bool IsDataBlock(const QByteArray& reply, int echoSkip, int currentAddress, int blockSize);

enum class Reply { None, Ack, Resend, ProgramAccepted, Identity, PasswordBlock, DataBlock };

// What the session knows when a reply comes in.
struct ReplyContext {
    int echoSkip = 0;
    int currentAddress = 0;
    int blockSize = BlockSize;
    bool inPasswordState = false;
};

// The first matcher that accepts the reply, in the fixed order Ack, Resend, ProgramAccepted,
// Identity, PasswordBlock, DataBlock.
Reply MatchReply(const QByteArray& reply, const ReplyContext& context);

// The fields of an identity reply.
struct RadioIdentity {
    QString model; // up to the first 00
    int band = 0;
    QString firmware; // up to the first 00
    Byte capability = 0;
};
RadioIdentity ParseIdentity(const QByteArray& reply, int echoSkip);

// Keeps the identity as IdentModel/IdentBand/IdentVersion, copies the model code, firmware and
// capability bytes into RadioImage (2816..2822, 2824..2827, 2828; 2823 untouched) and applies
// the capability byte.
void StoreIdentity(LinkState& state, const QByteArray& reply);

// Copies the data bytes of a block for CurrentAddress into RadioImage or InfoArea.
void StoreDataBlock(LinkState& state, const QByteArray& reply);
// Copies them into `image` (indexed by address) as far as it reaches: a quiet read's own buffer.
void StoreDataBlockInto(const SessionState& session, const QByteArray& reply, std::span<Byte> image);

// The password in a password block: data bytes 12..15 up to the first 00 or FF.
QString RadioPassword(const QByteArray& reply, int echoSkip);
// True when the radio has no password or the entered one equals it.
bool CheckPassword(const QByteArray& reply, int echoSkip, const QString& enteredPassword);

} // namespace ModComm
} // namespace mk21
