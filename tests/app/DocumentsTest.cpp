#include "app/Documents.h"

#include "app/AppState.h"
#include "app/NewConfiguration.h"
#include "base/LanguageTexts.h"
#include "data/ConfigurationOps.h"
#include "data/DataFile.h"
#include "data/RecordCodec.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/StagedState.h"

#include "tests/support/PipeGuard.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace doc = mk21::ModDocument;
using mk21::AppState;
using mk21::PromptAnswer;
using mk21::test::StagedState;

namespace {

// A document with all four channels of the shipped init file, saved and unchanged.
struct FourChannels : StagedState {
    FourChannels()
    {
        state.document.InitRequested = true;
        mk21::ModConfig::NewConfiguration(state);
        state.document.InitRequested = false;
        state.versionTable = {{"V200", "V200"}, {"V100", "V110"}};
    }
};

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

TEST(ConfigurationChange, EachComparedBlockCountsAndTheRestDoesNot)
{
    using Edit = std::function<void(AppState&)>;
    const struct {
        const char* what;
        Edit edit;
        bool changed;
    } cases[] = {
        {"nothing", [](AppState&) {}, false},
        {"channel count", [](AppState& s) { s.WorkingConfiguration.ChannelCount = 3; }, true},
        {"transmit power only", [](AppState& s) { s.WorkingConfiguration.Channels[2].TxPower = 0; }, true},
        {"scan skip of the last channel",
         [](AppState& s) { s.WorkingConfiguration.Channels[3].ScanSkip = 1; }, true},
        {"a tone", [](AppState& s) { s.WorkingConfiguration.Channels[0].EncodeTone = 5; }, true},
        {"offset direction", [](AppState& s) { s.WorkingConfiguration.Channels[1].OffsetDir = 1; }, true},
        {"channel number", [](AppState& s) { s.WorkingConfiguration.Channels[1].ChannelNo = 9; }, true},
        {"channels in another order",
         [](AppState& s) {
             std::swap(s.WorkingConfiguration.Channels[0], s.WorkingConfiguration.Channels[3]);
         },
         false},
        {"channel void flag", [](AppState& s) { s.WorkingConfiguration.Channels[0].ChannelVoid = 1; }, false},
        {"a free entry", [](AppState& s) { s.WorkingConfiguration.Channels[100].TxPower = 1; }, false},
        {"receive text untrimmed",
         [](AppState& s) { s.WorkingConfiguration.Channels[0].RxFreq.bytes()[7] = '\0'; }, true},
        {"offset emptied another way", [](AppState& s) { s.WorkingConfiguration.Channels[0].Offset = ""; },
         false},
        {"model code untrimmed",
         [](AppState& s) { s.WorkingConfiguration.RadioInfo.ModelCode.bytes()[6] = '\0'; }, true},
        {"band number", [](AppState& s) { s.WorkingConfiguration.RadioInfo.BandNumber = 1; }, true},
        {"message line", [](AppState& s) { s.WorkingConfiguration.Features.MessageLines[3] = "HI"; }, true},
        {"message line emptied another way",
         [](AppState& s) { s.WorkingConfiguration.Features.MessageLines[3] = ""; }, false},
        {"key", [](AppState& s) { s.WorkingConfiguration.Features.KeySettings.Pf2Long = 7; }, true},
        {"scan only", [](AppState& s) { s.WorkingConfiguration.Features.ScanSettings.ScanMode = 1; }, true},
        {"alert only", [](AppState& s) { s.WorkingConfiguration.Features.AlertSettings.AlarmCycles = 3; },
         true},
        {"alarm mode", [](AppState& s) { s.WorkingSide.AlarmMode = 0; }, true},
        {"side tag trimmed alike",
         [](AppState& s) {
             s.SavedSide.SideVersion.bytes() = {'V', '2', ' ', ' '};
             s.WorkingSide.SideVersion.bytes() = {'V', '2', '\0', 'x'};
         },
         false},
        {"side tag", [](AppState& s) { s.WorkingSide.SideVersion = "V110"; }, true},
        {"optional feature", [](AppState& s) { s.WorkingConfiguration.Features.OptionalFeatures.VoxOn = 1; },
         true},
        {"test frequency 11",
         [](AppState& s) { s.WorkingConfiguration.TestFrequencies[10].TestFreqB = "45000000"; }, true},
        {"test frequencies 12..16", [](AppState& s) { s.ExtraTestFreqs[4].TestFreqA = "45000000"; }, false},
        {"FM only", [](AppState& s) { s.WorkingConfiguration.FmChannels[0].FmFreq = "09990000"; }, false},
        {"FM emptied", [](AppState& s) { s.WorkingConfiguration.FmChannels[1].FmEmpty = 1; }, false},
        {"DTMF timing", [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.AutoResetTime = 4; }, true},
        {"identity length", [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.IdLength = 4; }, true},
        {"identity beyond its length",
         [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.IdCode = "1019999"; }, false},
        {"identity within its length",
         [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.IdCode = "109"; }, true},
        {"kill code digits",
         [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.KillCode.Digits = "123"; }, true},
        {"BOT code length", [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.BotCode.Length = 2; },
         true},
        {"memory 16", [](AppState& s) { s.WorkingConfiguration.Features.Dtmf.DtmfMemory[15].Digits = "9"; },
         true},
        {"data version", [](AppState& s) { s.WorkingConfiguration.DataVersion = "V100"; }, false},
    };
    for (const auto& c : cases) {
        FourChannels s;
        ASSERT_EQ(s.state.WorkingConfiguration.ChannelCount, 4);
        ASSERT_FALSE(doc::IsConfigurationChanged(s.state));
        c.edit(s.state);
        EXPECT_EQ(doc::IsConfigurationChanged(s.state), c.changed) << c.what;
    }
}

TEST(ConfigurationChange, OddCountsAndLengthsAreCompared)
{
    FourChannels s;
    // Identity lengths below zero compare nothing of the identity itself.
    s.state.WorkingConfiguration.Features.Dtmf.IdLength = -3;
    s.state.SavedConfiguration.Features.Dtmf.IdLength = -3;
    s.state.WorkingConfiguration.Features.Dtmf.IdCode = "555";
    EXPECT_FALSE(doc::IsConfigurationChanged(s.state));
    // Counts beyond the list never reach past it.
    s.state.WorkingConfiguration.ChannelCount = 500;
    s.state.SavedConfiguration.ChannelCount = 500;
    EXPECT_FALSE(doc::IsConfigurationChanged(s.state));
}

TEST(Documents, SaveThenOpenLeavesTheDocumentUnchanged)
{
    FourChannels s;
    s.state.WorkingConfiguration.Channels[1].TxPower = 1;
    s.state.WorkingSide.AlarmMode = 0;
    s.state.document.DocumentPath = s.rootFile("mine.dat");
    ASSERT_TRUE(doc::IsConfigurationChanged(s.state));
    ASSERT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::Success);
    EXPECT_FALSE(s.state.document.IsUntitled);
    EXPECT_FALSE(doc::IsConfigurationChanged(s.state));

