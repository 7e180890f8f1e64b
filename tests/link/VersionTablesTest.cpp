#include "link/VersionTables.h"

#include "app/AppState.h"
#include "tests/support/StagedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

using namespace mk21;
using namespace mk21::ModVersion;
using mk21::test::StagedState;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void writeVersionIni(StagedState& staged, const QByteArray& text)
{
    writeFile(staged.rootFile(QStringLiteral("Version.ini")), text);
}

// A language file with distinct texts for the version messages, so their order can be checked.
void useVersionTexts(StagedState& staged)
{
    writeFile(staged.programFile(QStringLiteral("language/versions.ini")),
              "[Msg]\n9060=Radio:\n9061=This program:\n9062=Other version\n9063=No program\n9064=File:\n");
    staged.state.settings.LanguageFileName = QStringLiteral("versions.ini");
}

// Records every program it is asked to start and answers with `result`.
struct RecordingLauncher {
    QStringList started;
    bool result = true;
    ProgramLauncher launcher()
    {
        return [this](const QString& program) {
            started.append(program);
            return result;
        };
    }
};

QString expectedProgram(const StagedState& staged, const QString& release)
{
    return QDir(staged.dataRoot())
        .filePath(release + u'/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

} // namespace

TEST(VersionTag, RecognisesFourCharacterTags)
{
    const struct {
        QString text;
        bool tag;
    } cases[] = {
        {QStringLiteral("V200"), true},
        {QStringLiteral("V1.2"), true},
        {QStringLiteral("V200   "), true},
        {QString::fromLatin1("V200\0junk", 9), true},
        {QStringLiteral("X200"), false},
        {QStringLiteral("v200"), false},
        {QStringLiteral("V20A"), false},
        {QStringLiteral("V2000"), false},
        {QStringLiteral("V20"), false},
        {QStringLiteral(" V200"), false},
        {QString::fromLatin1("V2\0"
                             "00",
                             5),
         false},
        {QStringLiteral("V..."), false},
        {QStringLiteral("V../"), false},
        {QStringLiteral("V\t12"), false},
        {QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsVersionTag(c.text), c.tag) << c.text.toStdString();
}

TEST(VersionTag, DisplayForm)
{
    EXPECT_EQ(ShowVersion(QStringLiteral("V200")), QStringLiteral("V2.00"));
    EXPECT_EQ(ShowVersion(QStringLiteral("V110")), QStringLiteral("V1.10"));
}

TEST(VersionTables, ShippedFileServesItsOwnRelease)
{
    StagedState staged;
    EXPECT_TRUE(LoadVersionTables(staged.state));
    EXPECT_TRUE(IsVersionPairListed(staged.state, QStringLiteral("V200"), QStringLiteral("V200")));
    EXPECT_EQ(SoftwareForFirmware(staged.state, QStringLiteral("V200")), QStringLiteral("V200"));
}

TEST(VersionTables, PairFromFirstKey)
{
    StagedState staged;
    writeVersionIni(staged, "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Soft]\nVersion0=V200\n"
                            "[Firm]\nFirm0=V200V110   \n");
    EXPECT_FALSE(LoadVersionTables(staged.state)); // it lacks this release's own pair
    ASSERT_EQ(staged.state.versionTable.size(), 2);
    EXPECT_TRUE(IsVersionPairListed(staged.state, QStringLiteral("V200"), QStringLiteral("V110")));
    EXPECT_FALSE(IsVersionPairListed(staged.state, QStringLiteral("v200"), QStringLiteral("v110")));
    EXPECT_EQ(SoftwareForFirmware(staged.state, QStringLiteral("V110")), QStringLiteral("V200"));
    EXPECT_TRUE(SoftwareForFirmware(staged.state, QStringLiteral("V300")).isEmpty());
}

TEST(VersionTables, FirstPairServesTheFirmware)
{
    StagedState staged;
    writeVersionIni(staged, "[Version]\nFirmVersionCount=2\n[Firm]\nFirm1=V200V110\nFirm0=V100V110\n");
    LoadVersionTables(staged.state);
    ASSERT_EQ(staged.state.versionTable.size(), 3); // and this release's own pair, added last
    EXPECT_EQ(staged.state.versionTable[0].release, QStringLiteral("V100"));
    EXPECT_EQ(SoftwareForFirmware(staged.state, QStringLiteral("V110")), QStringLiteral("V100"));
    EXPECT_TRUE(IsVersionPairListed(staged.state, QStringLiteral("V200"), QStringLiteral("V110")));
}

TEST(VersionTables, ReadsOnlyTheCountedKeys)
{
    StagedState staged;
    writeVersionIni(staged, "[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\nFirm1=V200V110\n");
    EXPECT_TRUE(LoadVersionTables(staged.state));
    EXPECT_EQ(staged.state.versionTable.size(), 1);
    EXPECT_FALSE(IsVersionPairListed(staged.state, QStringLiteral("V200"), QStringLiteral("V110")));
}

TEST(VersionTables, UnusableFileOrCountGivesOnlyTheOwnPair)
{
    const std::optional<QByteArray> files[] = {
        std::nullopt, // no Version.ini at all
        QByteArray("[Version]\nSoftVersionCount=1\n[Firm]\nFirm0=V200V200\n"),
        QByteArray("[Version]\nFirmVersionCount=abc\n[Firm]\nFirm0=V200V200\n"),
        QByteArray("[Version]\nFirmVersionCount=0\n[Firm]\nFirm0=V200V200\n"),
        QByteArray("[Version]\nFirmVersionCount=-3\n[Firm]\nFirm0=V200V200\n"),
        QByteArray("[Version]\nFirmVersionCount=\n[Firm]\nFirm0=V200V200\n"),
    };
    for (const auto& file : files) {
        StagedState staged;
        staged.state.versionTable.append(VersionPair{QStringLiteral("V200"), QStringLiteral("V200")});
        if (file)
            writeVersionIni(staged, *file);
        else
            ASSERT_TRUE(QFile::remove(staged.rootFile(QStringLiteral("Version.ini"))));
        EXPECT_FALSE(LoadVersionTables(staged.state));
        ASSERT_EQ(staged.state.versionTable.size(), 1) << (file ? file->toStdString() : "missing file");
        EXPECT_EQ(staged.state.versionTable[0].release, QStringLiteral("V200"));
        EXPECT_EQ(staged.state.versionTable[0].firmware, QStringLiteral("V200"));
        EXPECT_TRUE(staged.prompter.asked.isEmpty());
    }
}

TEST(VersionTables, HugeCountIsBounded)
{
    StagedState staged;
    writeVersionIni(staged, "[Version]\nFirmVersionCount=32767\n[Firm]\nFirm0=V200V200\n");
    LoadVersionTables(staged.state);
    EXPECT_EQ(staged.state.versionTable.size(), MaxVersionKeys);
    EXPECT_TRUE(IsVersionPairListed(staged.state, QStringLiteral("V200"), QStringLiteral("V200")));
}

TEST(VersionMessage, CompositionByKind)
{
    StagedState staged;
    useVersionTexts(staged);
    const struct {
        int kind;
        QString text;
    } cases[] = {
        {1, QStringLiteral("Other version\r\nFile: V1.10\r\nThis program: V2.00")},
        {0, QStringLiteral("Other version\r\nRadio: V1.10\r\nThis program: V2.00")},
        {2, QStringLiteral("Other versionV1.10\r\nThis program: V2.00")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionMessage(staged.state, QStringLiteral("V200"), QStringLiteral("V110"), c.kind),
                  c.text)
            << "kind " << c.kind;
    }
}

TEST(VersionMessage, ChineseLabelsAreFollowedByASingleGap)
{
    StagedState staged;
    staged.state.settings.LanguageFileName = QStringLiteral("chinese.ini");
    for (const int kind : {0, 1}) {
        const QString text =
            VersionMessage(staged.state, QStringLiteral("V200"), QStringLiteral("V110"), kind);
        EXPECT_TRUE(text.contains(QStringLiteral(" V1.10"))) << kind;
        EXPECT_FALSE(text.contains(QStringLiteral("\uFF1A "))) << "full-width colon and a space: " << kind;
    }
}

TEST(LaunchSoftwareVersion, StartsTheServingReleaseOnly)
{
    StagedState staged;
    staged.state.versionTable = {{QStringLiteral("V100"), QStringLiteral("V110")},
                                 {QStringLiteral("V200"), QStringLiteral("V110")}};
    RecordingLauncher launcher;
    EXPECT_TRUE(LaunchSoftwareVersion(staged.state, QStringLiteral("V110"), launcher.launcher()));
    EXPECT_EQ(launcher.started, QStringList{expectedProgram(staged, QStringLiteral("V100"))});
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST(LaunchSoftwareVersion, NothingStartedWithoutAValidRelease)
{
    const struct {
        const char* what;
        QByteArray firm0;
    } cases[] = {
        {"firmware served by nobody", "V100V120"},
        {"path in the release", "../xV110"},
        {"separator in the release", "V1/2V110"},
        {"release not a tag", "X100V110"},
    };
    for (const auto& c : cases) {
        StagedState staged;
        writeVersionIni(staged, "[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=" + c.firm0 + "\n");
        LoadVersionTables(staged.state);
        RecordingLauncher launcher;
        EXPECT_FALSE(LaunchSoftwareVersion(staged.state, QStringLiteral("V110"), launcher.launcher()))
            << c.what;
        EXPECT_TRUE(launcher.started.isEmpty()) << c.what;
        EXPECT_EQ(staged.prompter.numbers(), QList<int>{9063}) << c.what;
    }
}

TEST(LaunchSoftwareVersion, FailedStartNamesTheMissingProgram)
{
    StagedState staged;
    useVersionTexts(staged);
    staged.state.versionTable = {{QStringLiteral("V100"), QStringLiteral("V110")}};
    RecordingLauncher launcher;
    launcher.result = false;
    EXPECT_FALSE(LaunchSoftwareVersion(staged.state, QStringLiteral("V110"), launcher.launcher()));
    ASSERT_EQ(staged.prompter.numbers(), QList<int>{9063});
    const QString text = staged.prompter.asked.front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("No program\r\n")));
    EXPECT_TRUE(text.endsWith(QDir::toNativeSeparators(expectedProgram(staged, QStringLiteral("V100")))));
}

TEST(ModelBandChecks, ModelMatchesBySessionKind)
{
    const struct {
        const char* current;
        const char* radio;
        int kind;
        bool matches;
    } cases[] = {
        {"ZR750G", "ZR750G", SessionKindWrite, true}, {"ZR750G", "ZR750G", SessionKindRead, true},
        {"ZR750G", "ZR750", SessionKindRead, true},   {"ZR750", "ZR750G", SessionKindInfo, true},
        {"ZR750G", "ZR750", SessionKindWrite, false}, {"ZR750G", "ZR751", SessionKindRead, false},
        {"ZR750G", "", SessionKindRead, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModelMatches(QString::fromLatin1(c.current), QString::fromLatin1(c.radio), c.kind),
                  c.matches)
            << c.current << " / " << c.radio << " kind " << c.kind;
    }
}

TEST(ModelBandChecks, BandMatchesOnlyInsistsWhenWriting)
{
    EXPECT_TRUE(BandMatches(3, 3, SessionKindWrite));
    EXPECT_FALSE(BandMatches(3, 4, SessionKindWrite));
    EXPECT_TRUE(BandMatches(3, 8, SessionKindRead));
    EXPECT_TRUE(BandMatches(3, 8, SessionKindInfo));
}

TEST(ModelBandChecks, BandFamilies)
{
    for (int a = 0; a < 8; ++a) {
        for (int b = 0; b < 8; ++b)
            EXPECT_TRUE(BandFamilyMatches(a, b)) << a << " " << b;
    }
    const struct {
        int current;
        int radio;
        bool matches;
    } cases[] = {
        {0, 8, false},  {7, 8, false},   {8, 15, true},   {9, 16, false},  {16, 23, true},
        {24, 31, true}, {31, 32, false}, {32, 32, false}, {33, 34, false}, {255, 255, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BandFamilyMatches(c.current, c.radio), c.matches) << c.current << " " << c.radio;
}

TEST(RadioCompatibility, EveryBranch)
{
    const struct {
        const char* what;
        const char* radioModel;
        int radioBand;
        const char* firmware;
        int kind;
        const char* currentBand; // current model is ZR750G
        std::optional<PromptAnswer> answer;
        CompatibilityResult result;
        QList<int> prompts; // 0: the composed version question
        bool launched;
    } cases[] = {
        {"all match",
         "ZR750G",
         0,
         "V200",
         SessionKindWrite,
         "400 - 480 MHz",
         {},
         CompatibilityResult::GoOn,
         {},
         false},
        {"other known model, read",
         "ZR750",
         5,
         "V200",
         SessionKindRead,
         "400 - 480 MHz",
         {},
         CompatibilityResult::GoOn,
         {},
         false},
        {"other known model, write",
         "ZR750",
         0,
         "V200",
         SessionKindWrite,
         "400 - 480 MHz",
         {},
         CompatibilityResult::Stop,
         {9012},
         false},
        {"other known model, read, unlisted firmware",
         "ZR750",
         0,
         "V110",
         SessionKindRead,
         "400 - 480 MHz",
         {},
         CompatibilityResult::Stop,
         {9012},
         false},
        {"unknown model, read",
         "XX100",
         0,
         "V200",
         SessionKindRead,
         "400 - 480 MHz",
         {},
         CompatibilityResult::Stop,
         {9012},
         false},
        {"unlisted firmware, No",
         "ZR750G",
         0,
         "V110",
         SessionKindRead,
         "400 - 480 MHz",
         PromptAnswer::No,
         CompatibilityResult::Stop,
         {0},
         false},
        {"unlisted firmware, Yes",
         "ZR750G",
         0,
         "V110",
         SessionKindRead,
         "400 - 480 MHz",
         PromptAnswer::Yes,
         CompatibilityResult::Launch,
         {0},
         true},
        {"unserved firmware, Yes",
         "ZR750G",
         0,
         "V300",
         SessionKindWrite,
         "400 - 480 MHz",
         PromptAnswer::Yes,
         CompatibilityResult::Stop,
         {0, 9063},
         false},
        {"other band, read",
         "ZR750G",
         8,
         "V200",
         SessionKindRead,
         "400 - 480 MHz",
         {},
         CompatibilityResult::GoOn,
         {},
         false},
        {"same family, OK",
         "ZR750G",
         3,
         "V200",
         SessionKindWrite,
         "400 - 480 MHz",
         PromptAnswer::Ok,
         CompatibilityResult::GoOn,
         {9014},
         false},
        {"same family, Cancel",
         "ZR750G",
         3,
         "V200",
         SessionKindWrite,
         "400 - 480 MHz",
         PromptAnswer::Cancel,
         CompatibilityResult::Stop,
         {9014},
         false},
        {"other family",
         "ZR750G",
         8,
         "V200",
         SessionKindWrite,
         "400 - 480 MHz",
         {},
         CompatibilityResult::Stop,
         {9030},
         false},
        {"band 32, same band",
         "ZR750G",
         32,
         "V200",
         SessionKindWrite,
         "450 - 520 MHz",
         {},
         CompatibilityResult::GoOn,
         {},
         false},
        {"band 32, neighbour",
         "ZR750G",
         33,
         "V200",
         SessionKindWrite,
         "450 - 520 MHz",
         {},
         CompatibilityResult::Stop,
         {9030},
         false},
    };
    for (const auto& c : cases) {
        StagedState staged;
        staged.state.versionTable = {{QStringLiteral("V200"), QStringLiteral("V200")},
                                     {QStringLiteral("V100"), QStringLiteral("V110")}};
        staged.state.model.CurrentBandText = QString::fromLatin1(c.currentBand);
        if (c.answer)
            staged.prompter.script(*c.answer);
        RecordingLauncher launcher;
        const CompatibilityResult result =
            CheckRadioCompatibility(staged.state, QString::fromLatin1(c.radioModel), c.radioBand,
                                    QString::fromLatin1(c.firmware), c.kind, launcher.launcher());
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(staged.prompter.numbers(), c.prompts) << c.what;
        EXPECT_EQ(launcher.started.size(), c.launched ? 1 : 0) << c.what;
        if (c.launched && !launcher.started.isEmpty()) {
            EXPECT_EQ(launcher.started.front(), expectedProgram(staged, QStringLiteral("V100"))) << c.what;
        }
    }
}

TEST(RadioCompatibility, VersionQuestionIsTheRadioMessage)
{
    StagedState staged;
    useVersionTexts(staged);
    staged.state.versionTable = {{QStringLiteral("V200"), QStringLiteral("V200")}};
    staged.prompter.script(PromptAnswer::No);
    CheckRadioCompatibility(staged.state, QStringLiteral("ZR750G"), 0, QStringLiteral("V120"),
                            SessionKindRead);
    ASSERT_EQ(staged.prompter.asked.size(), 1);
    const Prompt& asked = staged.prompter.asked.front();
    EXPECT_EQ(asked.buttons, PromptButtons::YesNo);
    EXPECT_EQ(asked.text, QStringLiteral("Other version\r\nRadio: V1.20\r\nThis program: V2.00"));
}
