// mk21ctl: the program's engine without windows, for scripts.
#include "app/AppState.h"
#include "app/ProgramFolders.h"
#include "app/ReadBackups.h"
#include "app/Startup.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "tools/ctl/CommandLine.h"
#include "tools/ctl/ConsolePrompter.h"
#include "tools/ctl/OfflineCommands.h"
#include "tools/ctl/OncePerKindPrompter.h"
#include "tools/ctl/RadioCommands.h"
#include "tools/ctl/RetryLimitPrompter.h"
#include "tools/ctl/Usage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

#include <unistd.h>

namespace {

using namespace mk21::ctl;

int usageError(const QString& problem = {})
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "mk21ctl: " << problem << '\n';
    err << UsageText();
    return ExitUsage;
}

void complain(const QString& text)
{
    QTextStream(stderr) << "mk21ctl: " << text << '\n';
}

// An option the parser does not know, as written on the command line.
QString writtenOption(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool isRadioCommand(const QString& command)
{
    return command == QLatin1String("read") || command == QLatin1String("write") ||
           command == QLatin1String("info");
}

QString option(const QCommandLineParser& parser, const char* name)
{
    return parser.value(QString::fromLatin1(name));
}

// Runs a command whose form CommandLineProblem has accepted.
int runCommand(mk21::AppState& state, const QCommandLineParser& parser, bool askOnTerminal)
{
    const QStringList args = parser.positionalArguments();
    const QString command = args.front();
    const QString file = args.value(1);
    // Model codes are accepted in any letter case; ChooseModelBand knows them as written.
    const QString model = CanonicalModelCode(option(parser, "model"));
    if (command == QLatin1String("new"))
        return NewCommand(state, model, option(parser, "band"), option(parser, "o"));
    if (command == QLatin1String("show"))
        return ShowCommand(state, file);
    if (command == QLatin1String("encode") || command == QLatin1String("decode")) {
        if (const QString wrong = WrongFileKind(state, command, file); !wrong.isEmpty()) {
            complain(wrong);
            return ExitFailed;
        }
        return command == QLatin1String("encode") ? EncodeCommand(state, file, option(parser, "o"))
                                                  : DecodeCommand(state, file, option(parser, "o"));
    }
    RadioOptions options;
    options.device = option(parser, "device");
    options.port = option(parser, "port");
    options.password = option(parser, "password");
    options.passwordSet = parser.isSet(QStringLiteral("password"));
    options.progressBar = isatty(STDERR_FILENO);
    options.askOnTerminal = askOnTerminal;
    options.verify = !parser.isSet(QStringLiteral("no-verify"));
    options.trace = option(parser, "trace");
    if (command == QLatin1String("read"))
        return ReadCommand(state, options, model, option(parser, "band"), option(parser, "o"),
                           option(parser, "image"));
    if (command == QLatin1String("write"))
        return WriteCommand(state, options, option(parser, "i"));
    return InfoCommand(state, options);
}

} // namespace

int main(int argc, char** argv)
{
    // A write beyond the file size limit then fails like a full disk, and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(mk21::ModBackup::DataLocationName));
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("Output file."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption input(QStringLiteral("i"), QStringLiteral("Input file."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model code."),
                                   QStringLiteral("CODE"));
    const QCommandLineOption band(QStringLiteral("band"), QStringLiteral("Band number."),
                                  QStringLiteral("N"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Message language."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QStringLiteral("Runtime tree."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("Serial device."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port number."),
                                  QStringLiteral("N"));
    const QCommandLineOption image(QStringLiteral("image"), QStringLiteral("Raw image output."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Radio password."),
                                      QStringLiteral("P"));
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Answer OK/Yes."));
    const QCommandLineOption verify(QStringLiteral("verify"), QStringLiteral("Verify a write."));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"), QStringLiteral("Do not verify a write."));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Protocol trace file."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")},
                                  QStringLiteral("Show the usage."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
    parser.addOptions({output, input, model, band, lang, dataRoot, device, port, image, password, yes, verify,
                       noVerify, trace, help, version});
    const bool parsed = parser.parse(QCoreApplication::arguments());
    // Asked for, so on standard output and before the start-up, which may have notes to tell.
    if (parsed && (parser.isSet(help) || parser.isSet(version))) {
        QTextStream(stdout) << (parser.isSet(version) ? VersionText()
                                                      : CommandUsage(parser.positionalArguments().value(0)));
        return ExitOk;
    }
    const std::optional<int> language = LanguageOption(parser.value(lang));
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const bool radio = isRadioCommand(command);

    // Offline commands never ask; radio commands ask on a terminal unless --yes answers for the user.
    ConsolePrompter::Mode mode = ConsolePrompter::Mode::AnswerNo;
    if (radio && parser.isSet(yes))
        mode = ConsolePrompter::Mode::AnswerYes;
    else if (radio && isatty(STDIN_FILENO))
        mode = ConsolePrompter::Mode::AskOnTerminal;
    ConsolePrompter console(mode);
    RetryLimitPrompter limited(console, mk21::Texts::Msg::NoAnswer, RetriesWithYes);
    RetryLimitPrompter rewrites(limited, mk21::Texts::Msg::WriteDiffers, RewritesWithYes);
    mk21::Prompter& prompter =
        mode == ConsolePrompter::Mode::AnswerYes ? static_cast<mk21::Prompter&>(rewrites) : console;
    OncePerKindPrompter once(prompter);
    mk21::AppState state(once);
    mk21::ResolveProgramFolders(state.settings, QCoreApplication::applicationDirPath(),
                                parser.value(dataRoot));
    // Usage errors are told in the chosen language, so the start-up comes first.
    mk21::ReportStartupNotes(state, mk21::RunToolStartup(state, language.value_or(1)));

    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(
            unknown.isEmpty()
                ? parser.errorText()
                : mk21::FillTextArgs(mk21::GetLangText(state, mk21::Texts::Msg::UnexpectedArgument),
                                     {writtenOption(unknown.front())}));
    }
    if (!language)
        return usageError(LanguageProblem(state, parser.value(lang)));
    if (args.isEmpty())
        return usageError();
    if (const QString problem = CommandLineProblem(state, parser); !problem.isEmpty())
        return usageError(problem);
    const int result = runCommand(state, parser, mode == ConsolePrompter::Mode::AskOnTerminal);
    if ((result == ExitFailed && console.declined()) || result == ExitInterrupted)
        complain(mk21::GetLangText(state, mk21::Texts::Msg::Cancelled));
    return result;
}
