#include "base/UserFiles.h"
#include "base/RunContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using mk21::UserFile;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A runtime tree (DataRoot/V200) and a home with config and data folders, all temporary.
struct Tree {
    QTemporaryDir dir;
    mk21::AppSettings settings;
    explicit Tree(bool installed)
    {
        settings.DataRoot = dir.filePath(QStringLiteral("tree"));
        settings.ProgramFolder = settings.DataRoot + QStringLiteral("/V200");
        QDir().mkpath(settings.ProgramFolder);
        if (installed)
            writeFile(QDir(settings.DataRoot).filePath(QString::fromLatin1(mk21::InstalledTreeMarker)), {});
        settings.userFolders = mk21::LocateUserFolders(
            settings.DataRoot, dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("data")));
    }
    QString path(const char* relative) const { return dir.filePath(QString::fromLatin1(relative)); }
};

// Where each file sits in the tree and in the user's folders.
struct Place {
    UserFile file;
    const char* inTree;
    const char* ofUser;
};
const Place places[] = {
    {UserFile::MySetup, "tree/language/mysetup.ini", "config/mysetup.ini"},
    {UserFile::Habits, "tree/V200/Habit.ini", "config/Habit.ini"},
    {UserFile::CapabilityRecord, "tree/V200/Setting.ini", "config/Setting.ini"},
    {UserFile::SimulatedRadioMemory, "tree/simulated-radio.mem", "data/simulated-radio.mem"},
};

} // namespace

TEST(UserFiles, ABuildTreeReadsAndWritesItsOwnFilesAndMakesNothing)
{
    for (const Place& place : places) {
        SCOPED_TRACE(place.inTree);
        const Tree tree(false);
        EXPECT_EQ(mk21::UserFileToRead(tree.settings, place.file), tree.path(place.inTree));
        ASSERT_TRUE(writeFile(tree.path(place.inTree), "tree"));
        EXPECT_EQ(mk21::UserFileToWrite(tree.settings, place.file), tree.path(place.inTree));
        EXPECT_EQ(fileBytes(tree.path(place.inTree)), "tree");
        EXPECT_FALSE(QFileInfo::exists(tree.path("config")) || QFileInfo::exists(tree.path("data")));
    }
}

TEST(UserFiles, AnInstalledTreeIsSeededIntoTheUsersFoldersAndTheUsersCopyWins)
{
    for (const Place& place : places) {
        SCOPED_TRACE(place.inTree);
        const Tree tree(true);
        const QString shipped = tree.path(place.inTree);
        const QString own = tree.path(place.ofUser);

        // Nothing shipped, nothing of the user's: the write goes to the user's folder, made for it.
        EXPECT_EQ(mk21::UserFileToWrite(tree.settings, place.file), own);
        EXPECT_TRUE(QFileInfo(QFileInfo(own).path()).isDir());
        EXPECT_FALSE(QFileInfo::exists(own));

        // A shipped copy is read until the user has one, and seeds it on the first write.
        ASSERT_TRUE(writeFile(shipped, "shipped"));
        EXPECT_EQ(mk21::UserFileToRead(tree.settings, place.file), shipped);
        EXPECT_EQ(mk21::UserFileToWrite(tree.settings, place.file), own);
        EXPECT_EQ(fileBytes(own), "shipped");
        EXPECT_EQ(mk21::UserFileToRead(tree.settings, place.file), own);

        // The user's copy is never replaced by the shipped one, and the tree is left as it was.
        ASSERT_TRUE(writeFile(own, "changed"));
        EXPECT_EQ(mk21::UserFileToWrite(tree.settings, place.file), own);
        EXPECT_EQ(fileBytes(own), "changed");
        EXPECT_EQ(fileBytes(shipped), "shipped");
    }
}
