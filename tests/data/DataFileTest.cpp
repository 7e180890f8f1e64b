#include "data/DataFile.h"
#include "app/NewConfiguration.h"
#include "base/TextOps.h"
#include "data/ConfigurationOps.h"
#include "data/InitFiles.h"
#include "data/RecordCodec.h"
#include "tests/support/StagedState.h"

#include "tests/support/PipeGuard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace file = mk21::ModDataFile;
using mk21::RadioConfiguration;
using mk21::test::StagedState;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void useBand(mk21::AppState& state, const char* model, const char* band)
{
    state.model.CurrentModelCode = model;
    state.model.CurrentBandText = band;
    mk21::ModFun::ParseBandRange(state.model);
}

// A record with the given channel numbers in this order and recognisable features.
RadioConfiguration initRecord(std::initializer_list<int> numbers)
{
    RadioConfiguration r;
    r.DataVersion = "V200";
    for (const int n : numbers) {
        mk21::ChannelRecord& c = r.Channels[std::size_t(r.ChannelCount++)];
        c.ChannelNo = static_cast<mk21::Integer>(n);
        c.RxFreq = QString::number(43000000 + n * 100000);
        c.TxPower = 1;
    }
    r.RadioInfo.ModelCode = "ZR750G";
    r.Features.OptionalFeatures.SquelchLevel = 7;
    r.Features.MessageLines[1] = "FROM INIT";
    r.FmChannels[4].FmEmpty = 0;
    r.FmChannels[4].FmFreq = "09000000";
    r.TestFrequencies[10].TestFreqA = "47000000";
    return r;
}

void writeRecord(const QString& path, const RadioConfiguration& r)
{
    writeBytes(path, mk21::ModRecordCodec::EncodeRecord(r));
}

} // namespace

TEST(DataFile, SideFileStaysBesideTheDataFile)
{
    const std::pair<const char*, const char*> cases[] = {
        // File names longer than three characters: the last three are replaced.
        {"D:\\radio\\a.dat", "D:\\radio\\a.NVD"},
        {"new.dat", "new.NVD"},
        {"settings.data", "settings.dNVD"},
        {"/tmp/x.DAT", "/tmp/x.NVD"},
        {"abcd", "aNVD"},
        // Shorter names get ".NVD" added, so the side file never leaves the folder.
        {"sub/ab", "sub/ab.NVD"},
        {"x", "x.NVD"},
        {"abc", "abc.NVD"},
        {"folder.with.dots/ab", "folder.with.dots/ab.NVD"},
        {"C:\\d\\ab", "C:\\d\\ab.NVD"},
        {"", ".NVD"},
    };
    for (const auto& [path, side] : cases)
        EXPECT_EQ(file::SideFilePath(path), side) << path;
}

TEST(DataFile, SavesNeverPutTheSideFileOutsideTheFolderNorOverTheDataFile)
{
    const struct {
        const char* path;
        bool saved;
        QStringList files; // in the folder "sub" afterwards
    } cases[] = {
        {"sub/ab", true, {"ab", "ab.NVD"}},
        {"sub/x.dat", true, {"x.NVD", "x.dat"}},
        {"sub/x.NVD", false, {}},
        {"sub\\y.NVD", false, {}},
    };
    for (const auto& c : cases) {
        StagedState s;
        mk21::ModConfig::NewConfiguration(s.state);
        QDir().mkpath(s.rootFile("sub"));
        const QString path = s.dataRoot() + u'/' + QString::fromLatin1(c.path);
        const mk21::FileResult result = file::SaveDocumentFile(s.state, path);
        EXPECT_EQ(result.ok(), c.saved) << c.path;
        if (!c.saved) {
            EXPECT_EQ(result.message, 9002) << c.path;
            EXPECT_EQ(result.path, path);
        }
        EXPECT_EQ(QDir(s.rootFile("sub")).entryList(QDir::Files | QDir::Hidden, QDir::Name), c.files)
            << c.path;
        EXPECT_FALSE(QFile::exists(s.rootFile("subNVD"))) << c.path;
    }
}

