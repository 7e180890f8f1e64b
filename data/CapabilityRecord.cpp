#include "data/CapabilityRecord.h"

#include "base/FileWrite.h"
#include "data/ConfigurationState.h"

#include <QFile>

namespace mk21 {

namespace CapabilityRecordFile {

void Read(ConfigurationState& state)
{
    auto& record = state.settings.CapabilityRecord;
    record.fill(0);
    QFile file(UserFileToRead(state.settings, UserFile::CapabilityRecord));
    if (!file.exists()) {
        QFile created(UserFileToWrite(state.settings, UserFile::CapabilityRecord));
        (void)created.open(QIODevice::WriteOnly); // created empty now, filled at exit
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(4);
    for (qsizetype i = 0; i < bytes.size() && i < 4; ++i)
        record[static_cast<std::size_t>(i)] = bytes[i] != 0 ? 1 : 0;
}

bool Write(const ConfigurationState& state)
{
    const auto& record = state.settings.CapabilityRecord;
    const QByteArray bytes(reinterpret_cast<const char*>(record.data()),
                           static_cast<qsizetype>(record.size()));
    return ModFileWrite::WriteWhole(UserFileToWrite(state.settings, UserFile::CapabilityRecord), bytes).ok();
}

} // namespace CapabilityRecordFile

void ApplyCapabilities(ConfigurationState& state, Byte capabilityByte)
{
    for (int i = 0; i < 4; ++i) {
        const Byte bit = (capabilityByte >> (3 - i)) & 1;
        state.CurCapFlags[static_cast<std::size_t>(i)] = bit;
        Byte& sticky = state.settings.CapabilityRecord[static_cast<std::size_t>(i)];
        if (sticky == 0)
            sticky = bit;
    }
}

} // namespace mk21
