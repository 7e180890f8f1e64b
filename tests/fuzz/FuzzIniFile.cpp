// Fuzzes the language and settings files: any bytes in any encoding decode and parse, a section
// after them is still found, the language lookup takes the file's text or the built-in English,
// and a setting written into them reads back.
#include "base/BuiltinTexts.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "base/Prompter.h"
#include "base/RunContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace mk21;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

class SilentPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
};

class FuzzContext final : public RunContext {
public:
    using RunContext::RunContext;
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A number of each language section, the ends of the table and one past it.
constexpr std::array<int, 10> LookedUp{0, 8999, 9001, 10000, 12000, 14001, 22000, 22003, 28999, 29000};

void checkDecodeAndParse(const QByteArray& input)
{
    bool wasGbk = false;
    const QString text = DecodeTextFile(input, &wasGbk);
    // Bytes taken as UTF-8 lose nothing but a leading byte order mark.
    if (!wasGbk) {
        const QByteArray bom("\xEF\xBB\xBF");
        require(text.toUtf8() == (input.startsWith(bom) ? input.mid(bom.size()) : input));
    }

    const IniDocument alone = IniDocument::parse(text);
    if (text.contains(QLatin1String("mk21fuzz"), Qt::CaseInsensitive))
        return;
    // Nothing before a section header can swallow it, and it changes nothing before it.
    const IniDocument followed = IniDocument::parse(text + QStringLiteral("\n[mk21fuzz]\nKey = \"value\"\n"));
    require(followed.value(QStringLiteral(" MK21FUZZ "), QStringLiteral("key")) == QStringLiteral("value"));
    for (const int number : LookedUp) {
        const QString section = SectionOfNumber(number);
        const QString key = QString::number(number);
        require(followed.value(section, key) == alone.value(section, key));
    }
}

// The bytes as the chosen language file, then as the settings file a port choice is written into.
void checkLookupAndWrite(const QTemporaryDir& dir, const QByteArray& input)
{
    const QString path = dir.filePath(QStringLiteral("language/fuzz.ini"));
    if (!writeFile(path, input))
        return;
    SilentPrompter prompter;
    FuzzContext context(prompter);
    context.settings.ProgramFolder = dir.path();
    context.settings.LanguageFileName = QStringLiteral("fuzz.ini");
    const IniDocument file = IniDocument::parse(DecodeTextFile(input));
    for (const int number : LookedUp) {
        const QString section = SectionOfNumber(number);
        const QString key = QString::number(number);
        const QString own = file.value(section, key).value_or(QString());
        require(GetLangText(context, number) ==
                (own.isEmpty() ? BuiltinEnglish().value(section, key).value_or(QString()) : own));
    }

    const QString section = QStringLiteral("language");
    const QString key = QStringLiteral("comPort");
    require(WriteProfileString(path, section, key, QStringLiteral("7")));
    require(ReadProfileString(path, section, key) == QStringLiteral("7"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkDecodeAndParse(input);

    const QTemporaryDir dir;
    require(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("language")));
    checkLookupAndWrite(dir, input);
    return 0;
}