TEST(DataFile, ANewConfigurationIsSavedFieldByField)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    s.state.WorkingSide.AlarmMode = 0;
    const QString path = s.rootFile("saved.dat");
    ASSERT_TRUE(file::SaveDocumentFile(s.state, path).ok());

    const QByteArray b = readBytes(path);
    ASSERT_EQ(b.size(), 8595);
    EXPECT_EQ(b.left(4), "V200");
    EXPECT_EQ(b.mid(4, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(b.mid(6, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(b.mid(10, 8), s.state.WorkingConfiguration.Channels[0].RxFreq.raw().toLatin1());
    EXPECT_EQ(readBytes(s.rootFile("saved.NVD")), QByteArray("V200\x00", 5));
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(DataFile, SaveThenLoadGivesTheSameRecordAndBytes)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    mk21::RadioConfiguration& w = s.state.WorkingConfiguration;
    w.Channels[0].TxPower = 0;
    w.Channels[50].ChannelNo = 77; // a free entry travels as it is held
    w.Features.MessageLines[2] = "LINE 3";
    s.state.WorkingSide.AlarmMode = 0;
    const QString path = s.rootFile("doc.dat");
    ASSERT_TRUE(file::SaveDocumentFile(s.state, path).ok());
    const QByteArray first = readBytes(path);
    const RadioConfiguration written = w;

    StagedState other;
    ASSERT_TRUE(file::LoadDocumentFile(other.state, path).ok());
    EXPECT_EQ(other.state.WorkingConfiguration, written);
    EXPECT_EQ(other.state.SavedConfiguration, written);
    EXPECT_EQ(other.state.WorkingSide.AlarmMode, 0);
    ASSERT_TRUE(file::SaveDocumentFile(other.state, path).ok());
    EXPECT_TRUE(readBytes(path) == first);
}

TEST(DataFile, FilesOfAnotherLengthAreRefusedAndChangeNothing)
{
    for (const qsizetype size : {0, 4, 8594, 8596, 100000}) {
        StagedState s;
        mk21::ModConfig::NewConfiguration(s.state);
        const RadioConfiguration before = s.state.SavedConfiguration;
        const QString path = s.rootFile("odd.dat");
        QByteArray bytes = mk21::ModRecordCodec::EncodeRecord(initRecord({1, 2}));
        bytes.resize(size, '\0');
        writeBytes(path, bytes);

        const mk21::FileResult result = file::LoadDocumentFile(s.state, path);
        EXPECT_EQ(result.message, 9033) << size;
        EXPECT_EQ(result.path, path);
        EXPECT_TRUE(s.prompter.asked.isEmpty()) << size;
        EXPECT_EQ(s.state.SavedConfiguration, before);
        EXPECT_EQ(s.state.WorkingConfiguration, before);
    }
}

TEST(DataFile, ContentRefusalsNameWhatIsWrong)
{
    using Spoil = std::function<void(RadioConfiguration&)>;
    const struct {
        const char* what;
        Spoil spoil;
        QString fault; // empty: the file loads
    } cases[] = {
        {"as written", [](RadioConfiguration&) {}, {}},
        {"count 129", [](RadioConfiguration& r) { r.ChannelCount = 129; }, "channel count 129"},
        {"count -1", [](RadioConfiguration& r) { r.ChannelCount = -1; }, "channel count -1"},
        {"number 0", [](RadioConfiguration& r) { r.Channels[1].ChannelNo = 0; }, "channel number 0"},
        {"number twice", [](RadioConfiguration& r) { r.Channels[1].ChannelNo = 1; },
         "channel number 1 twice"},
        {"receive not a number", [](RadioConfiguration& r) { r.Channels[1].RxFreq = "43A00000"; },
         "receive frequency of channel 2"},
        {"receive with a point", [](RadioConfiguration& r) { r.Channels[0].RxFreq = "431.0000"; },
         "receive frequency of channel 1"},
        {"receive empty", [](RadioConfiguration& r) { r.Channels[0].RxFreq = ""; }, {}},
        {"receive FFFFFFFF", [](RadioConfiguration& r) { r.Channels[0].RxFreq = "FFFFFFFF"; }, {}},
        {"free entry not a number", [](RadioConfiguration& r) { r.Channels[5].RxFreq = "xyz"; }, {}},
        {"band 9999", [](RadioConfiguration& r) { r.RadioInfo.BandNumber = 9999; }, "band 9999"},
        {"band 15", [](RadioConfiguration& r) { r.RadioInfo.BandNumber = 15; }, "band 15"},
        {"band 32", [](RadioConfiguration& r) { r.RadioInfo.BandNumber = 32; }, {}},
        {"model ZR750", [](RadioConfiguration& r) { r.RadioInfo.ModelCode = "ZR750"; }, {}},
        {"model garbage", [](RadioConfiguration& r) { r.RadioInfo.ModelCode.bytes().fill('\xFF'); },
         "model code"},
        {"model empty", [](RadioConfiguration& r) { r.RadioInfo.ModelCode = ""; }, "model code"},
    };
    for (const auto& c : cases) {
        StagedState s;
        mk21::ModConfig::NewConfiguration(s.state);
        const RadioConfiguration before = s.state.SavedConfiguration;
        RadioConfiguration r = initRecord({1, 2, 3});
        c.spoil(r);
        const QString path = s.rootFile("content.dat");
        writeRecord(path, r);
        const mk21::FileResult result = file::LoadDocumentFile(s.state, path);
        if (c.fault.isEmpty()) {
            EXPECT_TRUE(result.ok()) << c.what << ": " << result.reason.toStdString();
            continue;
        }
        EXPECT_EQ(result.message, 9067) << c.what;
        EXPECT_EQ(result.reason, c.fault) << c.what;
        EXPECT_EQ(s.state.SavedConfiguration, before) << c.what;
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.what;
    }
}

TEST(DataFile, RandomContentOfTheRightLengthIsInvalidNotTooLong)
{
    QRandomGenerator random(2026);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(8595, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random.bounded(256));
        mk21::FileResult refusal;
        EXPECT_FALSE(file::RecordFromFileBytes(bytes, &refusal).has_value()) << round;
        EXPECT_EQ(refusal.message, 9067) << round;
        EXPECT_FALSE(refusal.reason.isEmpty()) << round;
    }
}

TEST(DataFile, RefusedContentChangesNothing)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    const RadioConfiguration before = s.state.SavedConfiguration;
    RadioConfiguration bad = initRecord({1, 5, 5});
    writeRecord(s.rootFile("dup.dat"), bad);
    const mk21::FileResult result = file::ReadRecordFile(s.state, s.rootFile("dup.dat"));
    EXPECT_EQ(result.message, 9067);
    EXPECT_EQ(result.reason, "channel number 5 twice");
    EXPECT_EQ(s.state.SavedConfiguration, before);
}

TEST(DataFile, WhatCannotBeReadFailsWithTheSystemsReasonAndNoMessage)
{
    StagedState s;
    QDir().mkpath(s.rootFile("folder.dat"));
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {s.rootFile("none.dat"), QString::fromLocal8Bit(std::strerror(ENOENT))},
        {s.rootFile("folder.dat"), QString::fromLocal8Bit(std::strerror(EISDIR))},
        {"/dev/zero", "not a regular file"},
    };
    for (const auto& c : cases) {
        const mk21::FileResult result = file::ReadRecordFile(s.state, c.path);
        EXPECT_EQ(result.message, 9002) << c.path.toStdString();
        EXPECT_EQ(result.path, c.path);
        EXPECT_EQ(result.reason, c.reason) << c.path.toStdString();
        mk21::FileResult tagFailure;
        EXPECT_FALSE(file::ReadVersionTag(c.path, &tagFailure).has_value());
        EXPECT_EQ(tagFailure.reason, c.reason);
    }
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(DataFile, ANamedPipeIsRefusedAtOnce)
{
    StagedState s;
    const QString path = s.rootFile("pipe.dat");
    mk21::test::PipeGuard pipe(path);
    ASSERT_TRUE(pipe.made());
    mk21::FileResult result;
    std::optional<mk21::FixedText<4>> tag;
    EXPECT_TRUE(pipe.endsWithoutHelp([&] { tag = file::ReadVersionTag(path, &result); }));
    EXPECT_FALSE(tag.has_value());
    EXPECT_EQ(result.reason, "not a regular file");
    EXPECT_TRUE(pipe.endsWithoutHelp([&] { result = file::LoadDocumentFile(s.state, path); }));
    EXPECT_EQ(result.message, 9002);

    // A pipe in the side file's place is not waited for either.
    writeRecord(s.rootFile("a.dat"), initRecord({1}));
    mk21::test::PipeGuard sidePipe(s.rootFile("a.NVD"));
    ASSERT_TRUE(sidePipe.made());
    EXPECT_TRUE(
        sidePipe.endsWithoutHelp([&] { result = file::LoadDocumentFile(s.state, s.rootFile("a.dat")); }));
    EXPECT_TRUE(result.ok());
}

TEST(DataFile, AHugeSparseFileIsRefusedByItsLengthWithoutReadingIt)
{
    StagedState s;
    for (const QString& name : {QStringLiteral("huge.dat"), QStringLiteral("side.NVD")}) {
        QFile huge(s.rootFile(name));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(3) << 30));
    }
    writeRecord(s.rootFile("side.dat"), initRecord({1}));
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(file::ReadRecordFile(s.state, s.rootFile("huge.dat")).message, 9033);
    s.state.SavedSide.AlarmMode = 0;
    EXPECT_TRUE(file::LoadDocumentFile(s.state, s.rootFile("side.dat")).ok());
    EXPECT_EQ(s.state.SavedSide.AlarmMode, 1); // a side file of another length
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(DataFile, ASideFileThatCannotBeWrittenIsReportedAfterTheDataFileIsSaved)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    s.state.WorkingSide.AlarmMode = 0;
    s.state.WorkingConfiguration.Channels[0].TxPower = 0;
    QDir().mkpath(s.rootFile("blocked.NVD"));
    const QString path = s.rootFile("blocked.dat");
    const mk21::FileResult result = file::SaveDocumentFile(s.state, path);
    EXPECT_EQ(result.message, 9068);
    EXPECT_EQ(result.path, s.rootFile("blocked.NVD"));
    EXPECT_EQ(result.reason, QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_EQ(readBytes(path).size(), 8595);
    EXPECT_EQ(s.state.SavedConfiguration, s.state.WorkingConfiguration); // the data file counts as saved
    EXPECT_EQ(s.state.SavedSide.AlarmMode, 0);
}

