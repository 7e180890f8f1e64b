#include "tools/sim/RadioSession.h"

#include "tools/sim/RadioMemory.h"

#include <cstdio>

namespace mk21::sim {

std::string HexBytes(const Bytes& bytes)
{
    std::string text;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += buf;
    }
    return text;
}

std::string DescribeRequest(const Request& request)
{
    char buf[64];
    switch (request.kind) {
    case Request::Kind::Program: return "PROGRAM";
    case Request::Kind::Identify: return "identify";
    case Request::Kind::Read:
        std::snprintf(buf, sizeof buf, "read 0x%04X len %d", request.address, request.length);
        return buf;
    case Request::Kind::Write:
        std::snprintf(buf, sizeof buf, "write 0x%04X len %d checksum %02X trailer %02X", request.address,
                      request.length, request.checksum, request.trailer);
        return buf;
    case Request::Kind::End: return "END";
    }
    return "?";
}

namespace {

bool IsBlockRequest(const Request& request)
{
    return request.kind == Request::Kind::Read || request.kind == Request::Kind::Write;
}

// Another block of the same length, still inside the memory.
int OtherAddress(int address, int length)
{
    return address + 2 * length <= RadioMemory::Size ? address + length : address - length;
}

} // namespace

Outcome RadioSession::Handle(const Request& request)
{
    Outcome outcome;
    outcome.log = DescribeRequest(request);
    if (faults_.Silent()) {
        outcome.log += " -> silent";
        return outcome;
    }
    const ReplyKind kind = responder_.Classify(request);
    const int address = IsBlockRequest(request) ? request.address : -1;
    const FaultSet faults = faults_.Decide(kind, address);

    const bool refused = faults.Has(FaultKind::Resend);
    const WriteFault writeFault = refused                          ? WriteFault::Refuse
                                  : faults.Has(FaultKind::Corrupt) ? WriteFault::StoreAltered
                                                                   : WriteFault::None;
    outcome.reply = responder_.Answer(request, writeFault);
    outcome.log += std::string(" -> ") + ReplyKindName(refused ? ReplyKind::WriteRefused : kind);
    if (kind == ReplyKind::DataBlock) {
        if (faults.Has(FaultKind::Address)) {
            const int other = OtherAddress(request.address, request.length);
            if (other >= 0)
                outcome.reply = responder_.DataBlockAt(other, request.length);
        }
        if (faults.Has(FaultKind::Checksum))
            outcome.reply[outcome.reply.size() - 2] += 1;
    }
    if (faults.Has(FaultKind::Garbage))
        outcome.reply = faults_.Garbage(outcome.reply.size());
    if (faults.Has(FaultKind::Drop))
        outcome.reply.clear();
    if (faults.Has(FaultKind::Delay))
        outcome.delay = delay_;
    for (FaultKind fault : AllFaultKinds) {
        if (faults.Has(fault))
            outcome.log += std::string(" [") + FaultName(fault) + "]";
    }
    if (!outcome.reply.empty())
        outcome.log += ": " + HexBytes(outcome.reply);

    if (kind == ReplyKind::EndAck)
        outcome.saveMemory = responder_.TakeSaveDue();
    if (IsBlockRequest(request) && kind != ReplyKind::None) {
        ++blocksServed_;
        if (faults_.HangUpAfter() == blocksServed_)
            outcome.hangUp = true;
    }
    return outcome;
}

} // namespace mk21::sim
