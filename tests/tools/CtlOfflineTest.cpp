#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

struct CtlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString CtlProgram = QStringLiteral(MK21_STAGE_DIR "/V200/mk21ctl");

// Runs a program to its end; one that is still running after `timeoutMs` is killed and counts as
// exit status -1, so a command that would wait for ever fails the test instead of hanging it.
CtlRun runProgram(const QString& program, const QStringList& args, const QString& workDir, int timeoutMs)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, QStringLiteral("(killed after %1 ms)").arg(timeoutMs)};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CtlRun ctl(const QStringList& args, const QString& workDir, int timeoutMs = 60000)
{
    return runProgram(CtlProgram, args, workDir, timeoutMs);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString text(const char* languageFile, int number)
{
    return mk21::ReadProfileString(QStringLiteral(MK21_STAGE_DIR "/V200/language/") + languageFile,
                                   mk21::SectionOfNumber(number), QString::number(number));
}

QString message(const char* languageFile, int number)
{
    return text(languageFile, number);
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

class CtlOffline : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    CtlRun run(const QStringList& args, int timeoutMs = 60000) const
    {
        return ctl(args, dir.path(), timeoutMs);
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CtlOffline, NewWritesADataFileAndItsSideFile)
{
    const CtlRun r = run({"new", "--model", "ZR750", "--band", "8", "-o", "a.dat"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray data = bytesOf(path("a.dat"));
    ASSERT_EQ(data.size(), 8595);
    EXPECT_EQ(data.left(4), "V200");
    EXPECT_EQ(data.mid(4, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(data.mid(8062, 5), "ZR750");
    EXPECT_EQ(bytesOf(path("a.NVD")).size(), 5);

    const CtlRun shown = run({"show", "a.dat"});
    ASSERT_EQ(shown.exitCode, 0);
    EXPECT_TRUE(shown.out.contains("155.00000")) << shown.out.toStdString(); // the middle of 136-174
    EXPECT_TRUE(shown.out.contains("136 - 174 MHz"));
}

TEST_F(CtlOffline, RefusesUnknownModelsBandsAndForms)
{
    EXPECT_EQ(run({"new", "--model", "XX1", "--band", "0", "-o", "a.dat"}).exitCode, 2);
    EXPECT_EQ(run({"new", "--model", "ZR750G", "--band", "15", "-o", "a.dat"}).exitCode, 2);
    EXPECT_EQ(run({"new", "--model", "ZR750G", "--band", "0"}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(path("a.dat")));
}

TEST_F(CtlOffline, EncodeDecodeEncodeIsByteIdentical)
{
    ASSERT_EQ(run({"new", "--model", "ZR750G", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    ASSERT_EQ(run({"encode", "a.dat", "-o", "a.img"}).exitCode, 0);
    const QByteArray first = bytesOf(path("a.img"));
    ASSERT_EQ(first.size(), 2832);
    EXPECT_EQ(first.mid(2816, 7), QByteArray("ZR750G\0", 7));
    EXPECT_EQ(first.mid(2824, 4), "V200");

    ASSERT_EQ(run({"decode", "a.img", "-o", "b.dat"}).exitCode, 0);
    ASSERT_EQ(bytesOf(path("b.dat")).size(), 8595);
    ASSERT_EQ(run({"encode", "b.dat", "-o", "b.img"}).exitCode, 0);
    EXPECT_EQ(bytesOf(path("b.img")), first);
}

TEST_F(CtlOffline, FailuresPrintTheMessageInTheChosenLanguage)
{
    QFile shortFile(path("short.img"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, '\xff'));
    shortFile.close();

    const CtlRun english = run({"decode", "short.img", "-o", "x.dat"});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_TRUE(english.err.contains(message("english.ini", 9033))) << english.err.toStdString();
    const CtlRun chinese = run({"decode", "short.img", "-o", "x.dat", "--lang", "2"});
    EXPECT_EQ(chinese.exitCode, 1);
    EXPECT_TRUE(chinese.err.contains(message("chinese.ini", 9033))) << chinese.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.dat")));

    QFile badTag(path("bad.dat"));
    ASSERT_TRUE(badTag.open(QIODevice::WriteOnly));
    badTag.write(QByteArray(8595, 'x'));
    badTag.close();
    const CtlRun refused = run({"encode", "bad.dat", "-o", "bad.img"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(message("english.ini", 9065)));
    EXPECT_FALSE(QFile::exists(path("bad.img")));

    const CtlRun missing = run({"show", "no-such.dat"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(message("english.ini", 9002)));
}

TEST_F(CtlOffline, PipesAndDevicesAreRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo(path("pipe.dat").toLocal8Bit().constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(path("pipe.img").toLocal8Bit().constData(), 0600), 0);
    const QStringList commands[] = {
        {"encode", "pipe.dat", "-o", "a.img"},
        {"decode", "pipe.img", "-o", "a.dat"},
        {"show", "pipe.dat"},
        {"decode", "/dev/zero", "-o", "a.dat"},
        {"show", "/dev/zero"},
    };
    for (const QStringList& args : commands) {
        const CtlRun r = run(args, 10000);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9002))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(args[1] + ": not a regular file")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("a.img")));
    EXPECT_FALSE(QFile::exists(path("a.dat")));
}

TEST_F(CtlOffline, AHugeFileIsRefusedByItsLengthWithoutReadingIt)
{
    QFile huge(path("huge.img"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_EQ(huge.write("V200"), 4);          // a data file's mark: show goes on to the length
    ASSERT_TRUE(huge.resize(qint64(3) << 30)); // sparse: no disk space taken
    huge.close();
    for (const QStringList& args :
         {QStringList{"decode", "huge.img", "-o", "a.dat"}, QStringList{"show", "huge.img"}}) {
        const CtlRun r = run(args, 10000);
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9033))) << r.err.toStdString();
    }
}

TEST_F(CtlOffline, OutputsNamedLikeTheirOwnSideFileAreRefused)
{
    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    ASSERT_EQ(run({"encode", "a.dat", "-o", "a.img"}).exitCode, 0);
    const QStringList commands[] = {
        {"new", "--model", "ZR750", "--band", "0", "-o", "foo.NVD"},
        {"decode", "a.img", "-o", "bar.NVD"},
    };
    for (const QStringList& args : commands) {
        const CtlRun r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9002))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(args.back()))) << args.back().toStdString();
    }
}

TEST_F(CtlOffline, ShortOutputNamesKeepTheSideFileInTheirFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "sub/ab"}).exitCode, 0);
    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "x"}).exitCode, 0);
    EXPECT_EQ(bytesOf(path("sub/ab")).size(), 8595);
    EXPECT_EQ(bytesOf(path("sub/ab.NVD")).size(), 5);
    EXPECT_EQ(bytesOf(path("x.NVD")).size(), 5);
    EXPECT_FALSE(QFile::exists(path("subNVD")));
    EXPECT_FALSE(QFile::exists(path("NVD")));
    EXPECT_EQ(run({"show", "sub/ab"}).exitCode, 0);
}