TEST(DataFile, VersionTagIsTheFirstFourBytes)
{
    StagedState s;
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray("V110 and more"), "V110"},
        {QByteArray("V2"), "V2  "},
        {QByteArray(), "    "},
        {QByteArray("\0V20", 4), QString::fromLatin1("\0V20", 4)},
    };
    for (const auto& [content, tag] : cases) {
        writeBytes(s.rootFile("tag.dat"), content);
        const std::optional<mk21::FixedText<4>> read = file::ReadVersionTag(s.rootFile("tag.dat"));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->raw(), tag);
    }
}

TEST(DataFile, SideFileGivesTheAlarmSettingOrTheDefault)
{
    const struct {
        const char* what;
        std::optional<QByteArray> side;
        int alarmMode;
    } cases[] = {
        {"no side file", std::nullopt, 1},
        {"5 bytes", QByteArray("V200\x00", 5), 0},
        {"5 bytes, other tag", QByteArray("XYZ!\x00", 5), 0},
        {"6 bytes", QByteArray("V200\x00\x00", 6), 1},
        {"4 bytes", QByteArray("V200"), 1},
        {"alarm byte out of range", QByteArray("V200\x07", 5), 0},
    };
    for (const auto& c : cases) {
        StagedState s;
        const QString path = s.rootFile("a.dat");
        writeRecord(path, initRecord({1}));
        if (c.side)
            writeBytes(s.rootFile("a.NVD"), *c.side);
        s.state.WorkingSide.AlarmMode = 5;
        ASSERT_TRUE(file::LoadDocumentFile(s.state, path).ok()) << c.what;
        EXPECT_EQ(s.state.WorkingSide.AlarmMode, c.alarmMode) << c.what;
        EXPECT_EQ(s.state.SavedSide.AlarmMode, c.alarmMode) << c.what;
    }

    // A side file that exists but cannot be read leaves the saved side record as it was.
    StagedState s;
    QDir().mkpath(s.rootFile("b.NVD"));
    s.state.SavedSide.AlarmMode = 0;
    file::ReadSideFile(s.state, s.rootFile("b.dat"));
    EXPECT_EQ(s.state.SavedSide.AlarmMode, 0);
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(DataFile, DocumentLoadStampsTheReleaseTag)
{
    StagedState s;
    RadioConfiguration r = initRecord({2});
    r.DataVersion = "V110";
    writeRecord(s.rootFile("old.dat"), r);
    ASSERT_TRUE(file::LoadDocumentFile(s.state, s.rootFile("old.dat")).ok());
    EXPECT_EQ(s.state.WorkingConfiguration.DataVersion.raw(), "V200");
}

TEST(DataFile, SavingOverALongerFileLeavesNoTrailingBytes)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    const QString path = s.rootFile("long.dat");
    writeBytes(path, QByteArray(20000, 'x'));
    writeBytes(s.rootFile("long.NVD"), QByteArray(64, 'y'));
    ASSERT_TRUE(file::SaveDocumentFile(s.state, path).ok());
    EXPECT_EQ(readBytes(path).size(), 8595);
    EXPECT_EQ(readBytes(s.rootFile("long.NVD")).size(), 5);
    EXPECT_TRUE(file::LoadDocumentFile(s.state, path).ok());
}

