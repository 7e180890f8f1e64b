#pragma once

#include "data/FixedText.h"
#include "data/RadioConfiguration.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace mk21 {

class AppState;

// Data files (8595 bytes) and their side files (5 bytes): reading them into the saved copies,
// writing the saved copies out, and the init, defaults and document loads built on them.
namespace ModDataFile {

enum class FileStatus {
    Done,
    Refused, // the content is not a data file of ours; Msg 9033 has been shown
    Failed,  // the file could not be opened, read or written; no message shown
};

// The path with its last three characters replaced by "NVD" (settings.data -> settings.dNVD).
QString SideFilePath(const QString& path);

// The first 4 bytes of the file (blanks where the file is shorter); nullopt when it cannot be read.
std::optional<FixedText<4>> ReadVersionTag(const QString& path);

// The record a data file's bytes hold, its values brought into range; nullopt when the length
// is not 8595 or the content is refused (ModRecordCheck).
std::optional<RadioConfiguration> RecordFromFileBytes(QByteArrayView bytes);
// The side record of a side file's bytes: "V200", 1 when they are not exactly 5 bytes.
SideRecord SideFromFileBytes(QByteArrayView bytes);

// The file into SavedConfiguration. A wrong length or refused content shows Msg 9033; nothing
// changes unless Done.
FileStatus ReadRecordFile(AppState& state, const QString& path);
// SavedConfiguration as the whole new content of the file. The old file is replaced only when
// the new one has been written completely.
FileStatus WriteRecordFile(AppState& state, const QString& path);

// SideFilePath(path) into the saved SideRecord: "V200", 1 when it is missing or not 5 bytes
// long; unchanged when it cannot be read. Never shows a message.
void ReadSideFile(AppState& state, const QString& path);
// The saved SideRecord into SideFilePath(path); false when it could not be written.
bool WriteSideFile(AppState& state, const QString& path);

// An init file for the exact model and band: the whole record, its channel list cut to channel
// 1 unless the initialisation command asked for all, its side file; then RestoreFromSaved.
void LoadInitFile(AppState& state, const QString& path);
// A defaults file: only feature settings, FM memories and test frequencies 1..11 are taken.
void LoadDefaultsFile(AppState& state, const QString& path);

// The file steps of opening a document: record, version "V200", side file, RestoreFromSaved.
FileStatus LoadDocumentFile(AppState& state, const QString& path);
// The file steps of saving a document: CommitToSaved, record, side file. When the record cannot
// be written the saved copies go back to what they were, so the document still counts as changed.
FileStatus SaveDocumentFile(AppState& state, const QString& path);

} // namespace ModDataFile
} // namespace mk21
