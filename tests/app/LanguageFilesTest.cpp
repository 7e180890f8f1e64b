// The shipped language files against the catalogue of text numbers, the program's own lookups
// against the catalogue, and the lookup itself on real files.

#include "app/LanguageCatalogue.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "base/texts/AllTexts.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace mk21 {
namespace {

QString SourceFile(const QString& relative)
{
    return QDir(QStringLiteral(MK21_SOURCE_DIR)).filePath(relative);
}

QString ShippedLanguageFile(const QString& name)
{
    return SourceFile(QStringLiteral("resources/language/") + name);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString ReadText(const QString& path)
{
    return QString::fromUtf8(ReadBytes(path));
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// One key line of a language file as written, with the section it stands in.
struct KeyLine {
    QString section;
    QString key;
    QString value;
    int lineNumber = 0;
};

// A plain reading of the file's lines, independent of the lookup: every "key=value" line
// under its section header.
QList<KeyLine> KeyLines(const QString& text)
{
    QList<KeyLine> lines;
    QString section;
    const QStringList all = text.split(QStringLiteral("\r\n"));
    for (int i = 0; i < all.size(); ++i) {
        const QString line = all[i].trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        lines.append({section, line.left(eq).trimmed(), line.mid(eq + 1).trimmed(), i + 1});
    }
    return lines;
}

bool HasCjk(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// ---------------------------------------------------------------------------------------------
// Both shipped files.

class ShippedFile : public testing::TestWithParam<const char*> {
protected:
    QString path() const { return ShippedLanguageFile(QString::fromLatin1(GetParam())); }
};

TEST_P(ShippedFile, DefinesEveryCataloguedNumberInItsSection)
{
    ASSERT_TRUE(QFile::exists(path())) << path().toStdString();
    const IniDocument doc = IniDocument::load(path());
    const QList<int> numbers = LanguageCatalogue::AllNumbers();
    ASSERT_GT(numbers.size(), 300);
    for (int number : numbers) {
        const std::optional<QString> text = doc.value(SectionOfNumber(number), QString::number(number));
        ASSERT_TRUE(text.has_value()) << GetParam() << ": no text for " << number << " in ["
                                      << SectionOfNumber(number).toStdString() << "]";
        EXPECT_FALSE(text->isEmpty()) << GetParam() << ": empty text for " << number;
    }
}

TEST_P(ShippedFile, HoldsOnlyCataloguedKeysEachInTheSectionItsNumberSelects)
{
    bool wasGbk = true;
    const QList<KeyLine> lines = KeyLines(DecodeTextFile(ReadBytes(path()), &wasGbk));
    ASSERT_FALSE(lines.isEmpty());
    QSet<int> seen;
    for (const KeyLine& line : lines) {
        bool ok = false;
        const int number = line.key.toInt(&ok);
        ASSERT_TRUE(ok && QString::number(number) == line.key)
            << GetParam() << " line " << line.lineNumber
            << ": key is not a plain number: " << line.key.toStdString();
        EXPECT_TRUE(LanguageCatalogue::Contains(number))
            << GetParam() << " line " << line.lineNumber << ": " << number << " is not looked up";
        EXPECT_EQ(line.section, SectionOfNumber(number))
            << GetParam() << " line " << line.lineNumber << ": " << number << " in the wrong section";
        EXPECT_FALSE(seen.contains(number)) << GetParam() << ": " << number << " defined twice";
        seen.insert(number);
    }
}

TEST_P(ShippedFile, NoValueIsLongerThan254BytesInUtf8)
{
    bool wasGbk = true;
    const QList<KeyLine> lines = KeyLines(DecodeTextFile(ReadBytes(path()), &wasGbk));
    ASSERT_FALSE(lines.isEmpty());
    for (const KeyLine& line : lines) {
        EXPECT_LE(line.value.toUtf8().size(), 254)
            << GetParam() << " line " << line.lineNumber << " (" << line.key.toStdString() << ")";
    }
}

TEST_P(ShippedFile, IsUtf8WithCrlfLineEndings)
{
    const QByteArray bytes = ReadBytes(path());
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError()) << GetParam() << " is not valid UTF-8";
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << GetParam() << " starts with a byte-order mark";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << GetParam() << ": bare line feed at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n')
                << GetParam() << ": bare carriage return at byte " << i;
        }
    }
    EXPECT_TRUE(bytes.endsWith("\r\n"));
}

TEST_P(ShippedFile, ApplicationTitleIsMk21Cps)
{
    EXPECT_EQ(IniDocument::load(path()).value(QStringLiteral("Main"), QStringLiteral("12000")),
              QStringLiteral("MK-21 CPS"));
}

// Windows select list entries by their text, so the entries of one list must differ.
TEST_P(ShippedFile, EntriesOfOneListDiffer)
{
    const IniDocument doc = IniDocument::load(path());
    auto text = [&doc](int n) {
        return doc.value(SectionOfNumber(n), QString::number(n)).value_or(QString());
    };

    QList<QList<int>> lists = {
        {14014, 14015, 14016},
        {14017, 14018},
        {14013, 14019},
        {14020, 14021, 14022},
        {15030, 15031, 15032, 15033},
        {15034, 15035},
        {15030, 15037, 15038, 15039},
        {15040, 15041, 15042},
        {15030, 15043},
        {15044, 15045, 15046},
        {15050, 15051},
        {16042, 16043},
        {16300, 16301, 16044, 16045},
        {16040, 16046, 16047, 16048},
        {18043, 18044, 18045},
        {23002, 23003},
        {26030, 26031},
        {27030, 27031, 27032, 27033},
        {27034, 27035},
        {27037, 27038},
    };
    QList<int> keyFunctions;
    for (int code = 0; code < Texts::Key::FunctionCount; ++code)
        keyFunctions.append(Texts::Key::FunctionBase + code);
    lists.append(keyFunctions);

    for (const QList<int>& list : lists) {
        QSet<QString> texts;
        for (int n : list) {
            EXPECT_FALSE(texts.contains(text(n)))
                << GetParam() << ": " << n << " repeats \"" << text(n).toStdString() << "\" of its list";
            texts.insert(text(n));
        }
    }

    // The revert list is composed from the priority label and four words (template order).
    const QString p = text(26002);
    const QString plus = QStringLiteral(" + ");
    const QStringList revert = {text(26032),
                                text(26032) + plus + text(26033),
                                p + u'1',
                                p + u'2',
                                text(26034),
                                text(26035),
                                p + u'1' + plus + text(26033),
                                p + u'2' + plus + text(26033)};
    EXPECT_EQ(QSet<QString>(revert.begin(), revert.end()).size(), revert.size()) << GetParam();
}

// A list whose first entry stands for 0 continues with plain numbers; that entry must not read
// as one of them.
TEST_P(ShippedFile, ZeroEntriesBeforeNumbersAreNotNumbers)
{
    const IniDocument doc = IniDocument::load(path());
    for (int n : {16040, 18040, 18043, 27036, 14013}) {
        const QString text = doc.value(SectionOfNumber(n), QString::number(n)).value_or(QString());
        bool numeric = true;
        (void)text.toDouble(&numeric);
        EXPECT_FALSE(numeric) << GetParam() << ": " << n << " is \"" << text.toStdString() << "\"";
    }
}

// The access key of a menu text: the character after a single '&', lower case; none without one.
std::optional<QChar> AccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return std::nullopt;
}