TEST_F(CtlOffline, AFileSizeLimitFailsTheWriteAndKeepsTheOldFile)
{
    ASSERT_EQ(run({"new", "--model", "ZR750G", "--band", "8", "-o", "a.dat"}).exitCode, 0);
    ASSERT_EQ(run({"encode", "a.dat", "-o", "old.img"}).exitCode, 0);
    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "old.dat"}).exitCode, 0);
    const QByteArray oldImage = bytesOf(path("old.img"));
    const QByteArray oldData = bytesOf(path("old.dat"));
    const QString limited = QStringLiteral("ulimit -f 2; exec \"$0\" \"$@\""); // 2048 bytes
    const QStringList commands[] = {
        {"encode", "a.dat", "-o", "old.img"},
        {"decode", "old.img", "-o", "old.dat"},
        {"new", "--model", "ZR750G", "--band", "8", "-o", "old.dat"},
    };
    for (const QStringList& args : commands) {
        const CtlRun r = runProgram("bash", QStringList{"-c", limited, CtlProgram} + args, dir.path(), 60000);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9002))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(args.back())) << r.err.toStdString();
        EXPECT_TRUE(bytesOf(path("old.img")) == oldImage);
        EXPECT_TRUE(bytesOf(path("old.dat")) == oldData);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 5); // no temporary left
}

