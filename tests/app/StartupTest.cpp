#include "app/Startup.h"
#include "app/ProgramFolders.h"
#include "base/IniFile.h"
#include "data/CapabilityRecord.h"
#include "tests/support/StagedState.h"

#include <QFile>

#include <gtest/gtest.h>

using mk21::test::StagedState;

namespace {

void writeMySetup(StagedState& s, const QByteArray& content)
{
    QFile f(mk21::MySetupPath(s.state));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QString mySetupValue(StagedState& s, const char* key)
{
    return mk21::ReadProfileString(mk21::MySetupPath(s.state), "language", key, "<absent>");
}

mk21::StartupEnvironment locale(bool chinese)
{
    mk21::StartupEnvironment env;
    env.systemLocaleIsChinesePrc = chinese;
    return env;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(Startup, FirstRunTakesTheLocaleLanguageAndStoresIt)
{
    for (const bool chinese : {false, true}) {
        StagedState s;
        writeMySetup(s, "[language]\r\nIsFirstRun=1\r\ncomPort=4\r\nCurrentLanguage=1\r\n");
        mk21::RunStartup(s.state, locale(chinese));
        const int expected = chinese ? 2 : 1;
        EXPECT_EQ(s.state.settings.CurrentLanguage, expected);
        EXPECT_EQ(s.state.settings.ShownLanguage, expected);
        EXPECT_EQ(s.state.settings.LanguageFileName, chinese ? "chinese.ini" : "english.ini");
        EXPECT_EQ(s.state.settings.comPort, 4);
        EXPECT_EQ(mySetupValue(s, "IsFirstRun"), "0");
        EXPECT_EQ(mySetupValue(s, "CurrentLanguage"), QString::number(expected));
        EXPECT_EQ(mySetupValue(s, "comPort"), "4");
    }
}

TEST(Startup, LaterRunsReadTheStoredLanguage)
{
    StagedState s;
    writeMySetup(s, "[language]\r\nIsFirstRun=0\r\ncomPort=2\r\nCurrentLanguage=2\r\n");
    mk21::RunStartup(s.state, locale(false));
    EXPECT_EQ(s.state.settings.CurrentLanguage, 2);
    EXPECT_EQ(s.state.settings.LanguageFileName, "chinese.ini");
}

TEST(Startup, AnUnknownLanguageKeepsTheLocaleFileAndIsStoredBack)
{
    StagedState s;
    writeMySetup(s, "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=3\r\n");
    mk21::RunStartup(s.state, locale(true));
    EXPECT_EQ(s.state.settings.CurrentLanguage, 3);
    EXPECT_EQ(s.state.settings.LanguageFileName, "chinese.ini");
    EXPECT_EQ(mySetupValue(s, "CurrentLanguage"), "3");
}

TEST(Startup, MissingOrBadSettingsFallBackToAFirstRunOnPortOne)
{
    struct Case {
        const char* content;
        bool firstRun;
    };
    const Case cases[] = {
        {nullptr, true},                                            // no mysetup.ini at all
        {"[language]\r\n", true},                                   // no keys
        {"[language]\r\nIsFirstRun=yes\r\ncomPort=COM3\r\n", true}, // not numbers
        {"[language]\r\nIsFirstRun=0\r\ncomPort=99999999\r\nCurrentLanguage=x\r\n", false},
    };
    for (const Case& c : cases) {
        StagedState s;
        if (c.content)
            writeMySetup(s, c.content);
        else
            QFile::remove(mk21::MySetupPath(s.state));
        mk21::RunStartup(s.state, locale(false));
        EXPECT_EQ(s.state.settings.IsFirstRun, c.firstRun) << (c.content ? c.content : "missing");
        EXPECT_EQ(s.state.settings.comPort, 1);
        EXPECT_EQ(s.state.settings.CurrentLanguage, 1);
        EXPECT_EQ(mySetupValue(s, "comPort"), "1");
        EXPECT_EQ(mySetupValue(s, "IsFirstRun"), "0"); // a first run clears it; a later run keeps 0
    }
}

TEST(Startup, BuildsANewDocumentAndTheTitle)
{
    StagedState s;
    mk21::RunStartup(s.state, locale(false));
    EXPECT_EQ(s.state.settings.ApplicationTitle, "MK-21 CPS");
    EXPECT_EQ(s.state.document.DocumentPath, "new.dat");
    EXPECT_TRUE(s.state.document.IsUntitled);
    EXPECT_EQ(s.state.model.CurrentModelCode, "ZR750G");
    EXPECT_EQ(s.state.WorkingConfiguration.DataVersion.text(), "V200");
    EXPECT_EQ(s.state.WorkingConfiguration.ChannelCount, 1);
    EXPECT_FALSE(s.state.settings.OsIsNt6);
    EXPECT_TRUE(s.prompter.asked.isEmpty());
}

TEST(Startup, SettingIniIsCreatedEmptyAndWrittenAtExit)
{
    StagedState s;
    const QString path = s.programFile("Setting.ini");
    QFile::remove(path);
    mk21::RunStartup(s.state, locale(false));
    EXPECT_EQ(fileBytes(path), QByteArray());
    mk21::ApplyCapabilities(s.state, 0x0A); // bits 3 and 1
    mk21::CompleteSettingsAtExit(s.state);
    EXPECT_EQ(fileBytes(path), QByteArray("\x01\x00\x01\x00", 4));
}

TEST(Startup, CapabilityBitsAreStickyWhileTheCurrentFlagsFollowTheRadio)
{
    StagedState s;
    {
        QFile f(s.programFile("Setting.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x00\x01", 2); // short file: the missing bytes read as 0
    }
    mk21::RunStartup(s.state, locale(false));
    const std::array<mk21::Byte, 4> read{0, 1, 0, 0};
    EXPECT_EQ(s.state.settings.CapabilityRecord, read);

    mk21::ApplyCapabilities(s.state, 0x01);
    const std::array<mk21::Byte, 4> afterFirst{0, 1, 0, 1};
    EXPECT_EQ(s.state.settings.CapabilityRecord, afterFirst);
    mk21::ApplyCapabilities(s.state, 0x08);
    const std::array<mk21::Byte, 4> sticky{1, 1, 0, 1};
    const std::array<mk21::Byte, 4> current{1, 0, 0, 0};
    EXPECT_EQ(s.state.settings.CapabilityRecord, sticky);
    EXPECT_EQ(s.state.CurCapFlags, current);
}

TEST(ProgramFolders, DataRootIsTheParentFolder)
{
    EXPECT_EQ(mk21::DataRootOf("C:\\Radio\\V200"), "C:\\Radio");
    EXPECT_EQ(mk21::DataRootOf("/opt/mk21/V200"), "/opt/mk21");
    EXPECT_EQ(mk21::DataRootOf("\\V200"), "\\V200"); // the separator must stand after the first character
    EXPECT_EQ(mk21::DataRootOf("V200"), "V200");

    mk21::AppSettings settings;
    mk21::ResolveProgramFolders(settings, "/opt/mk21/V200", "/tmp/root/");
    EXPECT_EQ(settings.DataRoot, "/tmp/root");
    EXPECT_EQ(settings.ProgramFolder, "/tmp/root/V200");
    mk21::ResolveProgramFolders(settings, "/opt/mk21/V200");
    EXPECT_EQ(settings.DataRoot, "/opt/mk21");
}