TEST_P(ShippedFile, EveryMenuItemHasAnAccessKeyOfItsOwn)
{
    // The menu bar in its order, then each menu's items.
    const struct {
        const char* menu;
        QList<int> texts;
    } menus[] = {
        {"menu bar", {10000, 10100, 10800, 10200, 10300, 10400, 10500, 10600, 10700}},
        {"File", {10001, 10002, 10003, 10004, 10005, 10006}},
        {"Model", {10101}},
        {"Channel", {10801, 10802, 10803, 10804, 10805, 10806, 10807}},
        {"Edit", {10201, 10202, 10203, 10204, 10205, 10206, 10207, 10208, 10209, 10210}},
        {"Program", {10301, 10302, 10303}},
        {"Settings", {10401, 10402, 10403, 10808}},
        {"View", {10501, 10502, 10503}},
        {"Window", {10601, 10602}},
        {"Help", {10701, 10702}},
    };
    const IniDocument doc = IniDocument::load(path());
    for (const auto& m : menus) {
        QMap<QChar, int> taken;
        for (const int number : m.texts) {
            const QString text =
                doc.value(SectionOfNumber(number), QString::number(number)).value_or(QString());
            const std::optional<QChar> key = AccessKey(text);
            ASSERT_TRUE(key.has_value())
                << GetParam() << ", " << m.menu << ": " << number << " has no access key";
            EXPECT_FALSE(taken.contains(*key))
                << GetParam() << ", " << m.menu << ": " << number << " and " << taken.value(*key)
                << " share '" << QString(*key).toStdString() << "'";
            taken.insert(*key, number);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedFile, testing::Values("english.ini", "chinese.ini"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, std::string(info.param).find('.'));
                         });

TEST(ShippedLanguageFiles, ChineseFileIsAChineseTranslation)
{
    const IniDocument chinese = IniDocument::load(ShippedLanguageFile(QStringLiteral("chinese.ini")));
    const IniDocument english = IniDocument::load(ShippedLanguageFile(QStringLiteral("english.ini")));
    const QList<int> numbers = LanguageCatalogue::AllNumbers();
    int withCjk = 0;
    int sameAsEnglish = 0;
    for (int number : numbers) {
        const QString section = SectionOfNumber(number);
        const QString key = QString::number(number);
        const QString zh = chinese.value(section, key).value_or(QString());
        if (HasCjk(zh))
            ++withCjk;
        if (zh == english.value(section, key).value_or(QString()))
            ++sameAsEnglish;
    }
    // Names such as "DTMF", "PF1" or "MK-21 CPS" stay as they are; nearly everything else is Chinese.
    EXPECT_GE(withCjk * 10, numbers.size() * 8) << withCjk << " of " << numbers.size();
    EXPECT_LE(sameAsEnglish * 10, numbers.size()) << sameAsEnglish << " of " << numbers.size();
    EXPECT_TRUE(HasCjk(chinese.value(QStringLiteral("Msg"), QStringLiteral("9021")).value_or(QString())));
}

// ---------------------------------------------------------------------------------------------
// The catalogue itself.

TEST(LanguageCatalogue, RangesAreOrderedAndDoNotOverlap)
{
    const auto ranges = LanguageCatalogue::Ranges();
    ASSERT_FALSE(ranges.empty());
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_LE(ranges[i].first, ranges[i].last) << ranges[i].first;
        EXPECT_EQ(SectionOfNumber(ranges[i].first), SectionOfNumber(ranges[i].last))
            << "range " << ranges[i].first << ".." << ranges[i].last << " crosses a section";
        if (i > 0) {
            EXPECT_GT(ranges[i].first, ranges[i - 1].last) << ranges[i].first;
        }
    }
}

