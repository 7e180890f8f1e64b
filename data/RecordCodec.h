#pragma once

#include "data/RadioConfiguration.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace mk21 {

// The byte form of the data file and its side file: every field in record order, Integers
// little-endian, Text(N) as its N raw bytes, no header, gaps or checksum.
namespace ModRecordCodec {

inline constexpr qsizetype DataFileSize = 8595;
inline constexpr qsizetype SideFileSize = 5;
inline constexpr qsizetype ChannelEntrySize = 60;

QByteArray EncodeRecord(const RadioConfiguration& config);
// nullopt unless the bytes are exactly DataFileSize long.
std::optional<RadioConfiguration> DecodeRecord(QByteArrayView bytes);

QByteArray EncodeSide(const SideRecord& side);
// nullopt unless the bytes are exactly SideFileSize long.
std::optional<SideRecord> DecodeSide(QByteArrayView bytes);

} // namespace ModRecordCodec
} // namespace mk21