TEST(DataFile, BackslashesSeparateFolders)
{
    StagedState s;
    mk21::ModConfig::NewConfiguration(s.state);
    QDir().mkpath(s.rootFile("sub"));
    const QString path = s.dataRoot() + QStringLiteral("\\sub\\doc.dat");
    ASSERT_TRUE(file::SaveDocumentFile(s.state, path).ok());
    EXPECT_EQ(readBytes(s.rootFile("sub/doc.dat")).size(), 8595);
    EXPECT_EQ(readBytes(s.rootFile("sub/doc.NVD")).size(), 5);
    EXPECT_TRUE(file::LoadDocumentFile(s.state, path).ok());
    EXPECT_EQ(file::ReadVersionTag(path)->raw(), "V200");
}

TEST(InitFile, ANewDocumentKeepsOnlyChannelOne)
{
    const struct {
        std::initializer_list<int> numbers;
        bool initRequested;
        QList<int> expected;
    } cases[] = {
        {{2, 1, 3}, false, {1}}, {{2, 1, 3}, true, {2, 1, 3}}, {{1, 5, 9}, false, {1}}, {{4, 5}, false, {}},
        {{}, false, {}},
    };
    for (const auto& c : cases) {
        StagedState s;
        const RadioConfiguration r = initRecord(c.numbers);
        writeRecord(s.programFile("Init/ZR750G_0.dat"), r);
        s.state.document.InitRequested = c.initRequested;
        mk21::ModConfig::NewConfiguration(s.state);

        const RadioConfiguration& w = s.state.WorkingConfiguration;
        QList<int> numbers;
        for (int i = 0; i < w.ChannelCount; ++i)
            numbers.append(w.Channels[std::size_t(i)].ChannelNo);
        EXPECT_EQ(numbers, c.expected);
        if (!c.expected.isEmpty() && !c.initRequested) {
            EXPECT_EQ(w.Channels[0].RxFreq.raw(), "43100000"); // the file's channel 1, moved first
        }
        EXPECT_EQ(w.Features.OptionalFeatures.SquelchLevel, 7);
        EXPECT_EQ(w, s.state.SavedConfiguration);
        EXPECT_EQ(s.state.WorkingSide.AlarmMode, 1); // no side file beside it
        EXPECT_TRUE(s.prompter.asked.isEmpty());
        EXPECT_TRUE(s.state.document.IsUntitled);
    }
}

