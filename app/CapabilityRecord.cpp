#include "app/CapabilityRecord.h"

#include "app/AppState.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace mk21 {

namespace {
QString settingPath(const AppState& state)
{
    return QDir(state.settings.ProgramFolder).filePath(QStringLiteral("Setting.ini"));
}
} // namespace

namespace CapabilityRecordFile {

void Read(AppState& state)
{
    auto& record = state.settings.CapabilityRecord;
    record.fill(0);
    QFile file(settingPath(state));
    if (!file.exists()) {
        (void)file.open(QIODevice::WriteOnly); // created empty now, filled at exit
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(4);
    for (qsizetype i = 0; i < bytes.size() && i < 4; ++i)
        record[static_cast<std::size_t>(i)] = bytes[i] != 0 ? 1 : 0;
}

bool Write(const AppState& state)
{
    QSaveFile file(settingPath(state));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto& record = state.settings.CapabilityRecord;
    file.write(reinterpret_cast<const char*>(record.data()), static_cast<qint64>(record.size()));
    return file.commit();
}

} // namespace CapabilityRecordFile

void ApplyCapabilities(AppState& state, Byte capabilityByte)
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
