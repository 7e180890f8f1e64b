#pragma once

#include "base/FileResult.h"
#include "base/FixedText.h"
#include "data/RadioConfiguration.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace mk21 {

class ConfigurationState;

// Data files (8595 bytes) and their side files (5 bytes): reading them into the saved copies,
// writing the saved copies out, and the init, defaults and document loads built on them.
namespace ModDataFile {

// The side file's path: the data file path with its last three characters replaced by "NVD"
// (settings.data -> settings.dNVD) when the file name itself is longer than three characters;
// otherwise ".NVD" is appended (sub/ab -> sub/ab.NVD), so the side file stays in the same folder.
QString SideFilePath(const QString& path);

// Refused (Msg 9002) when the path's side file would be the data file itself (x.NVD): saving
// the side file would overwrite the data just written.
FileResult CheckDataFilePath(const QString& path);

// The first 4 bytes of the file (blanks where the file is shorter); nullopt, with the reason in
// `failure` when given, when it cannot be read.
std::optional<FixedText<4>> ReadVersionTag(const QString& path, FileResult* failure = nullptr);

// The record a data file's bytes hold, its values brought into range; nullopt when the length
// is not 8595 (Msg 9033) or the content is refused (Msg 9067, ModRecordCheck); `refusal` then
// says which, when given.
std::optional<RadioConfiguration> RecordFromFileBytes(QByteArrayView bytes, FileResult* refusal = nullptr);
// The side record of a side file's bytes: "V200", 1 when they are not exactly 5 bytes.
SideRecord SideFromFileBytes(QByteArrayView bytes);

// The file into SavedConfiguration; nothing changes unless the result is done. Shows nothing.
FileResult ReadRecordFile(ConfigurationState& state, const QString& path);
// SavedConfiguration as the whole new content of the file. The old file is replaced only when
// the new one has been written completely.
FileResult WriteRecordFile(ConfigurationState& state, const QString& path);

// SideFilePath(path) into the saved SideRecord: "V200", 1 when it is missing or not 5 bytes
// long; unchanged when it cannot be read. Never shows a message.
void ReadSideFile(ConfigurationState& state, const QString& path);
// The saved SideRecord into SideFilePath(path); Msg 9068 with the side path when it fails.
FileResult WriteSideFile(ConfigurationState& state, const QString& path);

// An init file for the exact model and band: the whole record, its channel list cut to channel
// 1 unless the initialisation command asked for all, its side file; then RestoreFromSaved.
// A refused file shows its message and leaves the defaults.
void LoadInitFile(ConfigurationState& state, const QString& path, bool initRequested);
// A defaults file: only feature settings, FM memories and test frequencies 1..11 are taken.
void LoadDefaultsFile(ConfigurationState& state, const QString& path);

// The file steps of opening a document: record, version "V200", side file, RestoreFromSaved.
// Nothing changes unless the result is done. Shows nothing.
FileResult LoadDocumentFile(ConfigurationState& state, const QString& path);
// The file steps of saving a document: CommitToSaved, record, side file. When the record cannot
// be written the saved copies go back to what they were, so the document still counts as changed.
// Msg 9068 means the data file was saved and only its side file failed: the document is saved.
FileResult SaveDocumentFile(ConfigurationState& state, const QString& path);

} // namespace ModDataFile
} // namespace mk21