TEST_F(CtlOffline, ASideFileThatCannotBeWrittenFailsTheCommand)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("a.NVD"));
    const CtlRun r = run({"new", "--model", "ZR750", "--band", "0", "-o", "a.dat"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(message("english.ini", 9068))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("a.NVD: " + QString::fromLocal8Bit(std::strerror(EISDIR))))
        << r.err.toStdString();
    EXPECT_EQ(bytesOf(path("a.dat")).size(), 8595); // the data file itself is saved
}

TEST_F(CtlOffline, FileErrorsNameThePathAndTheSystemsReason)
{
    const CtlRun missing = run({"show", "no-such.dat"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(message("english.ini", 9002)));
    EXPECT_TRUE(missing.err.contains("no-such.dat: " + QString::fromLocal8Bit(std::strerror(ENOENT))))
        << missing.err.toStdString();

    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.img"));
    const CtlRun folder = run({"encode", "a.dat", "-o", "folder.img"});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_TRUE(folder.err.contains("folder.img: " + QString::fromLocal8Bit(std::strerror(EISDIR))))
        << folder.err.toStdString();
    const CtlRun noFolder = run({"encode", "a.dat", "-o", "missing/x.img"});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.contains(message("english.ini", 9002)));
    EXPECT_TRUE(noFolder.err.contains("missing/x.img: ")) << noFolder.err.toStdString();
}

TEST_F(CtlOffline, InvalidDataFileContentIsNamed)
{
    ASSERT_EQ(run({"new", "--model", "ZR750", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    const QByteArray good = bytesOf(path("a.dat"));
    const struct {
        QByteArray content;
        int fault; // the language text naming what is wrong, with `value`
        const char* value;
    } cases[] = {
        {good.left(4) + QByteArray("\x81\x00", 2) + good.mid(6), 9080, "129"},
        {good.left(6) + QByteArray("\x00\x00", 2) + good.mid(8), 9081, "0"},
        {good.left(8069) + QByteArray("\x0F\x27", 2) + good.mid(8071), 9085, "9999"},
        {good.left(10) + "ABCDEFGH" + good.mid(18), 9083, "1"},
    };
    for (const auto& c : cases) {
        write("bad.dat", c.content);
        for (const QString& language : {QStringLiteral("1"), QStringLiteral("2")}) {
            const CtlRun r = run({"encode", "bad.dat", "-o", "bad.img", "--lang", language});
            EXPECT_EQ(r.exitCode, 1) << c.value;
            const char* file = language == "1" ? "english.ini" : "chinese.ini";
            const QString fault = mk21::FillTextArgs(message(file, c.fault), {QString::fromLatin1(c.value)});
            EXPECT_TRUE(r.err.contains(message(file, 9067).arg(fault))) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains(message("english.ini", 9033)));
        }
        EXPECT_FALSE(QFile::exists(path("bad.img")));
    }
}

TEST_F(CtlOffline, OnlyAnImageOfAKnownModelAndBandIsAnImage)
{
    QRandomGenerator random(7);
    QByteArray noise(2832, '\0');
    for (char& b : noise)
        b = static_cast<char>(random.bounded(256));
    write("noise.img", noise);
    for (const QStringList& args :
         {QStringList{"decode", "noise.img", "-o", "x.dat"}, QStringList{"show", "noise.img"}}) {
        const CtlRun r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.trimmed(), message("english.ini", 9069) + "\nnoise.img") << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path("x.dat")));

    // A known identity with damaged channel blocks: each kind of message once.
    ASSERT_EQ(run({"new", "--model", "ZR750G", "--band", "8", "-o", "a.dat"}).exitCode, 0);
    ASSERT_EQ(run({"encode", "a.dat", "-o", "a.img"}).exitCode, 0);
    QByteArray damaged = bytesOf(path("a.img"));
    damaged.replace(0, 2048, noise.left(2048));
    damaged.replace(2048, 16, QByteArray(16, '\0')); // every channel present
    write("damaged.img", damaged);
    const CtlRun shown = run({"show", "damaged.img"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_LE(shown.err.count(message("english.ini", 9021)), 1) << shown.err.toStdString();
    EXPECT_LE(shown.err.count('\n'), 2) << shown.err.toStdString();
}

TEST_F(CtlOffline, ReadChecksItsOutputsBeforeTalkingToTheRadio)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QStringList outputs[] = {
        {"-o", "missing/x.dat"},
        {"-o", "folder"},
        {"-o", "x.NVD"},
        {"-o", "x.dat", "--image", "missing/x.img"},
        {"-o", "x.dat", "--image", "folder"},
    };
    for (const QStringList& output : outputs) {
        const CtlRun r = run(QStringList{"read", "--device", path("no-such-port"), "--yes"} + output, 10000);
        EXPECT_EQ(r.exitCode, 1) << output.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9002))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(message("english.ini", 9003))) << r.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST_F(CtlOffline, APortErrorNamesTheDeviceWhatToDoAndTheSystemsReason)
{
    const QString device = path("no-such-port");
    for (const QStringList& command : {QStringList{"read", "-o", "x.dat"}, QStringList{"info"}}) {
        const CtlRun r = run(command + QStringList{"--device", device, "--yes"}, 10000);
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(message("english.ini", 9003) + "\n" + device + ": " +
                                   message("english.ini", 9088) + " (" +
                                   QString::fromLocal8Bit(std::strerror(ENOENT)) + ")"))
            << r.err.toStdString();
    }
}