    FourChannels other;
    other.state.document.DocumentPath = s.rootFile("mine.dat");
    ASSERT_EQ(doc::OpenDataFile(other.state), doc::DocumentResult::Success);
    EXPECT_FALSE(other.state.document.IsUntitled);
    EXPECT_FALSE(doc::IsConfigurationChanged(other.state));
    EXPECT_EQ(other.state.WorkingConfiguration, s.state.WorkingConfiguration);
    EXPECT_EQ(other.state.WorkingSide.AlarmMode, 0);
    EXPECT_TRUE(other.prompter.asked.isEmpty());
}

TEST(Documents, OpenRefusesWhatItCannotLoad)
{
    const auto record = [] {
        mk21::RadioConfiguration r;
        r.DataVersion = "V200";
        return mk21::ModRecordCodec::EncodeRecord(r);
    };
    const struct {
        const char* what;
        std::optional<QByteArray> content; // nullopt: no file at all
        int message;
    } cases[] = {
        {"no file", std::nullopt, 9002},
        {"tag not V and digits", QByteArray("X200") + record().mid(4), 9065},
        {"tag V20A", QByteArray("V20A") + record().mid(4), 9065},
        {"short file", QByteArray("V2"), 9065},
        {"one byte short", record().left(8594), 9033},
        {"one byte long", record() + 'x', 9033},
        {"channel count 200", record().left(4) + QByteArray("\xC8\x00", 2) + record().mid(6), 9067},
    };
    for (const auto& c : cases) {
        FourChannels s;
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        s.state.document.DocumentPath = s.rootFile("x.dat");
        if (c.content)
            writeBytes(s.state.document.DocumentPath, *c.content);
        EXPECT_EQ(doc::OpenDataFile(s.state), doc::DocumentResult::Failure) << c.what;
        EXPECT_EQ(s.prompter.numbers(), QList<int>{c.message}) << c.what;
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.what;
        EXPECT_EQ(s.state.SavedConfiguration, before) << c.what;
        EXPECT_TRUE(s.state.document.IsUntitled) << c.what;
    }
}

