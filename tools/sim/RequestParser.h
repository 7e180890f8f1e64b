#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace mk21::sim {

// One request from the program, as cut from the byte stream.
struct Request {
    enum class Kind { Program, Identify, Read, Write, End };
    Kind kind = Kind::Program;
    int address = 0;
    int length = 0; // the length byte of a read or write
    std::array<std::uint8_t, 16> data{};
    std::uint8_t checksum = 0; // as received in a write block
    std::uint8_t trailer = 0;  // last byte of a write block; 06 in a proper one
};

// Cuts requests out of the bytes received from the program. A request is known by its first
// byte (or characters) and its fixed length; anything else is dropped one byte at a time, so the
// parser finds the next request after garbage.
class RequestParser {
public:
    void Push(std::uint8_t byte) { buffer_.push_back(byte); }
    // The next complete request. Outside programming mode only "PROGRAM" counts.
    std::optional<Request> Next(bool programMode);
    // True when the bytes held so far could still become a request.
    bool HasPartial() const { return !buffer_.empty(); }
    // Gives up the partial request's first byte (it was garbage after all).
    void DropHead();
    // Bytes thrown away as garbage since the last call.
    int TakeDiscarded();

private:
    enum class Match { No, Partial, Full };
    Match MatchText(const char* text, int length) const;
    Request Take(Request request, int length);

    std::deque<std::uint8_t> buffer_;
    int discarded_ = 0;
};

} // namespace mk21::sim
