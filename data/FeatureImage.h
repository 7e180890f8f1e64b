#pragma once

#include "data/ImageLayout.h"
#include "data/RadioConfiguration.h"

#include <span>

// The radio-wide settings in the radio image: optional features, keys, scan, alert with the alarm
// mode, and the embedded message. (DTMF has its own codec.)
namespace mk21::FeatureImage {

using Image = std::span<Byte, ImageLayout::ImageSize>;
using ConstImage = std::span<const Byte, ImageLayout::ImageSize>;

void EncodeOptionalFeatures(const OptionalFeatureSettings& f, Image image);
void DecodeOptionalFeatures(ConstImage image, OptionalFeatureSettings& f);

void EncodeKeys(const KeySettingsRecord& k, Image image);
void DecodeKeys(ConstImage image, KeySettingsRecord& k);

void EncodeScan(const ScanSettingsRecord& s, Image image);
void DecodeScan(ConstImage image, ScanSettingsRecord& s);

void EncodeAlert(const AlertSettingsRecord& a, Byte alarmMode, Image image);
void DecodeAlert(ConstImage image, AlertSettingsRecord& a, Byte& alarmMode);

// Each line as its characters followed by 0x00 bytes up to 16.
void EncodeMessageLines(const std::array<FixedText<16>, 4>& lines, Image image);
// A line ends at the first 0xFF or 0x00 byte; a byte that is not printable ASCII reads as "?".
void DecodeMessageLines(ConstImage image, std::array<FixedText<16>, 4>& lines);

} // namespace mk21::FeatureImage