TEST(InitFile, AForeignTagIsNotCarriedIntoTheDocument)
{
    StagedState s;
    RadioConfiguration r = initRecord({1});
    r.DataVersion = "XXXX";
    writeRecord(s.programFile("Init/ZR750G_0.dat"), r);
    mk21::ModConfig::NewConfiguration(s.state);
    EXPECT_EQ(s.state.WorkingConfiguration.DataVersion.raw(), "V200");
}

TEST(InitFile, ABadInitFileLeavesTheDefaults)
{
    for (const bool wrongLength : {true, false}) {
        StagedState s;
        QDir(s.programFile("Init")).removeRecursively();
        mk21::ModConfig::NewConfiguration(s.state);
        const RadioConfiguration defaults = s.state.WorkingConfiguration;

        QDir().mkpath(s.programFile("Init"));
        QByteArray bytes = mk21::ModRecordCodec::EncodeRecord(
            initRecord(wrongLength ? std::initializer_list<int>{1} : std::initializer_list<int>{1, 1}));
        if (wrongLength)
            bytes.chop(1);
        writeBytes(s.programFile("Init/ZR750G_0.dat"), bytes);
        mk21::ModConfig::NewConfiguration(s.state);
        EXPECT_EQ(s.prompter.numbers(), QList<int>{wrongLength ? 9033 : 9067});
        EXPECT_EQ(s.state.WorkingConfiguration.Channels, defaults.Channels);
        EXPECT_EQ(s.state.WorkingConfiguration.Features, defaults.Features);
        EXPECT_EQ(s.state.SavedConfiguration, s.state.WorkingConfiguration);
    }
}

