#include "base/UserFiles.h"

#include "base/FileWrite.h"
#include "base/RunContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace mk21 {

namespace {

struct Place {
    bool inProgramFolder; // else in DataRoot
    const char* treeName; // relative to that folder in the tree
    const char* userName; // the file name in the user's folder
    bool isSettings;      // in the user's config folder, else in the data folder
};

Place placeOf(UserFile file)
{
    switch (file) {
    case UserFile::MySetup: return {false, "language/mysetup.ini", "mysetup.ini", true};
    case UserFile::Habits: return {true, "Habit.ini", "Habit.ini", true};
    case UserFile::CapabilityRecord: return {true, "Setting.ini", "Setting.ini", true};
    case UserFile::SimulatedRadioMemory: break;
    }
    return {false, "simulated-radio.mem", "simulated-radio.mem", false};
}

QString userCopy(const AppSettings& settings, UserFile file)
{
    const Place place = placeOf(file);
    const UserFolders& folders = settings.userFolders;
    return QDir(place.isSettings ? folders.config : folders.data)
        .filePath(QString::fromLatin1(place.userName));
}

} // namespace

UserFolders LocateUserFolders(const QString& dataRoot, const QString& config, const QString& data)
{
    if (!QFileInfo::exists(QDir(dataRoot).filePath(QString::fromLatin1(InstalledTreeMarker))))
        return {};
    return {config, data};
}

UserFolders StandardUserFolders(const QString& dataRoot)
{
    return LocateUserFolders(dataRoot, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString TreeFilePath(const AppSettings& settings, UserFile file)
{
    const Place place = placeOf(file);
    return QDir(place.inProgramFolder ? settings.ProgramFolder : settings.DataRoot)
        .filePath(QString::fromLatin1(place.treeName));
}

QString UserFileToRead(const AppSettings& settings, UserFile file)
{
    if (!settings.userFolders.used())
        return TreeFilePath(settings, file);
    const QString user = userCopy(settings, file);
    return QFileInfo::exists(user) ? user : TreeFilePath(settings, file);
}

QString UserFileToWrite(const AppSettings& settings, UserFile file)
{
    if (!settings.userFolders.used())
        return TreeFilePath(settings, file);
    const QString user = userCopy(settings, file);
    if (QFileInfo::exists(user) || !QDir().mkpath(QFileInfo(user).path()))
        return user;
    QFile shipped(TreeFilePath(settings, file));
    if (shipped.open(QIODevice::ReadOnly)) {
        // Read and written whole, so that the copy is the user's own (not the tree's permissions)
        // and a copy cut short never takes the place of the seed.
        const QByteArray bytes = shipped.readAll();
        if (shipped.error() == QFileDevice::NoError)
            (void)ModFileWrite::WriteWhole(user, bytes);
    }
    return user;
}

} // namespace mk21