TEST(Documents, AnUnlistedVersionOffersTheReleaseThatServesIt)
{
    const struct {
        const char* tag;
        PromptAnswer answer;
        doc::DocumentResult result;
        QString launched;    // the program started, empty for none
        QList<int> messages; // after the version question (number 0)
        bool startWorks = true;
    } cases[] = {
        {"V110", PromptAnswer::No, doc::DocumentResult::Failure, {}, {0}},
        {"V110", PromptAnswer::Yes, doc::DocumentResult::EndProgram, "/V100/", {0}},
        // Nothing started: this program goes on with its document.
        {"V999", PromptAnswer::Yes, doc::DocumentResult::Failure, {}, {0, 9063}},
        {"V110", PromptAnswer::Yes, doc::DocumentResult::Failure, "/V100/", {0, 9063}, false},
    };
    for (const auto& c : cases) {
        FourChannels s;
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        mk21::RadioConfiguration r = before;
        r.DataVersion = c.tag;
        s.state.document.DocumentPath = s.rootFile("other.dat");
        writeBytes(s.state.document.DocumentPath, mk21::ModRecordCodec::EncodeRecord(r));
        QString started;
        s.prompter.script(c.answer);
        const auto launcher = [&started, &c](const QString& program) {
            started = program;
            return c.startWorks;
        };
        EXPECT_EQ(doc::OpenDataFile(s.state, launcher), c.result) << c.tag;
        EXPECT_EQ(s.prompter.numbers(), c.messages) << c.tag;
        ASSERT_FALSE(s.prompter.asked.isEmpty());
        const mk21::Prompt& question = s.prompter.asked.front();
        EXPECT_EQ(question.buttons, mk21::PromptButtons::YesNo);
        EXPECT_TRUE(question.text.startsWith(mk21::GetLangText(s.state, 9062)))
            << question.text.toStdString();
        EXPECT_TRUE(question.text.contains(mk21::GetLangText(s.state, 9064)));
        EXPECT_TRUE(question.text.contains(QStringLiteral("V") + c.tag[1] + u'.' + c.tag[2] + c.tag[3]));
        if (c.launched.isEmpty()) {
            EXPECT_TRUE(started.isEmpty());
        } else {
            EXPECT_TRUE(started.contains(c.launched)) << started.toStdString();
        }
        EXPECT_EQ(s.state.SavedConfiguration, before);
        EXPECT_TRUE(s.state.document.IsUntitled);
    }
}

TEST(Documents, AFailedSaveKeepsTheOldFileAndTheQuestion)
{
    FourChannels s;
    s.state.document.DocumentPath = s.rootFile("kept.dat");
    ASSERT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::Success);
    const QByteArray old = readBytes(s.state.document.DocumentPath);
    const QByteArray oldSide = readBytes(s.rootFile("kept.NVD"));
    s.state.document.IsUntitled = true; // as if saved by another run

    s.state.WorkingConfiguration.Channels[0].TxPower = 0;
    s.state.WorkingSide.AlarmMode = 0;
    {
        const mk21::test::FileSizeLimit diskFull(2000);
        EXPECT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::Failure);
    }
    EXPECT_EQ(s.prompter.numbers(), QList<int>{9002});
    EXPECT_TRUE(readBytes(s.state.document.DocumentPath) == old);
    EXPECT_TRUE(readBytes(s.rootFile("kept.NVD")) == oldSide);
    EXPECT_EQ(QDir(s.dataRoot()).entryList({"kept*"}, QDir::Files).size(), 2); // no temporary left
    EXPECT_EQ(s.state.SavedSide.AlarmMode, 1);
    EXPECT_TRUE(doc::IsConfigurationChanged(s.state)); // the exit question still comes
    EXPECT_TRUE(s.state.document.IsUntitled);

    s.prompter.clear();
    s.state.document.DocumentPath = s.rootFile("missing/folder/x.dat");
    EXPECT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::Failure);
    EXPECT_EQ(s.prompter.numbers(), QList<int>{9002});
    EXPECT_TRUE(doc::IsConfigurationChanged(s.state));
}