TEST(InitFile, BandZeroDefaultsServeTheOtherBandsOfTheirModel)
{
    StagedState s;
    useBand(s.state, "ZR750G", "136 - 174 MHz");
    RadioConfiguration defaults = initRecord({1, 2, 3});
    defaults.RadioInfo.BandNumber = 0;
    defaults.TestFrequencies[0].TestFreqA = "40000000";
    writeRecord(s.programFile("Init/ZR750G_0.dat"), defaults);
    writeBytes(s.programFile("Init/ZR750G_0.NVD"), QByteArray("V200\x00", 5));

    mk21::ModConfig::NewConfiguration(s.state);
    const RadioConfiguration& w = s.state.WorkingConfiguration;
    ASSERT_EQ(w.ChannelCount, 1);
    EXPECT_EQ(w.Channels[0].RxFreq.raw(), "15500000");
    EXPECT_EQ(w.RadioInfo.BandNumber, 8);
    EXPECT_EQ(w.RadioInfo.ModelCode.text(), "ZR750G");
    EXPECT_EQ(w.Features, defaults.Features);
    EXPECT_EQ(w.FmChannels, defaults.FmChannels);
    EXPECT_EQ(w.TestFrequencies, defaults.TestFrequencies);
    EXPECT_EQ(s.state.ExtraTestFreqs[0].TestFreqB.text(), "40010000"); // 12..16 are not in files
    EXPECT_EQ(s.state.WorkingSide.AlarmMode, 1);                       // its side file has no effect
    EXPECT_EQ(s.state.SavedSide.AlarmMode, 1);
    EXPECT_EQ(s.state.model.CurrentBandText, "136 - 174 MHz");
}

TEST(InitFile, TheModelCodeChoosesTheDefaultsFile)
{
    const struct {
        const char* model;
        const char* squelchFrom; // which defaults file was taken, or none
    } cases[] = {
        {"ZR750", "ZR750_0.dat"},
        {"ZR750G", "ZR750G_0.dat"},
        {"XR1", nullptr},
        {"ZR75", nullptr},
    };
    for (const auto& c : cases) {
        StagedState s;
        useBand(s.state, c.model, "144 - 146 MHz");
        RadioConfiguration a = initRecord({1});
        a.Features.OptionalFeatures.SquelchLevel = 4;
        RadioConfiguration b = initRecord({1});
        b.Features.OptionalFeatures.SquelchLevel = 6;
        writeRecord(s.programFile("Init/ZR750_0.dat"), a);
        writeRecord(s.programFile("Init/ZR750G_0.dat"), b);
        mk21::ModConfig::NewConfiguration(s.state);
        const int squelch = s.state.WorkingConfiguration.Features.OptionalFeatures.SquelchLevel;
        const int expected = c.squelchFrom == nullptr ? 0 : QString(c.squelchFrom) == "ZR750_0.dat" ? 4 : 6;
        EXPECT_EQ(squelch, expected) << c.model;
        EXPECT_TRUE(s.prompter.asked.isEmpty());
    }
}

TEST(InitFile, AMissingDefaultsFileIsNotAnError)
{
    StagedState s;
    QDir(s.programFile("Init")).removeRecursively();
    useBand(s.state, "ZR750", "144 - 146 MHz");
    mk21::ModConfig::NewConfiguration(s.state);
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_EQ(s.state.WorkingConfiguration, s.state.SavedConfiguration);
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}
