#pragma once

#include "tools/sim/Identity.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace mk21::sim {

// The radio's 3328 bytes: programmable memory 0..2831 and information area 2832..3327.
class RadioMemory {
public:
    static constexpr int Size = 3328;
    static constexpr int IdentityAddress = 2816;
    static constexpr int PasswordAddress = 2876;
    static constexpr int PasswordLength = 4;

    // A blank radio: FF everywhere.
    RadioMemory() { bytes_.fill(0xFF); }

    bool Contains(int address, int length) const
    {
        return address >= 0 && length >= 0 && address <= Size && length <= Size - address;
    }
    // The caller has checked Contains.
    std::span<const std::uint8_t> Bytes(int address, int length) const
    {
        return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(address),
                                                             static_cast<std::size_t>(length));
    }
    // Stores what fits inside the memory; returns false (storing nothing) when it would not fit.
    bool Store(int address, std::span<const std::uint8_t> data);

    // Up to 4 characters, 00 after the last; an empty text clears the password to FF bytes.
    void SetPassword(const std::string& text);
    // Model code, band, firmware and capability at 2816..2828, as a fresh radio carries them.
    void StampIdentity(const Identity& identity);

    bool Load(const QString& path, QString& error);
    bool Save(const QString& path, QString& error) const;

private:
    std::array<std::uint8_t, Size> bytes_{};
};

} // namespace mk21::sim
