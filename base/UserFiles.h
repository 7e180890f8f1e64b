#pragma once

#include <QString>

namespace mk21 {

struct AppSettings;

// The files the programs write for their user. Run from the build tree (or a copy of it) they sit
// in the runtime tree beside the program, as they always have. Run from an installed tree, which
// `cmake --install` marks with InstalledTreeMarker, the tree is never written (not even by root):
// each file lives in the user's own folders under the same name, seeded from the tree's copy.
enum class UserFile {
    MySetup,              // language/mysetup.ini: the user's language and port
    Habits,               // V200/Habit.ini: the channel editing preferences
    CapabilityRecord,     // V200/Setting.ini: the capability flags seen so far
    SimulatedRadioMemory, // simulated-radio.mem: the memory of the program's own simulated radio
};

// The file `cmake --install` puts into DataRoot; its presence alone marks the tree as installed.
inline constexpr const char* InstalledTreeMarker = "installed-tree";

// Where an installed tree's user files go; both empty for a tree that is not installed.
struct UserFolders {
    QString config; // the settings files
    QString data;   // the rest
    bool used() const { return !config.isEmpty(); }
};

// The user folders for the tree at dataRoot: `config` and `data` when the tree holds the marker,
// none otherwise.
UserFolders LocateUserFolders(const QString& dataRoot, const QString& config, const QString& data);

// The same with the application's QStandardPaths config and data locations (the application name
// must be set before).
UserFolders StandardUserFolders(const QString& dataRoot);

// The file's place in the runtime tree: where it is written on a build tree, the shipped copy
// on an installed one.
QString TreeFilePath(const AppSettings& settings, UserFile file);

// The file to read: the user's copy when there is one, else the tree's.
QString UserFileToRead(const AppSettings& settings, UserFile file);

// The file to write: the tree's on a build tree; on an installed tree the user's copy, made first
// (folder and all) from the tree's copy when the user has none yet, so that a change to one value
// keeps the others. A seed that cannot be made leaves the write to fail and say so.
QString UserFileToWrite(const AppSettings& settings, UserFile file);

} // namespace mk21