// ---- what a wrong command line is told ----------------------------------------------------------

struct UsageCase {
    const char* name;
    QStringList args;
    int number;       // the message
    QStringList fill; // its %1, %2, ...
    const char* languageFile = "english.ini";
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CtlUsage : public CtlOffline, public testing::WithParamInterface<UsageCase> {};

TEST_P(CtlUsage, SaysWhatIsWrongInTheChosenLanguage)
{
    const UsageCase& c = GetParam();
    const CtlRun r = run(c.args);
    EXPECT_EQ(r.exitCode, 2);
    const QString expected = mk21::FillTextArgs(text(c.languageFile, c.number), c.fill);
    ASSERT_FALSE(text(c.languageFile, c.number).isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("mk21ctl: ") + expected + u'\n'))
        << "expected: " << expected.toStdString() << "\ngot: " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("usage:")));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()); // nothing written
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CtlUsage,
    testing::Values(
        UsageCase{"MisspelledCommand", {"shwo", "a.dat"}, 9073, {"shwo"}},
        UsageCase{
            "MisspelledCommandInChinese", {"shwo", "a.dat", "--lang", "2"}, 9073, {"shwo"}, "chinese.ini"},
        UsageCase{"EncodeWithoutOutput", {"encode", "a.dat"}, 9074, {"encode", "-o FILE"}},
        UsageCase{"DecodeWithoutOutputInChinese",
                  {"decode", "a.img", "--lang", "2"},
                  9074,
                  {"decode", "-o FILE"},
                  "chinese.ini"},
        UsageCase{"ShowWithoutFile", {"show"}, 9074, {"show", "FILE"}},
        UsageCase{"ShowOfTwoFiles", {"show", "a.dat", "b.dat"}, 9079, {"b.dat"}},
        UsageCase{"NewWithoutBand", {"new", "--model", "ZR750", "-o", "x.dat"}, 9074, {"new", "--band N"}},
        UsageCase{"WriteWithoutInput", {"write", "--port", "1"}, 9074, {"write", "-i FILE"}},
        UsageCase{"ReadWithoutPort", {"read", "-o", "x.dat"}, 9074, {"read", "--device PATH | --port N"}},
        UsageCase{"UnknownOption", {"show", "a.dat", "--colour"}, 9079, {"--colour"}},
        UsageCase{"UnknownModel",
                  {"new", "--model", "ZR7", "--band", "0", "-o", "x.dat"},
                  9075,
                  {"ZR7", "--model", "ZR750 (MK-21G), ZR750G (MK-21)"}},
        UsageCase{"LanguageOutOfRange",
                  {"show", "a.dat", "--lang", "3"},
                  9075,
                  {"3", "--lang", "1 (English), 2 (Chinese)"}},
        UsageCase{"LanguageNotANumber",
                  {"show", "a.dat", "--lang", "en"},
                  9075,
                  {"en", "--lang", "1 (English), 2 (Chinese)"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST_F(CtlOffline, UnknownBandListsTheValidOnes)
{
    const CtlRun r = run({"new", "--model", "ZR750G", "--band", "99", "-o", "x.dat"});
    EXPECT_EQ(r.exitCode, 2);
    const QString head =
        mk21::FillTextArgs(text("english.ini", 9075), {"99", "--band"}).section(QStringLiteral("%3"), 0, 0);
    EXPECT_TRUE(r.err.contains(head)) << r.err.toStdString();
    for (const char* band : {"0 (400 - 480 MHz)", "8 (136 - 174 MHz)"})
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(band))) << band << '\n' << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.dat")));
}

TEST_F(CtlOffline, ModelCodesAndNamesInAnyLetterCase)
{
    const struct {
        const char* given;
        const char* code;
    } cases[] = {{"zr750g", "ZR750G"}, {"Zr750", "ZR750"}, {"mk-21", "ZR750G"}};
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("%1.dat").arg(QString::fromLatin1(c.given)));
        const CtlRun r = run({"new", "--model", c.given, "--band", "0", "-o", file});
        ASSERT_EQ(r.exitCode, 0) << c.given << ": " << r.err.toStdString();
        EXPECT_EQ(bytesOf(file).mid(8062, 7).trimmed(), QByteArray(c.code)) << c.given;
    }
}