TEST(LanguageCatalogue, NoNumberFallsOutsideTheNamedSections)
{
    for (int number : LanguageCatalogue::AllNumbers()) {
        EXPECT_GE(number, 9000);
        EXPECT_LE(number, 28999);
    }
}

TEST(LanguageCatalogue, HoldsTheComputedNumbers)
{
    // Bases plus the list indexes the windows add to them.
    for (int i = 0; i < Texts::Option::LabelCount; ++i)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Option::LabelBase + i)) << i;
    for (int j = 0; j < Texts::Option::CheckCount; ++j)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Option::CheckBase + j)) << j;
    for (int i = 0; i < Texts::Dtmf::TimingLabelCount; ++i)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Dtmf::TimingLabelBase + i)) << i;
    for (int j : {1, 4, 5})
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Dtmf::DecodeLabelBase + j)) << j;
    for (int k = 0; k < Texts::Dtmf::CodeLabelCount; ++k)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Dtmf::CodeLabelBase + k)) << k;
    for (int c = 0; c < Texts::Key::FunctionCount; ++c)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Key::FunctionBase + c)) << c;
    for (int i = 0; i < Texts::Alert::LabelCount; ++i)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::Alert::LabelBase + i)) << i;
    for (int j = 0; j <= 6; ++j)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::ChannelEdit::CheckCaptionBase + j)) << j;
    for (int j = 0; j <= 4; ++j)
        EXPECT_TRUE(LanguageCatalogue::Contains(Texts::ChannelEditing::PreferenceBase + j)) << j;
    // Read and write finished, and the progress titles: base plus the operation type.
    for (int n : {9008 + 1, 9008 + 2, 9026 + 1, 9026 + 2})
        EXPECT_TRUE(LanguageCatalogue::Contains(n)) << n;
    EXPECT_FALSE(LanguageCatalogue::Contains(9011));
    EXPECT_FALSE(LanguageCatalogue::Contains(Texts::Key::FunctionBase + Texts::Key::FunctionCount));
    const QList<int> all = LanguageCatalogue::AllNumbers();
    EXPECT_EQ(QSet<int>(all.begin(), all.end()).size(), all.size());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
}

