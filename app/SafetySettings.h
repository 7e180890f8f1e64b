#pragma once

#include <QString>

namespace mk21 {

// Whether a write to the radio is read back and compared: on unless the user turned it off. Kept
// in the per-user settings store named by the application title (key Safety/VerifyAfterWrite).
bool LoadVerifyAfterWrite(const QString& applicationTitle);
void SaveVerifyAfterWrite(const QString& applicationTitle, bool on);

// For how many days the backups of radio reads are kept (0: for ever; 365 unless set), in the
// same store (key Safety/KeepBackupDays).
int LoadKeepBackupDays(const QString& applicationTitle);
void SaveKeepBackupDays(const QString& applicationTitle, int days);

// Whether every session writes a protocol trace: off unless the user turned it on (key
// Safety/TraceSessions). The traces go to "trace" in the user's data location, one file each.
bool LoadTraceSessions(const QString& applicationTitle);
void SaveTraceSessions(const QString& applicationTitle, bool on);
QString TraceFolder();

} // namespace mk21
