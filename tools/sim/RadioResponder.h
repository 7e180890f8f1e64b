#pragma once

#include "tools/sim/Identity.h"
#include "tools/sim/RadioFrames.h"
#include "tools/sim/RadioMemory.h"
#include "tools/sim/RequestParser.h"

namespace mk21::sim {

// What the radio answers to one request.
enum class ReplyKind { None, ProgramAccepted, Identity, DataBlock, WriteAck, WriteRefused, EndAck };

// What a planned fault does to a good write block.
enum class WriteFault { None, Refuse, StoreAltered };

const char* ReplyKindName(ReplyKind kind);

// The radio's side of the programming protocol: answers each request from its memory and
// identity, and remembers whether it is in programming mode.
class RadioResponder {
public:
    RadioResponder(RadioMemory& memory, Identity identity) : memory_(memory), identity_(std::move(identity))
    {
    }

    // The answer the request would get, without acting on it.
    ReplyKind Classify(const Request& request) const;
    // Acts on the request and returns the reply bytes. A good write block is refused (0A, not
    // stored) under WriteFault::Refuse; under StoreAltered it is acknowledged as usual but stored
    // with its first byte inverted, a corruption only a read-back can find.
    Bytes Answer(const Request& request, WriteFault fault);
    // A data block frame for any block inside the memory (used to answer for another address).
    Bytes DataBlockAt(int address, int length) const
    {
        return Frames::DataBlock(address, memory_.Bytes(address, length));
    }

    bool ProgramMode() const { return programMode_; }
    // True once after the "END" of a session that stored a block.
    bool TakeSaveDue();

private:
    static bool IsGoodWriteFrame(const Request& request);

    RadioMemory& memory_;
    Identity identity_;
    bool programMode_ = false;
    bool wrote_ = false;
    bool saveDue_ = false;
};

} // namespace mk21::sim
