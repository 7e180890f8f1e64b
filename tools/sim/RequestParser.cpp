#include "tools/sim/RequestParser.h"

#include "tools/sim/RadioFrames.h"

namespace mk21::sim {

namespace {

constexpr char ProgramText[] = "PROGRAM";
constexpr char EndText[] = "END";
constexpr int ProgramLength = 7;
constexpr int EndLength = 3;

} // namespace

RequestParser::Match RequestParser::MatchText(const char* text, int length) const
{
    const int available = static_cast<int>(buffer_.size());
    for (int i = 0; i < length && i < available; ++i) {
        if (buffer_[static_cast<std::size_t>(i)] != static_cast<std::uint8_t>(text[i]))
            return Match::No;
    }
    return available >= length ? Match::Full : Match::Partial;
}

Request RequestParser::Take(Request request, int length)
{
    buffer_.erase(buffer_.begin(), buffer_.begin() + length);
    return request;
}

std::optional<Request> RequestParser::Next(bool programMode)
{
    // Each pass either returns or drops one byte, so the loop ends with the buffer.
    while (!buffer_.empty()) {
        const std::uint8_t head = buffer_.front();
        const int available = static_cast<int>(buffer_.size());
        Request request;
        if (head == ProgramText[0]) {
            const Match m = MatchText(ProgramText, ProgramLength);
            if (m == Match::Full)
                return Take({.kind = Request::Kind::Program}, ProgramLength);
            if (m == Match::Partial)
                return std::nullopt;
        } else if (programMode && head == Frames::IdentifyCode) {
            return Take({.kind = Request::Kind::Identify}, 1);
        } else if (programMode && head == EndText[0]) {
            const Match m = MatchText(EndText, EndLength);
            if (m == Match::Full)
                return Take({.kind = Request::Kind::End}, EndLength);
            if (m == Match::Partial)
                return std::nullopt;
        } else if (programMode && head == Frames::ReadCode) {
            if (available < Frames::ReadRequestLength)
                return std::nullopt;
            request.kind = Request::Kind::Read;
            request.address = buffer_[1] << 8 | buffer_[2];
            request.length = buffer_[3];
            return Take(request, Frames::ReadRequestLength);
        } else if (programMode && head == Frames::WriteCode) {
            if (available < Frames::WriteFrameLength)
                return std::nullopt;
            request.kind = Request::Kind::Write;
            request.address = buffer_[1] << 8 | buffer_[2];
            request.length = buffer_[3];
            for (std::size_t i = 0; i < request.data.size(); ++i)
                request.data[i] = buffer_[4 + i];
            request.checksum = buffer_[20];
            request.trailer = buffer_[21];
            return Take(request, Frames::WriteFrameLength);
        }
        DropHead();
    }
    return std::nullopt;
}

void RequestParser::DropHead()
{
    if (buffer_.empty())
        return;
    buffer_.pop_front();
    ++discarded_;
}

int RequestParser::TakeDiscarded()
{
    const int n = discarded_;
    discarded_ = 0;
    return n;
}

} // namespace mk21::sim
