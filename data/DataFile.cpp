#include "data/DataFile.h"

#include "app/AppState.h"
#include "app/LanguageTexts.h"
#include "data/ConfigurationOps.h"
#include "data/RecordCodec.h"
#include "data/RecordValidation.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace mk21::ModDataFile {

namespace {

constexpr int MsgNotADataFile = 9033;

// Both separators name folders, whatever system wrote the path.
QString localPath(const QString& path)
{
    QString local = path;
    local.replace(u'\\', u'/');
    return local;
}

// At most `limit` bytes from the start of the file; nullopt when it cannot be opened or read.
// Reading one byte more than a valid file holds is enough to tell its length is wrong.
std::optional<QByteArray> readFront(const QString& path, qsizetype limit)
{
    QFile file(localPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes(limit, '\0');
    const qint64 got = file.read(bytes.data(), limit);
    if (got < 0)
        return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

// A complete new file, put in place of the old one only once fully written. QSaveFile alone
// commits a file cut short by a full disk (the error of its buffered flush is not remembered),
// so the flush and the size on disk are checked before the commit.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(localPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

SideRecord defaultSide()
{
    SideRecord side;
    side.SideVersion = ReleaseTag;
    side.AlarmMode = 1;
    return side;
}

// Keeps only the entry numbered 1, moved to the front.
void keepChannelOne(RadioConfiguration& config)
{
    for (int i = 0; i < config.ChannelCount; ++i) {
        const ChannelRecord& channel = config.Channels[static_cast<std::size_t>(i)];
        if (channel.ChannelNo == 1) {
            config.Channels[0] = channel;
            config.ChannelCount = 1;
            return;
        }
    }
    config.ChannelCount = 0;
}

} // namespace

QString SideFilePath(const QString& path)
{
    return path.left(std::max<qsizetype>(0, path.size() - 3)) + QStringLiteral("NVD");
}

std::optional<FixedText<4>> ReadVersionTag(const QString& path)
{
    const std::optional<QByteArray> front = readFront(path, 4);
    if (!front)
        return std::nullopt;
    FixedText<4> tag;
    for (qsizetype i = 0; i < front->size(); ++i)
        tag.bytes()[static_cast<std::size_t>(i)] = front->at(i);
    return tag;
}

std::optional<RadioConfiguration> RecordFromFileBytes(QByteArrayView bytes)
{
    std::optional<RadioConfiguration> config = ModRecordCodec::DecodeRecord(bytes);
    if (!config || ModRecordCheck::CheckRecord(*config) == ModRecordCheck::Verdict::Refused)
        return std::nullopt;
    return config;
}

SideRecord SideFromFileBytes(QByteArrayView bytes)
{
    std::optional<SideRecord> side = ModRecordCodec::DecodeSide(bytes);
    if (!side)
        return defaultSide();
    ModRecordCheck::BringSideIntoRange(*side);
    return *side;
}

FileStatus ReadRecordFile(AppState& state, const QString& path)
{
    const std::optional<QByteArray> bytes = readFront(path, ModRecordCodec::DataFileSize + 1);
    if (!bytes)
        return FileStatus::Failed;
    std::optional<RadioConfiguration> config = RecordFromFileBytes(*bytes);
    if (!config) {
        ShowMsg(state, MsgNotADataFile);
        return FileStatus::Refused;
    }
    state.SavedConfiguration = *config;
    return FileStatus::Done;
}

FileStatus WriteRecordFile(AppState& state, const QString& path)
{
    return writeWhole(path, ModRecordCodec::EncodeRecord(state.SavedConfiguration)) ? FileStatus::Done
                                                                                      : FileStatus::Failed;
}

void ReadSideFile(AppState& state, const QString& path)
{
    const QString sidePath = localPath(SideFilePath(path));
    if (!QFileInfo::exists(sidePath)) {
        state.SavedSide = defaultSide();
        return;
    }
    const std::optional<QByteArray> bytes = readFront(sidePath, ModRecordCodec::SideFileSize + 1);
    if (bytes)
        state.SavedSide = SideFromFileBytes(*bytes);
}

bool WriteSideFile(AppState& state, const QString& path)
{
    return writeWhole(SideFilePath(path), ModRecordCodec::EncodeSide(state.SavedSide));
}

namespace {

// Reads an init or defaults file into the saved copy. After a read error both copies hold the
// defaults built so far; a refused file has shown its message and changed nothing.
bool readInitRecord(AppState& state, const QString& path)
{
    switch (ReadRecordFile(state, path)) {
    case FileStatus::Failed:
        ModConfig::CommitToSaved(state);
        return false;
    case FileStatus::Refused:
        return false;
    case FileStatus::Done:
        break;
    }
    return true;
}

} // namespace

void LoadInitFile(AppState& state, const QString& path)
{
    if (!readInitRecord(state, path))
        return;
    // A foreign tag in an init file must not end up in the files this program writes.
    state.SavedConfiguration.DataVersion = ReleaseTag;
    if (!state.document.InitRequested)
        keepChannelOne(state.SavedConfiguration);
    ReadSideFile(state, path);
    ModConfig::RestoreFromSaved(state);
}

void LoadDefaultsFile(AppState& state, const QString& path)
{
    if (!readInitRecord(state, path))
        return;
    ReadSideFile(state, path);
    ModConfig::MergeDefaults(state);
}

FileStatus LoadDocumentFile(AppState& state, const QString& path)
{
    const FileStatus status = ReadRecordFile(state, path);
    if (status != FileStatus::Done)
        return status;
    state.SavedConfiguration.DataVersion = ReleaseTag;
    ReadSideFile(state, path);
    ModConfig::RestoreFromSaved(state);
    return FileStatus::Done;
}

FileStatus SaveDocumentFile(AppState& state, const QString& path)
{
    const RadioConfiguration savedBefore = state.SavedConfiguration;
    const SideRecord sideBefore = state.SavedSide;
    ModConfig::CommitToSaved(state);
    if (WriteRecordFile(state, path) != FileStatus::Done) {
        state.SavedConfiguration = savedBefore;
        state.SavedSide = sideBefore;
        return FileStatus::Failed;
    }
    // The data file is in place; a side file that cannot be written is not reported.
    WriteSideFile(state, path);
    return FileStatus::Done;
}

} // namespace mk21::ModDataFile
