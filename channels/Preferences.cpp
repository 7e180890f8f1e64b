#include "channels/Preferences.h"

#include "base/FileWrite.h"
#include "channels/ChannelState.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <functional>

namespace mk21 {

namespace {

// The fields in their stored order (const or not, as the record is).
template <typename Record> auto fieldsOf(Record& p)
{
    return std::array{std::ref(p.NoPasteQuestion), std::ref(p.PasteInserts), std::ref(p.NoDeleteQuestion),
                      std::ref(p.DeleteRemovesChannels), std::ref(p.OffSetShowMode)};
}

} // namespace

namespace Habits {

QString FilePath(const AppSettings& settings)
{
    return UserFileToRead(settings, UserFile::Habits);
}

EditingPreferences Decode(const QByteArray& bytes)
{
    EditingPreferences preferences;
    const auto fields = fieldsOf(preferences);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const qsizetype at = static_cast<qsizetype>(2 * i);
        const bool low = at < bytes.size() && bytes[at] != 0;
        const bool high = at + 1 < bytes.size() && bytes[at + 1] != 0;
        fields[i].get() = low || high;
    }
    return preferences;
}

QByteArray Encode(const EditingPreferences& preferences)
{
    QByteArray bytes;
    bytes.reserve(RecordSize);
    for (const bool value : fieldsOf(preferences)) {
        const std::uint16_t word = value ? 0xFFFF : 0x0000; // -1 or 0, little-endian
        bytes.append(static_cast<char>(word & 0xFF));
        bytes.append(static_cast<char>(word >> 8));
    }
    return bytes;
}

} // namespace Habits

void LoadPreferences(ChannelState& state)
{
    state.preferences = EditingPreferences{};
    QFile file(Habits::FilePath(state.settings));
    if (!file.exists()) {
        // Created empty now, so that the folder holds the file the dialogs later fill.
        QFile created(UserFileToWrite(state.settings, UserFile::Habits));
        (void)created.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(Habits::RecordSize);
    if (file.error() != QFileDevice::NoError)
        return;
    state.preferences = Habits::Decode(bytes);
}

bool SavePreferences(const ChannelState& state)
{
    // A complete new file replaces the old one, so an interrupted save never leaves half a record.
    return ModFileWrite::WriteWhole(UserFileToWrite(state.settings, UserFile::Habits),
                                    Habits::Encode(state.preferences))
        .ok();
}

} // namespace mk21