TEST(Documents, MessagesShowThePathAndWhatIsWrong)
{
    FourChannels probe;
    const QByteArray good = [&probe] {
        mk21::ModConfig::CommitToSaved(probe.state);
        return mk21::ModRecordCodec::EncodeRecord(probe.state.SavedConfiguration);
    }();
    const auto withBand = [&good](quint16 band) {
        QByteArray bytes = good;
        bytes[8069] = static_cast<char>(band & 0xFF);
        bytes[8070] = static_cast<char>(band >> 8);
        return bytes;
    };
    const auto withReceive = [&good](const QByteArray& rx) { return good.left(10) + rx + good.mid(18); };
    const struct {
        const char* what;
        std::optional<QByteArray> content;
        int message;
        QString detail; // in the message after the language text
    } cases[] = {
        {"no file", std::nullopt, 9002, QString::fromLocal8Bit(std::strerror(ENOENT))},
        {"band 9999", withBand(9999), 9067, "band 9999"},
        {"receive frequency not a number", withReceive("4351000X"), 9067, "receive frequency of channel 1"},
        {"model code garbage", good.left(8062) + QByteArray(7, '\xFF') + good.mid(8069), 9067, "model code"},
        {"as saved", good, 0, {}},
    };
    for (const auto& c : cases) {
        FourChannels s;
        s.state.WorkingConfiguration.Channels[0].TxPower = 0; // any edit: a refused file must not undo it
        const mk21::RadioConfiguration before = s.state.WorkingConfiguration;
        const QString path = s.rootFile("shown.dat");
        s.state.document.DocumentPath = path;
        if (c.content)
            writeBytes(path, *c.content);
        const doc::DocumentResult result = doc::OpenDataFile(s.state);
        if (c.message == 0) {
            EXPECT_EQ(result, doc::DocumentResult::Success) << c.what;
            EXPECT_TRUE(s.prompter.asked.isEmpty()) << c.what;
            continue;
        }
        EXPECT_EQ(result, doc::DocumentResult::Failure) << c.what;
        ASSERT_EQ(s.prompter.numbers(), QList<int>{c.message}) << c.what;
        const QString text = s.prompter.asked.front().text;
        const QString language = mk21::GetLangText(s.state, c.message);
        EXPECT_TRUE(text.startsWith(language.left(language.indexOf(u'%')))) << text.toStdString();
        EXPECT_TRUE(text.contains(c.detail)) << text.toStdString();
        EXPECT_TRUE(text.contains(path)) << text.toStdString();
        EXPECT_EQ(s.state.WorkingConfiguration, before) << c.what;
    }
}

TEST(Documents, OpeningANamedPipeIsRefusedAtOnce)
{
    FourChannels s;
    s.state.document.DocumentPath = s.rootFile("pipe.dat");
    mk21::test::PipeGuard pipe(s.state.document.DocumentPath);
    ASSERT_TRUE(pipe.made());
    doc::DocumentResult result = doc::DocumentResult::Success;
    EXPECT_TRUE(pipe.endsWithoutHelp([&] { result = doc::OpenDataFile(s.state); }));
    EXPECT_EQ(result, doc::DocumentResult::Failure);
    ASSERT_EQ(s.prompter.numbers(), QList<int>{9002});
    EXPECT_TRUE(s.prompter.asked.front().text.contains("not a regular file"));
}

TEST(Documents, ASideFileThatCannotBeWrittenIsToldButTheDocumentIsSaved)
{
    FourChannels s;
    s.state.WorkingSide.AlarmMode = 0;
    s.state.document.DocumentPath = s.rootFile("blocked.dat");
    QDir().mkpath(s.rootFile("blocked.NVD"));
    EXPECT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::SavedWithoutSideFile);
    ASSERT_EQ(s.prompter.numbers(), QList<int>{9068});
    EXPECT_TRUE(s.prompter.asked.front().text.contains(s.rootFile("blocked.NVD")));
    EXPECT_EQ(readBytes(s.state.document.DocumentPath).size(), 8595);
    EXPECT_FALSE(s.state.document.IsUntitled);
    EXPECT_FALSE(doc::IsConfigurationChanged(s.state));
}

TEST(Documents, SavingUnderTheSideFilesOwnNameIsRefused)
{
    FourChannels s;
    s.state.WorkingConfiguration.Channels[0].TxPower = 0;
    s.state.document.DocumentPath = s.rootFile("x.NVD");
    EXPECT_EQ(doc::SaveDataFile(s.state), doc::DocumentResult::Failure);
    ASSERT_EQ(s.prompter.numbers(), QList<int>{9002});
    EXPECT_TRUE(s.prompter.asked.front().text.contains(s.rootFile("x.NVD")));
    EXPECT_FALSE(QFile::exists(s.rootFile("x.NVD")));
    EXPECT_TRUE(doc::IsConfigurationChanged(s.state));
    EXPECT_TRUE(s.state.document.IsUntitled);
}
