#pragma once

#include "data/ImageLayout.h"
#include "data/RadioConfiguration.h"

#include <span>

// The DTMF part of the radio image: timing and option bytes, the own identity and the twenty code slots.
namespace mk21::DtmfImage {

using Image = std::span<Byte, ImageLayout::ImageSize>;
using ConstImage = std::span<const Byte, ImageLayout::ImageSize>;

// An identity length the radio accepts (3..10); anything else is sent as 3.
int SentIdLength(int idLength);

// One 16-byte code slot: digits as nibbles ("*" = E, "#" = F) in bytes 0..7, the count in byte 8.
void EncodeCode(const DtmfCode& code, std::span<Byte, ImageLayout::DtmfSlotSize> slot);
DtmfCode DecodeCode(std::span<const Byte, ImageLayout::DtmfSlotSize> slot);

void Encode(const DtmfSettings& dtmf, Image image);
void Decode(ConstImage image, DtmfSettings& dtmf);

} // namespace mk21::DtmfImage
