// The backups of radio reads: what is kept and under which name, that nothing of the run changes,
// names never reused, pruning by age, and a folder that cannot be made.
#include "app/ReadBackups.h"

#include "app/NewConfiguration.h"
#include "base/texts/BackupTexts.h"
#include "data/ConfigurationOps.h"
#include "data/DataFile.h"
#include "data/ImageCodec.h"
#include "data/ModelBand.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mk21 {
namespace {

const QDateTime readAt(QDate(2026, 3, 1), QTime(14, 5, 9));

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QByteArray imageBytes(const ConfigurationState& state)
{
    return QByteArray(reinterpret_cast<const char*>(state.RadioImage.data()), RadioImageSize);
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// A state whose RadioImage holds a ZR750 radio of band 8 with changed settings, while its own
// configuration is still the ZR750G of band 0 it started with.
class ReadBackups : public testing::Test {
protected:
    void SetUp() override
    {
        ModConfig::NewConfiguration(state, QDate(2026, 3, 1));
        const ModelBand own = state.model;
        const RadioConfiguration ownConfiguration = state.WorkingConfiguration;
        state.model.CurrentModelCode = QStringLiteral("ZR750");
        state.model.CurrentBandText = ModelBandTable::BandTextOfNumber(8);
        ModFun::ParseBandRange(state.model);
        RadioConfiguration& radio = state.WorkingConfiguration;
        radio.Channels[0].RxFreq = QStringLiteral("15000000");
        radio.Channels[0].TxPower = 0;
        radio.Features.OptionalFeatures.SquelchLevel = 7;
        state.WorkingSide.AlarmMode = 0;
        ModImage::PrefillImage(state, false);
        ModImage::EncodeImage(state);
        state.model = own;
        state.WorkingConfiguration = ownConfiguration;
        state.WorkingSide.AlarmMode = 1;
        state.document.DocumentPath = QStringLiteral("mine.dat");
    }

    QString folder() const { return QDir(dir.path()).filePath(QStringLiteral("backups")); }

    QTemporaryDir dir;
    test::StagedState staged;
    AppState& state = staged.state;
};

TEST_F(ReadBackups, KeepsTheImageAndItsDecodeWithoutChangingTheRun)
{
    const RadioConfiguration working = state.WorkingConfiguration;
    const SideRecord side = state.WorkingSide;
    const ModelBand model = state.model;
    const auto capabilities = state.CurCapFlags;
    const auto sticky = state.settings.CapabilityRecord;
    const QByteArray image = imageBytes(state);

    const ModBackup::Kept kept = ModBackup::KeepImage(state, folder(), readAt);
    ASSERT_TRUE(kept.result.ok()) << kept.result.path.toStdString() << kept.result.reason.toStdString();
    EXPECT_EQ(kept.imagePath, QDir(folder()).filePath("2026-03-01_14-05-09_ZR750_band8.img"));
    EXPECT_EQ(filesIn(folder()),
              (QStringList{"2026-03-01_14-05-09_ZR750_band8.NVD", "2026-03-01_14-05-09_ZR750_band8.dat",
                           "2026-03-01_14-05-09_ZR750_band8.img"}));
    EXPECT_EQ(fileBytes(kept.imagePath), image);

    // Nothing of the run moved: the decode went into a copy.
    EXPECT_EQ(state.WorkingConfiguration, working);
    EXPECT_EQ(state.WorkingSide, side);
    EXPECT_EQ(state.model.CurrentModelCode, model.CurrentModelCode);
    EXPECT_EQ(state.model.CurrentBandText, model.CurrentBandText);
    EXPECT_EQ(state.CurCapFlags, capabilities);
    EXPECT_EQ(state.settings.CapabilityRecord, sticky);
    EXPECT_EQ(state.document.DocumentPath, "mine.dat");
    EXPECT_EQ(imageBytes(state), image);

    // The data file opens back to what the read itself makes of the image.
    ModImage::DecodeImage(state);
    ModConfig::CommitToSaved(state);
    const QString data = QDir(folder()).filePath("2026-03-01_14-05-09_ZR750_band8.dat");
    const std::optional<RadioConfiguration> opened = ModDataFile::RecordFromFileBytes(fileBytes(data));
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(*opened, state.SavedConfiguration);
    EXPECT_EQ(opened->RadioInfo.ModelCode.text(), "ZR750");
    EXPECT_EQ(opened->Channels[0].RxFreq.raw(), "15000000");
    const SideRecord openedSide = ModDataFile::SideFromFileBytes(fileBytes(ModDataFile::SideFilePath(data)));
    EXPECT_EQ(openedSide.AlarmMode, 0); // the radio's, not the run's 1
}

TEST_F(ReadBackups, ReadsInTheSameSecondGetACounterAndNothingIsReplaced)
{
    QStringList images;
    for (Byte mark = 1; mark <= 3; ++mark) {
        state.RadioImage[100] = mark;
        const ModBackup::Kept kept = ModBackup::KeepImage(state, folder(), readAt);
        ASSERT_TRUE(kept.result.ok());
        images.append(QFileInfo(kept.imagePath).fileName());
    }
    EXPECT_EQ(images,
              (QStringList{"2026-03-01_14-05-09_ZR750_band8.img", "2026-03-01_14-05-09_ZR750_band8_2.img",
                           "2026-03-01_14-05-09_ZR750_band8_3.img"}));
    for (int i = 0; i < images.size(); ++i)
        EXPECT_EQ(fileBytes(QDir(folder()).filePath(images[i])).at(100), i + 1) << i;
    EXPECT_EQ(filesIn(folder()).size(), 9);

    // A data file left without its image still holds the name.
    QFile::remove(QDir(folder()).filePath("2026-03-01_14-05-09_ZR750_band8_2.img"));
    EXPECT_TRUE(ModBackup::KeepImage(state, folder(), readAt).imagePath.endsWith("_band8_4.img"));
}

TEST(BackupNames, ModelCodesAreKeptToLettersAndDigits)
{
    const struct {
        const char* model;
        int band;
        const char* stem;
    } cases[] = {
        {"ZR750G ", 0, "2026-03-01_14-05-09_ZR750G_band0"},
        {"ZR/7:5\u00e40", 16, "2026-03-01_14-05-09_ZR750_band16"},
        {" ", 3, "2026-03-01_14-05-09_unknown_band3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModBackup::BackupStem(readAt, QString::fromUtf8(c.model), c.band), c.stem) << c.model;
}

TEST(BackupPruning, RemovesOnlyBackupsOlderThanTheAge)
{
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0, 0));
    const struct {
        const char* name;
        bool keptFor365;
    } files[] = {
        {"2025-03-01_11-59-59_ZR750G_band0.img", false},
        {"2025-03-01_11-59-59_ZR750G_band0.dat", false},
        {"2025-03-01_11-59-59_ZR750G_band0.NVD", false},
        {"2024-12-31_08-00-00_ZR750_band8_2.img", false},
        {"2025-03-01_12-00-01_ZR750G_band0.img", true},
        {"2026-03-01_11-00-00_ZR750G_band0.dat", true},
        {"2020-01-01_00-00-00_ZR750G_band0.img.bak", true}, // not a backup's name
        {"2020-01-01_00-00-00_notes.txt", true},
        {"radio.dat", true},
    };
    for (const int keepDays : {365, 0}) {
        SCOPED_TRACE(keepDays);
        QTemporaryDir dir;
        int old = 0;
        for (const auto& f : files) {
            QFile file(dir.filePath(QString::fromLatin1(f.name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            old += f.keptFor365 ? 0 : 1;
        }
        EXPECT_EQ(ModBackup::Prune(dir.path(), now, keepDays), keepDays == 0 ? 0 : old);
        for (const auto& f : files)
            EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(f.name))), f.keptFor365 || keepDays == 0)
                << f.name;
    }
}

TEST_F(ReadBackups, AFolderThatCannotBeMadeIsReportedAndChangesNothing)
{
    // Under a regular file no folder can be made, whoever runs the test.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString unmakeable = blocker + QStringLiteral("/backups");
    const RadioConfiguration working = state.WorkingConfiguration;

    const ModBackup::Kept kept = ModBackup::KeepImage(state, unmakeable, readAt);
    EXPECT_EQ(kept.result.message, Texts::Backup::NotKept);
    EXPECT_EQ(kept.result.path, unmakeable);
    EXPECT_FALSE(kept.result.reason.isEmpty());
    EXPECT_TRUE(kept.imagePath.isEmpty());

    // The read's step reports it through the prompter and goes on.
    ModBackup::KeepReadImage(state, unmakeable);
    ASSERT_EQ(staged.prompter.numbers(), QList<int>{Texts::Backup::NotKept});
    EXPECT_TRUE(staged.prompter.asked.front().text.contains(unmakeable));
    EXPECT_EQ(state.WorkingConfiguration, working);
}

} // namespace
} // namespace mk21