// ---------------------------------------------------------------------------------------------
// The named text numbers of base/texts.

TEST(NamedTexts, EachNamesACataloguedNumberOfItsSectionThatBothFilesDefine)
{
    const IniDocument files[] = {IniDocument::load(ShippedLanguageFile(QStringLiteral("english.ini"))),
                                 IniDocument::load(ShippedLanguageFile(QStringLiteral("chinese.ini")))};
    int named = 0;
    for (const Texts::SectionTexts& section : Texts::AllSections) {
        ASSERT_FALSE(section.texts.empty()) << section.section;
        for (const Texts::NamedText& text : section.texts) {
            ++named;
            const std::string what =
                std::string(section.section) + "::" + text.name + " (" + std::to_string(text.number) + ")";
            EXPECT_TRUE(LanguageCatalogue::Contains(text.number)) << what << " is not catalogued";
            EXPECT_EQ(SectionOfNumber(text.number), QLatin1String(section.section)) << what;
            for (const IniDocument& file : files) {
                EXPECT_FALSE(file.value(QLatin1String(section.section), QString::number(text.number))
                                 .value_or(QString())
                                 .isEmpty())
                    << what << " has no text in a shipped file";
            }
        }
    }
    EXPECT_GT(named, 300);
}

// Every header of base/texts reaches the table above through AllTexts.h.
TEST(NamedTexts, AllTextsIncludesEveryHeader)
{
    const QString folder = SourceFile(QStringLiteral("base/texts"));
    const QString all = ReadText(folder + QStringLiteral("/AllTexts.h"));
    const QStringList headers = QDir(folder).entryList({QStringLiteral("*Texts.h")}, QDir::Files);
    ASSERT_GT(headers.size(), 10);
    for (const QString& header : headers) {
        if (header == QStringLiteral("AllTexts.h"))
            continue;
        EXPECT_TRUE(all.contains(QStringLiteral("#include \"base/texts/") + header + u'"'))
            << header.toStdString() << " is missing from AllTexts.h";
    }
}

// ---------------------------------------------------------------------------------------------
// The program's own lookups.

// A lookup call found in the sources: the file, the line and the literal text number.
struct Lookup {
    QString file;
    int line = 0;
    int number = 0;
};

int LineOf(const QString& text, qsizetype offset)
{
    return int(text.left(offset).count(u'\n')) + 1;
}

QStringList ProgramSources()
{
    QStringList files;
    for (const char* folder : {"app", "base", "data", "channels", "link", "features", "ui", "tools"}) {
        QDirIterator it(SourceFile(QString::fromLatin1(folder)),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    return files;
}

// Lookups whose text-number argument is (or starts with) a literal: GetLangText(state, 9021),
// ShowMsg(state, 9008 + type, ...), a one-argument LangText(14013).
QList<Lookup> LiteralLookups(const QStringList& files)
{
    // The first argument may hold one level of parentheses: ShowMsg(AppState::current(), 9021).
    const QRegularExpression call(
        QStringLiteral(R"((GetLangText|ShowMsg|LangText)\s*\((?:(?:[^,()]|\([^()]*\))*,)?\s*(\d{4,5})\b)"));
    QList<Lookup> found;
    for (const QString& file : files) {
        const QString text = ReadText(file);
        auto it = call.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            found.append({file, LineOf(text, m.capturedStart()), m.captured(2).toInt()});
        }
    }
    return found;
}

// The same calls found another way: the argument list read with balanced parentheses, the
// number argument being the second one (the first when there is only one).
QList<Lookup> ParsedLookups(const QStringList& files)
{
    const QRegularExpression name(QStringLiteral(R"(\b(GetLangText|ShowMsg|LangText)\s*\()"));
    const QRegularExpression leadingNumber(QStringLiteral(R"(^\s*(\d{4,5})\b)"));
    QList<Lookup> found;
    for (const QString& file : files) {
        const QString text = ReadText(file);
        auto it = name.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            QStringList args{QString()};
            int depth = 1;
            for (qsizetype i = m.capturedEnd(); i < text.size() && depth > 0; ++i) {
                const QChar c = text[i];
                if (c == u'(' || c == u'[' || c == u'{')
                    ++depth;
                else if (c == u')' || c == u']' || c == u'}')
                    --depth;
                if (depth == 0)
                    break;
                if (c == u',' && depth == 1)
                    args.append(QString());
                else
                    args.back().append(c);
            }
            const QString numberArg = args.size() >= 2 ? args[1] : args[0];
            const QRegularExpressionMatch n = leadingNumber.match(numberArg);
            if (n.hasMatch())
                found.append({file, LineOf(text, m.capturedStart()), n.captured(1).toInt()});
        }
    }
    return found;
}

