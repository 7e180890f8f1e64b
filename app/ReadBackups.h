#pragma once

#include "base/FileResult.h"

#include <QDateTime>
#include <QString>

namespace mk21 {

class ConfigurationState;

// Every image read from a radio is kept in the backups folder before anything else is done with
// it: the raw image (.img), and the data file (.dat) and side file (.NVD) decoded from a copy of
// the state, so that the read leaves the model, band, configuration and document alone.
namespace ModBackup {

inline constexpr int DefaultKeepDays = 365;

// The application name both programs run under (QCoreApplication::setApplicationName), so that
// they share the user's data location and mk21ctl's reads land beside the program's.
inline constexpr const char* DataLocationName = "mk21cps";

// The folder the programs keep backups in: "backups" in the user's data location.
QString UserBackupFolder();

// The name of a backup without counter or extension: "2026-03-01_14-05-09_ZR750G_band8".
// Characters of the model code that do not belong in a file name are left out.
QString BackupStem(const QDateTime& when, const QString& modelCode, int bandNumber);

struct Kept {
    FileResult result; // the message is Msg 9100 when the backup could not be kept
    QString imagePath; // the .img written (its .dat and .NVD beside it)
};

// Keeps state.RadioImage in `folder` (created when missing) under BackupStem(now, ...) of the
// image's own model and band, "_2", "_3", ... appended while a name is taken: an existing backup
// is never replaced. Changes nothing in `state`.
Kept KeepImage(const ConfigurationState& state, const QString& folder, const QDateTime& now);

// Removes the backups in `folder` whose name says they were taken more than keepDays days before
// `now`. keepDays 0 keeps all; files not named like a backup are never touched. Returns how many
// files were removed.
int Prune(const QString& folder, const QDateTime& now, int keepDays);

// After a read from the radio: keeps the image in `folder`, reports a failure through the
// prompter (the read goes on either way) and prunes by the user's setting.
void KeepReadImage(ConfigurationState& state, const QString& folder);

} // namespace ModBackup
} // namespace mk21
