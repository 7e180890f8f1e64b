#include "app/IniFile.h"
#include "app/LanguageTexts.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CtlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CtlRun ctl(const QStringList& args, const QString& workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(MK21_STAGE_DIR "/V200/mk21ctl"), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
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

class CtlOffline : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    CtlRun run(const QStringList& args) const { return ctl(args, dir.path()); }
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