TEST(ProgramLookups, EveryLiteralTextNumberIsCatalogued)
{
    const QStringList files = ProgramSources();
    ASSERT_FALSE(files.isEmpty());
    for (const Lookup& lookup : LiteralLookups(files)) {
        EXPECT_TRUE(LanguageCatalogue::Contains(lookup.number))
            << lookup.file.toStdString() << ":" << lookup.line << " looks up " << lookup.number
            << ", which the language catalogue does not list";
    }
}

TEST(ProgramLookups, ThePatternMissesNoLookupWithALiteralNumber)
{
    const QStringList files = ProgramSources();
    const QList<Lookup> byPattern = LiteralLookups(files);
    const QList<Lookup> byParsing = ParsedLookups(files);
    if (!byParsing.isEmpty()) {
        EXPECT_FALSE(byPattern.isEmpty());
    }
    for (const Lookup& parsed : byParsing) {
        const bool matched = std::any_of(byPattern.begin(), byPattern.end(), [&](const Lookup& l) {
            return l.file == parsed.file && l.line == parsed.line && l.number == parsed.number;
        });
        EXPECT_TRUE(matched) << parsed.file.toStdString() << ":" << parsed.line << " (" << parsed.number
                             << ") is a lookup the pattern does not see";
    }
}

TEST(ProgramLookups, ThePatternSeesTheCallShapesInUse)
{
    const QString sample = QStringLiteral("x = GetLangText(state, 9021);\n"
                                          "ShowMsg(state,\n        9033, PromptIcon::Warning);\n"
                                          "ShowMsg( AppState::current() , 9008 + type);\n"
                                          "label->setText(LangText(14013));\n"
                                          "GetLangText(state, number);\n");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("Sample.cpp"));
    ASSERT_TRUE(WriteBytes(file, sample.toUtf8()));
    QList<int> numbers;
    for (const Lookup& l : LiteralLookups({file}))
        numbers.append(l.number);
    EXPECT_EQ(numbers, (QList<int>{9021, 9033, 9008, 14013}));
    QList<int> parsed;
    for (const Lookup& l : ParsedLookups({file}))
        parsed.append(l.number);
    EXPECT_EQ(parsed, numbers);
}

// ---------------------------------------------------------------------------------------------
// The lookup.

TEST(SectionOfNumber, EdgesOfTheSectionTable)
{
    EXPECT_EQ(SectionOfNumber(8999), QStringLiteral("OTHER"));
    EXPECT_EQ(SectionOfNumber(9000), QStringLiteral("Msg"));
    EXPECT_EQ(SectionOfNumber(9999), QStringLiteral("Msg"));
    EXPECT_EQ(SectionOfNumber(10000), QStringLiteral("Menu"));
    EXPECT_EQ(SectionOfNumber(12999), QStringLiteral("Main"));
    EXPECT_EQ(SectionOfNumber(23100), QStringLiteral("Lang"));
    EXPECT_EQ(SectionOfNumber(28000), QStringLiteral("CHEdit"));
    EXPECT_EQ(SectionOfNumber(28999), QStringLiteral("CHEdit"));
    EXPECT_EQ(SectionOfNumber(29000), QStringLiteral("Others"));
}

TEST(GetLangText, FollowsTheLanguageFileNameAtEveryCall)
{
    test::StagedState staged;
    AppState& state = staged.state;
    const IniDocument english = IniDocument::load(ShippedLanguageFile(QStringLiteral("english.ini")));
    const IniDocument chinese = IniDocument::load(ShippedLanguageFile(QStringLiteral("chinese.ini")));
    const QString englishText = *english.value(QStringLiteral("Msg"), QStringLiteral("9021"));
    const QString chineseText = *chinese.value(QStringLiteral("Msg"), QStringLiteral("9021"));
    ASSERT_NE(englishText, chineseText);

    state.settings.LanguageFileName = QStringLiteral("english.ini");
    EXPECT_EQ(GetLangText(state, 9021), englishText);
    EXPECT_EQ(GetLangText(state, 12000), QStringLiteral("MK-21 CPS"));

    state.settings.LanguageFileName = QStringLiteral("chinese.ini");
    EXPECT_EQ(GetLangText(state, 9021), chineseText);
    EXPECT_EQ(GetLangText(state, 25048), *chinese.value(QStringLiteral("KeySet"), QStringLiteral("25048")));

    state.settings.LanguageFileName = QStringLiteral("english.ini");
    EXPECT_EQ(GetLangText(state, 9021), englishText);
}

