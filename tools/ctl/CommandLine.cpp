#include "tools/ctl/CommandLine.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/LanguageDialogTexts.h"
#include "base/texts/MessageTexts.h"
#include "data/ModelBand.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace mk21::ctl {

namespace {

constexpr qint64 DataFileSize = 8595;

// One command's form: how many file arguments follow it and the options it cannot do without.
struct CommandForm {
    const char* name;
    const char* file;                   // the argument after the command, or nullptr for none
    std::array<const char*, 3> options; // option names, as written in the usage ("-o FILE")
};

constexpr std::array<CommandForm, 7> forms{{
    {"new", nullptr, {"--model CODE", "--band N", "-o FILE"}},
    {"encode", "FILE.dat", {"-o FILE", nullptr, nullptr}},
    {"decode", "FILE.img", {"-o FILE", nullptr, nullptr}},
    {"show", "FILE", {nullptr, nullptr, nullptr}},
    {"read", nullptr, {"-o FILE", nullptr, nullptr}},
    {"write", nullptr, {"-i FILE", nullptr, nullptr}},
    {"info", nullptr, {nullptr, nullptr, nullptr}},
}};

// "--band N" -> "band", "-o FILE" -> "o"
QString optionName(const char* usage)
{
    QString name = QString::fromLatin1(usage).section(u' ', 0, 0);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name;
}

QString needs(AppState& state, const QString& command, const QString& what)
{
    return FillTextArgs(GetLangText(state, Texts::Msg::CommandNeeds), {command, what});
}

QString invalidValue(AppState& state, const QString& value, const QString& option, const QString& valid)
{
    return FillTextArgs(GetLangText(state, Texts::Msg::InvalidValue), {value, option, valid});
}

QString validBands()
{
    QStringList bands;
    for (int number : ModelBandTable::BandNumbers())
        bands.append(QStringLiteral("%1 (%2)").arg(number).arg(ModelBandTable::BandTextOfNumber(number)));
    return bands.join(QStringLiteral(", "));
}

QString bandProblem(AppState& state, const QString& value)
{
    bool ok = false;
    const int band = value.trimmed().toInt(&ok);
    if (ok && !ModelBandTable::BandTextOfNumber(band).isEmpty())
        return {};
    return invalidValue(state, value, QStringLiteral("--band"), validBands());
}

QString modelProblem(AppState& state, const QString& value)
{
    if (!CanonicalModelCode(value).isEmpty())
        return {};
    QStringList valid;
    for (const char* code : {ModelBandTable::ModelZR750, ModelBandTable::ModelZR750G}) {
        const QString c = QString::fromLatin1(code);
        valid.append(QStringLiteral("%1 (%2)").arg(c, ModelBandTable::DisplayNameOfModelCode(c)));
    }
    return invalidValue(state, value, QStringLiteral("--model"), valid.join(QStringLiteral(", ")));
}

} // namespace

std::optional<int> LanguageOption(const QString& value)
{
    if (value == QLatin1String("1"))
        return 1;
    if (value == QLatin1String("2"))
        return 2;
    return std::nullopt;
}

QString CanonicalModelCode(const QString& text)
{
    const QString wanted = text.trimmed();
    for (const char* code : {ModelBandTable::ModelZR750, ModelBandTable::ModelZR750G}) {
        const QString c = QString::fromLatin1(code);
        if (wanted.compare(c, Qt::CaseInsensitive) == 0 ||
            wanted.compare(ModelBandTable::DisplayNameOfModelCode(c), Qt::CaseInsensitive) == 0)
            return c;
    }
    return {};
}

QString LanguageProblem(AppState& state, const QString& value)
{
    const QString valid =
        QStringLiteral("1 (%1), 2 (%2)")
            .arg(GetLangText(state, Texts::Language::English), GetLangText(state, Texts::Language::Chinese));
    return invalidValue(state, value, QStringLiteral("--lang"), valid);
}

QString CommandLineProblem(AppState& state, const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const auto form = std::find_if(forms.begin(), forms.end(),
                                   [&](const CommandForm& f) { return command == QLatin1String(f.name); });
    if (form == forms.end())
        return FillTextArgs(GetLangText(state, Texts::Msg::UnknownCommand), {command});

    const qsizetype wanted = form->file ? 2 : 1;
    if (args.size() < wanted)
        return needs(state, command, QString::fromLatin1(form->file));
    if (args.size() > wanted)
        return FillTextArgs(GetLangText(state, Texts::Msg::UnexpectedArgument), {args.at(wanted)});
    for (const char* option : form->options) {
        if (option && !parser.isSet(optionName(option)))
            return needs(state, command, QString::fromLatin1(option));
    }
    const bool radio = command == QLatin1String("read") || command == QLatin1String("write") ||
                       command == QLatin1String("info");
    if (radio && !parser.isSet(QStringLiteral("device")) && !parser.isSet(QStringLiteral("port")))
        return needs(state, command, QStringLiteral("--device PATH | --port N"));
    if (parser.isSet(QStringLiteral("verify")) && parser.isSet(QStringLiteral("no-verify")))
        return FillTextArgs(GetLangText(state, Texts::Msg::UnexpectedArgument),
                            {QStringLiteral("--no-verify")});
    if (command == QLatin1String("read") &&
        parser.isSet(QStringLiteral("model")) != parser.isSet(QStringLiteral("band")))
        return needs(state, command, QStringLiteral("--model CODE --band N"));
    if (parser.isSet(QStringLiteral("model"))) {
        if (QString problem = modelProblem(state, parser.value(QStringLiteral("model"))); !problem.isEmpty())
            return problem;
    }
    if (parser.isSet(QStringLiteral("band")))
        return bandProblem(state, parser.value(QStringLiteral("band")));
    return {};
}

QString WrongFileKind(AppState& state, const QString& command, const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return {};
    if (command == QLatin1String("decode") && info.size() == DataFileSize)
        return FillTextArgs(GetLangText(state, Texts::Msg::IsDataFile), {file, QStringLiteral("encode")});
    if (command == QLatin1String("encode") && info.size() == RadioImageSize)
        return FillTextArgs(GetLangText(state, Texts::Msg::IsRadioImage), {file, QStringLiteral("decode")});
    return {};
}

} // namespace mk21::ctl
