#include "tools/sim/RadioMemory.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace mk21::sim {

bool RadioMemory::Store(int address, std::span<const std::uint8_t> data)
{
    if (!Contains(address, static_cast<int>(data.size())))
        return false;
    std::copy(data.begin(), data.end(), bytes_.begin() + address);
    return true;
}

void RadioMemory::SetPassword(const std::string& text)
{
    for (int i = 0; i < PasswordLength; ++i) {
        std::uint8_t value = text.empty() ? 0xFF : 0x00;
        if (static_cast<std::size_t>(i) < text.size())
            value = static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)]);
        bytes_[static_cast<std::size_t>(PasswordAddress + i)] = value;
    }
}

void RadioMemory::StampIdentity(const Identity& identity)
{
    for (int i = 0; i < 7; ++i) {
        const auto index = static_cast<std::size_t>(i);
        bytes_[static_cast<std::size_t>(IdentityAddress + i)] =
            index < identity.model.size() ? static_cast<std::uint8_t>(identity.model[index]) : 0x00;
    }
    bytes_[IdentityAddress + 7] = identity.band;
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        bytes_[static_cast<std::size_t>(IdentityAddress + 8 + i)] =
            index < identity.firmware.size() ? static_cast<std::uint8_t>(identity.firmware[index]) : 0x00;
    }
    bytes_[IdentityAddress + 12] = identity.capability;
}

bool RadioMemory::Load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    // One byte more than the memory, so that a longer file is noticed without reading all of it.
    const QByteArray data = file.read(Size + 1);
    if (data.size() != Size) {
        error = QStringLiteral("%1 is not a %2-byte radio memory").arg(path).arg(Size);
        return false;
    }
    std::copy(data.begin(), data.end(), bytes_.begin());
    return true;
}

bool RadioMemory::Save(const QString& path, QString& error) const
{
    QSaveFile file(path);
    // The flush and the size are checked: QSaveFile alone may commit a file cut short by a full disk.
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes_.data()), Size) != Size || !file.flush() ||
        file.size() != Size || !file.commit()) {
        error = QStringLiteral("cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace mk21::sim
