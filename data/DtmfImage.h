#pragma once

#include "data/ImageFields.h"
#include "data/ImageLayout.h"
#include "data/RadioConfiguration.h"

#include <span>

// The DTMF part of the radio image: timing and option bytes, the own identity and the twenty code slots.
namespace mk21::DtmfImage {

using Image = ImageFields::Image;
using ConstImage = ImageFields::ConstImage;

// An identity length the radio accepts (3..10); anything else is sent as 3.
int SentIdLength(int idLength);

// One 16-byte code slot: digits as nibbles ("*" = E, "#" = F) in bytes 0..7, the count in byte 8.
void EncodeCode(const DtmfCode& code, std::span<Byte, ImageLayout::DtmfSlotSize> slot);
DtmfCode DecodeCode(std::span<const Byte, ImageLayout::DtmfSlotSize> slot);

// A code slot as a row of the field list.
struct CodeSlot {
    std::size_t offset;

    void Put(Image image, const DtmfCode& code) const;
    void Take(ConstImage image, DtmfCode& code) const;
};

// The own identity: its digits as hex nibbles at `digits`, their count at `length`. The radio
// gets the length as SentIdLength and that many digits, filled with "0"; the record keeps its own
// length.
struct Identity {
    std::size_t digits;
    std::size_t length;

    void Put(Image image, const FixedText<10>& id, Integer idLength) const;
    void Take(ConstImage image, FixedText<10>& id, Integer& idLength) const;
};

// The one description of the DTMF block, walked by an ImageFields::Writer or Reader. D is
// DtmfSettings, const when writing.
template <class Io, class D> void Fields(Io& io, D& d)
{
    using ImageFields::BitField;
    namespace L = ImageLayout;
    constexpr std::size_t B = L::DtmfBytes;
    io(BitField{B + 0}, d.DtmfRate);
    io(BitField{B + 1}, d.FirstDigitTime);
    io(BitField{B + 2}, d.FirstDigitDelay);
    io(BitField{B + 3}, d.StarHashTime);
    io(BitField{B + 4}, d.DKeySetting);
    io(BitField{B + 5, 7, 1}, d.SideTone);
    io(BitField{B + 5, 4, 2}, d.CallAlertMode);
    // Sent as the whole byte but read back as its low nibble: a value above 15 does not survive.
    io(BitField{.offset = B + 6, .readWidth = 4}, d.GroupCode);
    io(BitField{B + 7}, d.AutoResetTime);
    io(Identity{L::IdCode, L::IdLength}, d.IdCode, d.IdLength);

    // Slot order: Bot, Eot, Stun, Kill, then memories 1..16.
    std::size_t slot = L::SpecialCodes;
    const auto code = [&](auto& c) {
        io(CodeSlot{slot}, c);
        slot += L::DtmfSlotSize;
    };
    code(d.BotCode);
    code(d.EotCode);
    code(d.StunCode);
    code(d.KillCode);
    for (auto& memory : d.DtmfMemory)
        code(memory);
}

} // namespace mk21::DtmfImage
