#include "app/SafetySettings.h"

#include "app/ReadBackups.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace mk21 {

namespace {

const QString verifyKey = QStringLiteral("Safety/VerifyAfterWrite");
const QString keepDaysKey = QStringLiteral("Safety/KeepBackupDays");
const QString traceKey = QStringLiteral("Safety/TraceSessions");

} // namespace

bool LoadVerifyAfterWrite(const QString& applicationTitle)
{
    const QSettings store(applicationTitle, applicationTitle);
    return store.value(verifyKey, true).toBool();
}

void SaveVerifyAfterWrite(const QString& applicationTitle, bool on)
{
    QSettings store(applicationTitle, applicationTitle);
    store.setValue(verifyKey, on);
}

int LoadKeepBackupDays(const QString& applicationTitle)
{
    const QSettings store(applicationTitle, applicationTitle);
    bool ok = false;
    const int days = store.value(keepDaysKey, ModBackup::DefaultKeepDays).toInt(&ok);
    return ok && days >= 0 ? days : ModBackup::DefaultKeepDays; // a damaged value never empties the folder
}

void SaveKeepBackupDays(const QString& applicationTitle, int days)
{
    QSettings store(applicationTitle, applicationTitle);
    store.setValue(keepDaysKey, days);
}

bool LoadTraceSessions(const QString& applicationTitle)
{
    const QSettings store(applicationTitle, applicationTitle);
    return store.value(traceKey, false).toBool();
}

void SaveTraceSessions(const QString& applicationTitle, bool on)
{
    QSettings store(applicationTitle, applicationTitle);
    store.setValue(traceKey, on);
}

QString TraceFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("trace"));
}

} // namespace mk21
