#include "base/IniFile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using mk21::IniDocument;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFile, ReadsWithPrivateProfileRules)
{
    const IniDocument doc =
        IniDocument::parse(QStringLiteral("; comment=1\r\n"
                                          "[Msg]\r\n"
                                          "  9001 =  Data files  \r\n"
                                          "9001=second copy is ignored\r\n"
                                          "QUOTED=\"  kept blanks  \"\r\n"
                                          "path=C:\\radio\\a.dat\r\n"
                                          "semi=a;b\r\n"
                                          "  ;9002=commented out\r\n"
                                          "[msg]\r\n"
                                          "9003=the second section of a name is ignored\r\n"
                                          "[Other]\r\n"
                                          "x=1\r\n"));
    EXPECT_EQ(doc.value("MSG", "9001"), QStringLiteral("Data files"));
    EXPECT_EQ(doc.value("msg", "quoted"), QStringLiteral("  kept blanks  "));
    EXPECT_EQ(doc.value("Msg", "path"), QStringLiteral("C:\\radio\\a.dat"));
    EXPECT_EQ(doc.value("Msg", "semi"), QStringLiteral("a;b"));
    EXPECT_FALSE(doc.value("Msg", "9002").has_value());
    EXPECT_FALSE(doc.value("Msg", "9003").has_value());
    EXPECT_FALSE(doc.value("Missing", "x").has_value());
    EXPECT_EQ(doc.value("other", "X"), QStringLiteral("1"));
}

TEST(IniFile, KeysWithLeadingZeroAreOtherKeys)
{
    const IniDocument doc = IniDocument::parse(QStringLiteral("[Msg]\n09001=zero\n"));
    EXPECT_FALSE(doc.value("Msg", "9001").has_value());
}

TEST(IniFile, DecodesUtf8ElseGbk)
{
    const QString chinese = QStringLiteral("[Main]\n12000=写频软件\n");
    bool gbk = true;
    EXPECT_EQ(mk21::DecodeTextFile(chinese.toUtf8(), &gbk), chinese);
    EXPECT_FALSE(gbk);

    QStringEncoder encoder("GBK");
    ASSERT_TRUE(encoder.isValid());
    const QByteArray gbkBytes = encoder.encode(chinese);
    EXPECT_EQ(mk21::DecodeTextFile(gbkBytes, &gbk), chinese);
    EXPECT_TRUE(gbk);
}

TEST(IniFile, LongValuesAreReadWhole)
{
    const QString longText(100000, QChar(u'x'));
    const IniDocument doc = IniDocument::parse("[A]\nk=" + longText + "\n");
    EXPECT_EQ(doc.value("A", "k")->size(), longText.size());
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mysetup.ini");
    writeFile(path,
              "; settings\r\n[language]\r\nIsFirstRun=1\r\ncomPort = 3\r\n\r\n[other]\r\ncomPort=9\r\n");

    ASSERT_TRUE(mk21::WriteProfileString(path, "Language", "COMPORT", "5"));
    EXPECT_EQ(
        readFile(path),
        QByteArray("; settings\r\n[language]\r\nIsFirstRun=1\r\nCOMPORT=5\r\n\r\n[other]\r\ncomPort=9\r\n"));

    ASSERT_TRUE(mk21::WriteProfileString(path, "language", "CurrentLanguage", "2"));
    EXPECT_EQ(readFile(path), QByteArray("; settings\r\n[language]\r\nIsFirstRun=1\r\nCOMPORT=5\r\n"
                                         "CurrentLanguage=2\r\n\r\n[other]\r\ncomPort=9\r\n"));

    ASSERT_TRUE(mk21::WriteProfileString(path, "new", "k", "v"));
    EXPECT_TRUE(readFile(path).endsWith("[other]\r\ncomPort=9\r\n[new]\r\nk=v\r\n"));
    EXPECT_EQ(mk21::ReadProfileString(path, "language", "comport"), QStringLiteral("5"));
}

TEST(IniFile, WritingFindsTheSectionTheReaderFindsWhateverTheLineEnds)
{
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray after;
    };
    const Case cases[] = {
        {"LF lines inside a CRLF file", "x=1\r\nfoo\n[language]\ncomPort=3\r\n",
         "x=1\r\nfoo\n[language]\ncomPort=7\r\n"},
        {"CRLF file, last line unended", "[language]\r\nIsFirstRun=0",
         "[language]\r\nIsFirstRun=0\r\ncomPort=7\r\n"},
        {"LF file", "[language]\ncomPort=3\n[ports]\n", "[language]\ncomPort=7\n[ports]\n"},
        {"LF file, section missing", "[ports]\n1=/dev/ttyS0",
         "[ports]\n1=/dev/ttyS0\n[language]\ncomPort=7\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("mysetup.ini");
        writeFile(path, c.before);
        ASSERT_TRUE(mk21::WriteProfileString(path, "language", "comPort", "7"));
        EXPECT_EQ(readFile(path), c.after);
        EXPECT_EQ(mk21::ReadProfileString(path, "language", "comPort"), QStringLiteral("7"));
    }
}

TEST(IniFile, WritingCreatesTheFileAndKeepsGbkFilesInGbk)
{
    QTemporaryDir dir;
    const QString created = dir.filePath("new.ini");
    ASSERT_TRUE(mk21::WriteProfileString(created, "language", "comPort", "1"));
    EXPECT_EQ(readFile(created), QByteArray("[language]\r\ncomPort=1\r\n"));

    const QString gbkPath = dir.filePath("gbk.ini");
    QStringEncoder encoder("GBK");
    writeFile(gbkPath, encoder.encode(QStringLiteral("[Main]\n12000=写频软件\n")));
    ASSERT_TRUE(mk21::WriteProfileString(gbkPath, "Main", "12001", "x"));
    EXPECT_EQ(mk21::ReadProfileString(gbkPath, "Main", "12000"), QStringLiteral("写频软件"));
    bool gbk = false;
    mk21::DecodeTextFile(readFile(gbkPath), &gbk);
    EXPECT_TRUE(gbk);
}

TEST(IniFile, WriteIntoAMissingFolderFails)
{
    QTemporaryDir dir;
    EXPECT_FALSE(mk21::WriteProfileString(dir.filePath("no/such/folder/x.ini"), "a", "b", "c"));
}

TEST(IniFile, CacheSeesAChangedFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lang.ini");
    writeFile(path, "[Msg]\n9001=one\n");
    mk21::IniCache cache;
    EXPECT_EQ(cache.document(path).value("Msg", "9001"), QStringLiteral("one"));
    writeFile(path, "[Msg]\n9001=second\n");
    EXPECT_EQ(cache.document(path).value("Msg", "9001"), QStringLiteral("second"));
    QFile::remove(path);
    EXPECT_FALSE(cache.document(path).value("Msg", "9001").has_value());
}
