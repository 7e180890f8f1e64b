#pragma once

#include <cstddef>

// Where each part of the radio's memory lies: indexes into RadioImage (= radio address) and
// into InfoArea (= radio address - 2832).
namespace mk21::ImageLayout {

inline constexpr std::size_t ImageSize = 2832;
inline constexpr std::size_t InfoSize = 496;

inline constexpr std::size_t ChannelBlockSize = 16;
inline constexpr std::size_t MaxChannelsInImage = 128;
inline constexpr std::size_t ChannelBlocks = 0;  // block n-1 holds channel n
inline constexpr std::size_t PresenceMap = 2048; // bit clear = channel exists
inline constexpr std::size_t ScanSkipMap = 2064; // bit set = scan skip (or no channel)
inline constexpr std::size_t MapSize = 16;
inline constexpr std::size_t UnusedAfterMaps = 2080; // always 0xFF
inline constexpr std::size_t UnusedSize = 16;
inline constexpr std::size_t OptionalFeatures = 2096;
inline constexpr std::size_t KeySettings = 2106;
inline constexpr std::size_t ScanSettings = 2112;
inline constexpr std::size_t DtmfBytes = 2121;
inline constexpr std::size_t AlertBytes = 2129;
inline constexpr std::size_t IdCode = 2144; // 5 bytes, 10 hex digits
inline constexpr std::size_t IdCodeBytes = 5;
inline constexpr std::size_t IdLength = 2152;
inline constexpr std::size_t SpecialCodes = 2240; // Bot, Eot, Stun, Kill
inline constexpr std::size_t DtmfMemories = 2304; // memory m at 2304 + (m-1)*16
inline constexpr std::size_t DtmfSlotSize = 16;
inline constexpr std::size_t DtmfSlotLength = 8;     // the digit count inside a slot
inline constexpr std::size_t TestFrequencies = 2560; // item k at 2560 + 8k
inline constexpr std::size_t TestItemSize = 8;
inline constexpr std::size_t TestItems = 16;
inline constexpr std::size_t MessageLines = 2688; // line j at 2688 + 16(j-1)
inline constexpr std::size_t MessageLineSize = 16;
inline constexpr std::size_t EncodedEnd = 2752; // the encoder rewrites 0 .. EncodedEnd-1
inline constexpr std::size_t ModelCode = 2816;
inline constexpr std::size_t ModelCodeSize = 7;
inline constexpr std::size_t BandNumber = 2823;
inline constexpr std::size_t DataVersion = 2824;
inline constexpr std::size_t CapabilityByte = 2828;

// InfoArea offsets of the radio information texts and their sizes.
struct InfoField {
    std::size_t offset;
    std::size_t size;
};
inline constexpr InfoField SalesAreaCode{0, 4};
inline constexpr InfoField BatchNumber{16, 8};
inline constexpr InfoField CustomerCode{32, 4};
inline constexpr InfoField SerialNumber{48, 16};
inline constexpr InfoField ProductionDate{64, 16};
inline constexpr InfoField RepairDate{80, 16};
inline constexpr InfoField RepairReason{96, 96};
inline constexpr InfoField DealerCode{432, 16};
inline constexpr InfoField StockInDate{448, 16};
inline constexpr InfoField SalesDate{464, 16};
inline constexpr InfoField HandledBy{480, 16};

} // namespace mk21::ImageLayout
