#include "tools/sim/RadioResponder.h"

namespace mk21::sim {

const char* ReplyKindName(ReplyKind kind)
{
    switch (kind) {
    case ReplyKind::None: return "no reply";
    case ReplyKind::ProgramAccepted: return "program accepted";
    case ReplyKind::Identity: return "identity";
    case ReplyKind::DataBlock: return "data block";
    case ReplyKind::WriteAck: return "stored (06)";
    case ReplyKind::WriteRefused: return "resend (0A)";
    case ReplyKind::EndAck: return "end (06)";
    }
    return "?";
}

bool RadioResponder::IsGoodWriteFrame(const Request& request)
{
    return request.length == Frames::BlockLength && request.trailer == Frames::Ack &&
           request.checksum == Frames::Checksum(request.address, request.length, request.data);
}

ReplyKind RadioResponder::Classify(const Request& request) const
{
    if (request.kind == Request::Kind::Program)
        return ReplyKind::ProgramAccepted;
    if (!programMode_)
        return ReplyKind::None;
    switch (request.kind) {
    case Request::Kind::Program: return ReplyKind::ProgramAccepted;
    case Request::Kind::Identify: return ReplyKind::Identity;
    case Request::Kind::Read:
        return request.length > 0 && memory_.Contains(request.address, request.length) ? ReplyKind::DataBlock
                                                                                       : ReplyKind::None;
    case Request::Kind::Write:
        return IsGoodWriteFrame(request) && memory_.Contains(request.address, Frames::BlockLength)
                   ? ReplyKind::WriteAck
                   : ReplyKind::WriteRefused;
    case Request::Kind::End: return ReplyKind::EndAck;
    }
    return ReplyKind::None;
}

Bytes RadioResponder::Answer(const Request& request, WriteFault fault)
{
    switch (Classify(request)) {
    case ReplyKind::None: return {};
    case ReplyKind::ProgramAccepted: programMode_ = true; return Frames::ProgramAccepted();
    case ReplyKind::Identity: return Frames::Identity(identity_);
    case ReplyKind::DataBlock: return DataBlockAt(request.address, request.length);
    case ReplyKind::WriteAck: {
        if (fault == WriteFault::Refuse)
            return {Frames::Resend};
        auto stored = request.data;
        if (fault == WriteFault::StoreAltered)
            stored[0] = static_cast<std::uint8_t>(~stored[0]);
        memory_.Store(request.address, stored);
        wrote_ = true;
        return {Frames::Ack};
    }
    case ReplyKind::WriteRefused: return {Frames::Resend};
    case ReplyKind::EndAck:
        programMode_ = false;
        saveDue_ = saveDue_ || wrote_;
        wrote_ = false;
        return {Frames::Ack};
    }
    return {};
}

bool RadioResponder::TakeSaveDue()
{
    const bool due = saveDue_;
    saveDue_ = false;
    return due;
}

} // namespace mk21::sim
