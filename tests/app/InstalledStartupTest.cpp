#include "app/LanguageChoice.h"
#include "app/Startup.h"
#include "channels/Preferences.h"
#include "data/CapabilityRecord.h"
#include "link/PortChoice.h"
#include "tests/support/StagedState.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every file of a tree with a hash of its bytes, so that any change shows.
QStringList listing(const QString& root)
{
    QStringList lines;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        lines << QDir(root).relativeFilePath(file.fileName()) + u' ' +
                     QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    }
    lines.sort();
    return lines;
}

} // namespace

TEST(InstalledStartup, ChoicesLandInTheUsersFoldersAndTheNextStartReadsThem)
{
    mk21::test::StagedState first;
    QTemporaryDir home;
    QFile marker(first.rootFile(QString::fromLatin1(mk21::InstalledTreeMarker)));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const QStringList tree = listing(first.dataRoot());
    const auto install = [&](mk21::AppSettings& settings) {
        settings.userFolders = mk21::LocateUserFolders(
            first.dataRoot(), home.filePath(QStringLiteral("config")), home.filePath(QStringLiteral("data")));
    };

    install(first.state.settings);
    mk21::RunStartup(first.state, {});
    ASSERT_TRUE(mk21::ModLanguage::ChooseLanguage(first.state, 2));
    ASSERT_TRUE(mk21::ModPorts::ChoosePort(first.state, 3));
    first.state.preferences.PasteInserts = true;
    ASSERT_TRUE(mk21::SavePreferences(first.state));
    mk21::ApplyCapabilities(first.state, 0x01);
    mk21::CompleteSettingsAtExit(first.state);
    EXPECT_EQ(listing(first.dataRoot()), tree) << "nothing is written into an installed tree";
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("config"))).entryList(QDir::Files, QDir::Name),
              (QStringList{"Habit.ini", "Setting.ini", "mysetup.ini"}));

    mk21::test::RecordingPrompter prompter;
    mk21::AppState second(prompter);
    second.settings.DataRoot = first.dataRoot();
    second.settings.ProgramFolder = first.programFolder();
    install(second.settings);
    mk21::RunStartup(second, {});
    EXPECT_EQ(second.settings.CurrentLanguage, 2);
    EXPECT_EQ(second.settings.comPort, 3);
    EXPECT_TRUE(second.preferences.PasteInserts);
    EXPECT_EQ(second.settings.CapabilityRecord, (std::array<mk21::Byte, 4>{0, 0, 0, 1}));
    EXPECT_EQ(listing(first.dataRoot()), tree);
}
