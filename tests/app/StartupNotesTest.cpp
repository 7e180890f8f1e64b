// Damaged shipped files at start: a missing or damaged language file and a version table without
// this release's own firmware are each told once; the program goes on with the built-in English
// texts and its own firmware.
#include "app/StartupNotes.h"
#include "app/Documents.h"
#include "app/LanguageCatalogue.h"
#include "app/Startup.h"
#include "base/BuiltinTexts.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "link/VersionTables.h"
#include "tests/app/LanguageFileSupport.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace mk21 {
namespace {

using test::StagedState;

using test::SetLanguageFile;
using test::WriteWholeFile;

StartupEnvironment english()
{
    return StartupEnvironment{};
}

struct DamageCase {
    const char* name;
    std::optional<QByteArray> file;
    bool allMissing; // every text is missing, not just some
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedLanguageFile : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLanguageFile, IsToldOnceAtStartInTheBuiltInEnglish)
{
    const DamageCase& c = GetParam();
    StagedState s;
    WriteWholeFile(s.rootFile(QStringLiteral("language/mysetup.ini")),
                   "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n");
    s.state.settings.LanguageFileName = QStringLiteral("chinese.ini");
    SetLanguageFile(s, c.file);

    const QList<StartupNote> notes = RunStartup(s.state, english());
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].textNumber, 9071);
    const QString total = QString::number(LanguageCatalogue::AllNumbers().size());
    const QString missing = c.allMissing ? total : QStringLiteral("1");
    EXPECT_EQ(notes[0].text,
              FillTextArgs(EnglishText(9071),
                           {QDir::toNativeSeparators(LanguageFilePath(s.state.settings)), missing, total}));
    EXPECT_TRUE(s.prompter.asked.isEmpty()); // the start-up itself shows nothing

    ReportStartupNotes(s.state, notes);
    ASSERT_EQ(s.prompter.numbers(), QList<int>{9071});
    EXPECT_EQ(s.prompter.asked[0].text, notes[0].text);
    EXPECT_EQ(s.prompter.asked[0].icon, PromptIcon::Warning);
    EXPECT_FALSE(s.prompter.asked[0].title.isEmpty()); // the title, too, falls back to English
}

QByteArray chineseWithout(const char* line)
{
    QFile file(
        QDir(QStringLiteral(MK21_SOURCE_DIR)).filePath(QStringLiteral("resources/language/chinese.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf(line);
    if (at >= 0)
        bytes.remove(at, bytes.indexOf("\r\n", at) + 2 - at);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedLanguageFile,
                         testing::Values(DamageCase{"Missing", std::nullopt, true},
                                         DamageCase{"Empty", QByteArray(), true},
                                         DamageCase{"Garbage", QByteArray(4000, '\x9c'), true},
                                         DamageCase{"OneTextLost", chineseWithout("\r\n10001="), false}),
                         [](const testing::TestParamInfo<DamageCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StartupNotes, ShippedFilesGiveNone)
{
    for (int language : {1, 2}) {
        StagedState s;
        EXPECT_TRUE(RunToolStartup(s.state, language).isEmpty()) << language;
    }
    StagedState s;
    EXPECT_TRUE(RunStartup(s.state, english()).isEmpty());
}

// ---- Version.ini ---------------------------------------------------------------------------------

class DamagedVersionTable : public testing::TestWithParam<std::optional<QByteArray>> {};

TEST_P(DamagedVersionTable, ServesItsOwnFirmwareAndSaysSoOnce)
{
    StagedState s;
    const QString path = s.rootFile(QStringLiteral("Version.ini"));
    if (GetParam())
        WriteWholeFile(path, *GetParam());
    else
        ASSERT_TRUE(QFile::remove(path));

    const QList<StartupNote> notes = RunToolStartup(s.state, 1);
    EXPECT_TRUE(ModVersion::IsVersionPairListed(s.state, QStringLiteral("V200"), QStringLiteral("V200")));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].textNumber, 9072);
    EXPECT_TRUE(notes[0].text.contains(QDir::toNativeSeparators(path))) << notes[0].text.toStdString();
    EXPECT_TRUE(notes[0].text.contains(QStringLiteral("V2.00")));

    // A data file of this release opens, where before it was refused as another release's.
    const QString dataFile = s.rootFile(QStringLiteral("mine.dat"));
    s.state.document.DocumentPath = dataFile;
    ASSERT_EQ(ModDocument::SaveDataFile(s.state), ModDocument::DocumentResult::Success);
    EXPECT_EQ(ModDocument::OpenDataFile(s.state, [](const QString&) { return false; }),
              ModDocument::DocumentResult::Success);
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedVersionTable,
    testing::Values(std::nullopt, QByteArray(), QByteArray("\x01\x02garbage\xff"),
                    QByteArray("[Version]\nFirmVersionCount=x\n[Firm]\nFirm0=V200V200\n"),
                    QByteArray("[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V200V110\n"),
                    QByteArray("[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V100V200\n")));

} // namespace
} // namespace mk21