TEST(GetLangText, NumberNoFileHoldsGivesEmptyTextAMissingFileTheEnglish)
{
    test::StagedState staged;
    AppState& state = staged.state;
    EXPECT_TRUE(GetLangText(state, 9011).isEmpty());  // no such key, not even built in
    EXPECT_TRUE(GetLangText(state, 8999).isEmpty());  // section OTHER holds nothing
    EXPECT_TRUE(GetLangText(state, 29000).isEmpty()); // section Others holds nothing
    state.settings.LanguageFileName = QStringLiteral("missing.ini");
    const IniDocument english = IniDocument::load(ShippedLanguageFile(QStringLiteral("english.ini")));
    EXPECT_EQ(GetLangText(state, 9021), english.value(QStringLiteral("Msg"), QStringLiteral("9021")));
    EXPECT_EQ(GetLangText(state, 12000), english.value(QStringLiteral("Main"), QStringLiteral("12000")));
}

TEST(GetLangText, KeyWithLeadingZeroIsNotTheNumber)
{
    test::StagedState staged;
    ASSERT_TRUE(WriteBytes(staged.programFile(QStringLiteral("language/zero.ini")),
                           "[Msg]\r\n09021=padded\r\n9023=plain\r\n"));
    staged.state.settings.LanguageFileName = QStringLiteral("zero.ini");
    // Not found: the built-in English text stands in for it.
    const IniDocument english = IniDocument::load(ShippedLanguageFile(QStringLiteral("english.ini")));
    EXPECT_EQ(GetLangText(staged.state, 9021), english.value(QStringLiteral("Msg"), QStringLiteral("9021")));
    EXPECT_EQ(GetLangText(staged.state, 9023), QStringLiteral("plain"));
}

TEST(GetLangText, RereadsAFileThatChanged)
{
    test::StagedState staged;
    const QString path = staged.programFile(QStringLiteral("language/edited.ini"));
    ASSERT_TRUE(WriteBytes(path, "[Msg]\r\n9021=first\r\n"));
    staged.state.settings.LanguageFileName = QStringLiteral("edited.ini");
    EXPECT_EQ(GetLangText(staged.state, 9021), QStringLiteral("first"));
    ASSERT_TRUE(WriteBytes(path, "[Msg]\r\n9021=second, longer\r\n"));
    EXPECT_EQ(GetLangText(staged.state, 9021), QStringLiteral("second, longer"));
}

TEST(GetLangText, DecodesAGbkFile)
{
    test::StagedState staged;
    const QString title = QStringLiteral("频率超出频段范围。");
    const QString menu = QStringLiteral("读频(&R)");
    const QString content = QStringLiteral("[Msg]\r\n9021=") + title +
                            QStringLiteral("\r\n[Menu]\r\n10301=") + menu + QStringLiteral("\r\n");
    QStringEncoder gbk("GBK");
    ASSERT_TRUE(gbk.isValid());
    const QByteArray bytes = gbk.encode(content);
    ASSERT_FALSE(gbk.hasError());
    ASSERT_NE(bytes, content.toUtf8()); // really another encoding

    ASSERT_TRUE(WriteBytes(staged.programFile(QStringLiteral("language/gbk.ini")), bytes));
    staged.state.settings.LanguageFileName = QStringLiteral("gbk.ini");
    EXPECT_EQ(GetLangText(staged.state, 9021), title);
    EXPECT_EQ(GetLangText(staged.state, 10301), menu);
}

TEST(GetLangText, StagedFilesAreTheShippedOnes)
{
    test::StagedState staged;
    for (const char* name : {"english.ini", "chinese.ini"}) {
        const QString file = QString::fromLatin1(name);
        EXPECT_EQ(ReadBytes(staged.programFile(QStringLiteral("language/") + file)),
                  ReadBytes(ShippedLanguageFile(file)))
            << name;
    }
}

} // namespace
} // namespace mk21