TEST_F(CtlOffline, DecodeOfADataFileAndEncodeOfAnImageNameTheCommandThatFits)
{
    ASSERT_EQ(run({"new", "--model", "ZR750G", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    ASSERT_EQ(run({"encode", "a.dat", "-o", "a.img"}).exitCode, 0);
    for (const char* language : {"1", "2"}) {
        const char* file = language[0] == '1' ? "english.ini" : "chinese.ini";
        const CtlRun decode = run({"decode", "a.dat", "-o", "b.dat", "--lang", language});
        EXPECT_EQ(decode.exitCode, 1);
        EXPECT_TRUE(decode.err.contains(mk21::FillTextArgs(text(file, 9077), {"a.dat", "encode"})))
            << decode.err.toStdString();
        const CtlRun encode = run({"encode", "a.img", "-o", "b.img", "--lang", language});
        EXPECT_EQ(encode.exitCode, 1);
        EXPECT_TRUE(encode.err.contains(mk21::FillTextArgs(text(file, 9078), {"a.img", "decode"})))
            << encode.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("b.dat")));
    EXPECT_FALSE(QFile::exists(path("b.img")));
}

// The cells of the first channel row, by the header of their column.
QMap<QString, QString> firstChannelRow(const QString& listing)
{
    const QStringList lines = listing.split(u'\n');
    const qsizetype group = lines.indexOf(QStringLiteral("Group 1"));
    if (group < 0 || group + 2 >= lines.size())
        return {};
    const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    const QStringList header = lines[group + 1].trimmed().split(gap);
    const QStringList cells = lines[group + 2].trimmed().split(gap);
    QMap<QString, QString> row;
    for (qsizetype i = 0; i < header.size() && i < cells.size(); ++i)
        row.insert(header[i], cells[i]);
    return row;
}

TEST_F(CtlOffline, ShowListsChannelFieldsWithTheTableTexts)
{
    ASSERT_EQ(run({"new", "--model", "ZR750G", "--band", "0", "-o", "a.dat"}).exitCode, 0);
    const struct {
        int header;
        QList<int> entries;
    } columns[] = {{14005, {14013}},        {14006, {14013}},        {14007, {14014, 14015, 14016}},
                   {14008, {14017, 14018}}, {14009, {14013, 14019}}, {14010, {14020, 14021, 14022}}};
    for (const char* language : {"1", "2"}) {
        SCOPED_TRACE(language);
        const char* file = language[0] == '1' ? "english.ini" : "chinese.ini";
        const CtlRun shown = run({"show", "a.dat", "--lang", language});
        ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
        const QMap<QString, QString> row = firstChannelRow(shown.out);
        ASSERT_FALSE(row.isEmpty()) << shown.out.toStdString();
        for (const auto& column : columns) {
            const QString header = text(file, column.header);
            ASSERT_TRUE(row.contains(header)) << header.toStdString() << '\n' << shown.out.toStdString();
            QStringList entries;
            for (int number : column.entries)
                entries.append(text(file, number));
            EXPECT_TRUE(entries.contains(row.value(header)))
                << header.toStdString() << ": " << row.value(header).toStdString();
        }
    }
}

// ---- damaged shipped files -----------------------------------------------------------------------

class CtlDamagedTree : public CtlOffline {
protected:
    CtlDamagedTree()
    {
        copied = tree.isValid() && mk21::test::CopyTree(QStringLiteral(MK21_STAGE_DIR), tree.path());
    }
    CtlRun runIn(QStringList args) const
    {
        args << QStringLiteral("--data-root") << tree.path();
        return run(args);
    }
    QString treeFile(const char* relative) const { return tree.filePath(QString::fromLatin1(relative)); }

    QTemporaryDir tree;
    bool copied = false;
};

QString sourceEnglish(int number)
{
    return mk21::ReadProfileString(QStringLiteral(MK21_SOURCE_DIR "/resources/language/english.ini"),
                                   mk21::SectionOfNumber(number), QString::number(number));
}

TEST_F(CtlDamagedTree, BrokenLanguageFileFallsBackToTheBuiltInEnglishAndSaysSoOnce)
{
    ASSERT_TRUE(copied);
    const QString language = treeFile("V200/language/english.ini");
    const QString damaged = sourceEnglish(9071).section(QStringLiteral("%1"), 0, 0); // "The language file "
    ASSERT_FALSE(damaged.isEmpty());
    const std::optional<QByteArray> files[] = {QByteArray(), QByteArray("\x01\x02\xfe garbage \x80"),
                                               std::nullopt};
    for (const auto& file : files) {
        SCOPED_TRACE(file ? file->toStdString() : "missing");
        if (file)
            ASSERT_TRUE(writeBytes(language, *file));
        else
            QFile::remove(language);
        const CtlRun missing = runIn({"show", "no-such.dat"});
        EXPECT_EQ(missing.exitCode, 1);
        EXPECT_TRUE(missing.err.contains(sourceEnglish(9002))) << missing.err.toStdString();
        EXPECT_EQ(missing.err.count(damaged), 1) << missing.err.toStdString();
        const CtlRun usage = runIn({"shwo"});
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_TRUE(usage.err.contains(mk21::FillTextArgs(sourceEnglish(9073), {"shwo"})))
            << usage.err.toStdString();
    }
}

TEST_F(CtlDamagedTree, BrokenVersionTableStillServesThisRelease)
{
    ASSERT_TRUE(copied);
    ASSERT_TRUE(writeBytes(treeFile("Version.ini"), "[Version]\nFirmVersionCount=zero\n"));
    const CtlRun made = runIn({"new", "--model", "ZR750G", "--band", "0", "-o", path("a.dat")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const CtlRun shown = runIn({"show", path("a.dat")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("400 - 480 MHz")));
    const QString note = mk21::FillTextArgs(message("english.ini", 9072), {treeFile("Version.ini"), "V2.00"});
    EXPECT_EQ(shown.err.count(note), 1) << shown.err.toStdString();
    EXPECT_FALSE(shown.err.contains(message("english.ini", 9062)));
}
