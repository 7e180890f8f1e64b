#include "data/DataFile.h"

#include "base/FileRead.h"
#include "base/FileWrite.h"
#include "base/texts/MessageTexts.h"
#include "data/ConfigurationOps.h"
#include "data/ConfigurationState.h"
#include "data/RecordCodec.h"
#include "data/RecordValidation.h"

#include <QFileInfo>

#include <algorithm>

namespace mk21::ModDataFile {

namespace {

constexpr qsizetype SideRuleNameLength = 3; // names this short keep their last characters

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

// One file, however the two paths are written: compared by their targets where they exist.
bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(LocalPath(a));
    const QFileInfo second(LocalPath(b));
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

QString SideFilePath(const QString& path)
{
    const qsizetype nameStart = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    if (path.size() - nameStart > SideRuleNameLength)
        return path.left(path.size() - 3) + QStringLiteral("NVD");
    return path + QStringLiteral(".NVD");
}

FileResult CheckDataFilePath(const QString& path)
{
    if (sameFile(path, SideFilePath(path)))
        return FileResult::Refused(Texts::Msg::FileError, path, Texts::Msg::ReasonSideFileClash);
    return FileResult::Done();
}

std::optional<FixedText<4>> ReadVersionTag(const QString& path, FileResult* failure)
{
    QByteArray front;
    const FileResult read = ModFileRead::ReadFront(path, 4, front);
    if (!read.ok()) {
        if (failure != nullptr)
            *failure = read;
        return std::nullopt;
    }
    FixedText<4> tag;
    // Bounded by the tag itself, whatever the reader handed back.
    const std::size_t count = std::min(tag.bytes().size(), static_cast<std::size_t>(front.size()));
    std::copy_n(front.constData(), count, tag.bytes().begin());
    return tag;
}

std::optional<RadioConfiguration> RecordFromFileBytes(QByteArrayView bytes, FileResult* refusal)
{
    std::optional<RadioConfiguration> config = ModRecordCodec::DecodeRecord(bytes);
    FileResult refused;
    if (!config) {
        refused.message = Texts::Msg::WrongLength;
    } else if (ModRecordCheck::ContentFault fault;
               ModRecordCheck::CheckRecord(*config, &fault) == ModRecordCheck::Verdict::Refused) {
        refused = FileResult::Refused(Texts::Msg::InvalidContent, QString(), fault.text, fault.args);
        config.reset();
    }
    if (refusal != nullptr)
        *refusal = refused;
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

FileResult ReadRecordFile(ConfigurationState& state, const QString& path)
{
    QByteArray bytes;
    if (FileResult read = ModFileRead::ReadFront(path, ModRecordCodec::DataFileSize + 1, bytes); !read.ok())
        return read;
    FileResult refusal;
    std::optional<RadioConfiguration> config = RecordFromFileBytes(bytes, &refusal);
    if (!config) {
        refusal.path = path;
        return refusal;
    }
    state.SavedConfiguration = *config;
    return FileResult::Done();
}

FileResult WriteRecordFile(ConfigurationState& state, const QString& path)
{
    return ModFileWrite::WriteWhole(path, ModRecordCodec::EncodeRecord(state.SavedConfiguration));
}

void ReadSideFile(ConfigurationState& state, const QString& path)
{
    const QString sidePath = SideFilePath(path);
    if (!QFileInfo::exists(LocalPath(sidePath))) {
        state.SavedSide = defaultSide();
        return;
    }
    QByteArray bytes;
    if (ModFileRead::ReadFront(sidePath, ModRecordCodec::SideFileSize + 1, bytes).ok())
        state.SavedSide = SideFromFileBytes(bytes);
}

FileResult WriteSideFile(ConfigurationState& state, const QString& path)
{
    FileResult written =
        ModFileWrite::WriteWhole(SideFilePath(path), ModRecordCodec::EncodeSide(state.SavedSide));
    if (!written.ok())
        written.message = Texts::Msg::SideFileNotWritten;
    return written;
}

namespace {

// Reads an init or defaults file into the saved copy. After a read error both copies hold the
// defaults built so far; a refused file has shown its message and changed nothing.
bool readInitRecord(ConfigurationState& state, const QString& path)
{
    const FileResult read = ReadRecordFile(state, path);
    if (read.ok())
        return true;
    if (read.message == Texts::Msg::FileError)
        ModConfig::CommitToSaved(state);
    else
        ShowFileResult(state, read);
    return false;
}

} // namespace

void LoadInitFile(ConfigurationState& state, const QString& path, bool initRequested)
{
    if (!readInitRecord(state, path))
        return;
    // A foreign tag in an init file must not end up in the files this program writes.
    state.SavedConfiguration.DataVersion = ReleaseTag;
    if (!initRequested)
        keepChannelOne(state.SavedConfiguration);
    ReadSideFile(state, path);
    ModConfig::RestoreFromSaved(state);
}

void LoadDefaultsFile(ConfigurationState& state, const QString& path)
{
    if (!readInitRecord(state, path))
        return;
    ReadSideFile(state, path);
    ModConfig::MergeDefaults(state);
}

FileResult LoadDocumentFile(ConfigurationState& state, const QString& path)
{
    if (FileResult read = ReadRecordFile(state, path); !read.ok())
        return read;
    state.SavedConfiguration.DataVersion = ReleaseTag;
    ReadSideFile(state, path);
    ModConfig::RestoreFromSaved(state);
    return FileResult::Done();
}

FileResult SaveDocumentFile(ConfigurationState& state, const QString& path)
{
    if (FileResult checked = CheckDataFilePath(path); !checked.ok())
        return checked;
    const RadioConfiguration savedBefore = state.SavedConfiguration;
    const SideRecord sideBefore = state.SavedSide;
    ModConfig::CommitToSaved(state);
    if (FileResult written = WriteRecordFile(state, path); !written.ok()) {
        state.SavedConfiguration = savedBefore;
        state.SavedSide = sideBefore;
        return written;
    }
    // The data file is in place and counts as saved, whatever becomes of the side file.
    return WriteSideFile(state, path);
}

} // namespace mk21::ModDataFile
