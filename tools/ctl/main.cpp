// mk21ctl: the program's engine without windows, for scripts.
#include "app/AppState.h"
#include "app/ProgramFolders.h"
#include "app/Startup.h"
#include "tools/ctl/ConsolePrompter.h"
#include "tools/ctl/OfflineCommands.h"
#include "tools/ctl/OncePerKindPrompter.h"
#include "tools/ctl/RadioCommands.h"
#include "tools/ctl/RetryLimitPrompter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

#include <unistd.h>

namespace {

using namespace mk21::ctl;

constexpr int MsgNoAnswer = 9008;
constexpr int RetriesWithYes = 3; // --yes restarts a silent session this often, then gives up

const char* const usage =
    "usage:\n"
    "  mk21ctl new --model CODE --band N -o FILE.dat\n"
    "  mk21ctl encode FILE.dat -o FILE.img\n"
    "  mk21ctl decode FILE.img -o FILE.dat\n"
    "  mk21ctl show FILE\n"
    "  mk21ctl read (--device PATH | --port N[=DEVICE]) -o FILE.dat [--image FILE.img] [--password P]\n"
    "               [--model CODE --band N] [--yes]\n"
    "  mk21ctl write (--device PATH | --port N[=DEVICE]) -i FILE.dat [--password P] [--yes]\n"
    "  mk21ctl info (--device PATH | --port N[=DEVICE]) [--password P] [--yes]\n"
    "options: --lang 1|2 (message language, English by default), --data-root DIR\n"
    "  --yes answers OK/Yes to the session's questions (a silent radio is retried at most 3 times);\n"
    "  without it they are asked on the terminal, or answered with the cautious button.\n";

int usageError()
{
    QTextStream(stderr) << usage;
    return ExitUsage;
}

bool isRadioCommand(const QString& command)
{
    return command == QLatin1String("read") || command == QLatin1String("write") || command == QLatin1String("info");
}

} // namespace

int main(int argc, char** argv)
{
    // A write beyond the file size limit then fails like a full disk, and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("Output file."), QStringLiteral("FILE"));
    const QCommandLineOption input(QStringLiteral("i"), QStringLiteral("Input file."), QStringLiteral("FILE"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model code."), QStringLiteral("CODE"));
    const QCommandLineOption band(QStringLiteral("band"), QStringLiteral("Band number."), QStringLiteral("N"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Message language."), QStringLiteral("N"),
                                  QStringLiteral("1"));
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QStringLiteral("Runtime tree."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("Serial device."), QStringLiteral("PATH"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port number."), QStringLiteral("N"));
    const QCommandLineOption image(QStringLiteral("image"), QStringLiteral("Raw image output."), QStringLiteral("FILE"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Radio password."),
                                      QStringLiteral("P"));
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Answer OK/Yes."));
    parser.addOptions({output, input, model, band, lang, dataRoot, device, port, image, password, yes});
    if (!parser.parse(QCoreApplication::arguments())) {
        QTextStream(stderr) << "mk21ctl: " << parser.errorText() << '\n';
        return usageError();
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError();
    const QString command = args.front();
    const bool radio = isRadioCommand(command);

    // Offline commands never ask; radio commands ask on a terminal unless --yes answers for the user.
    ConsolePrompter::Mode mode = ConsolePrompter::Mode::AnswerNo;
    if (radio && parser.isSet(yes))
        mode = ConsolePrompter::Mode::AnswerYes;
    else if (radio && isatty(STDIN_FILENO))
        mode = ConsolePrompter::Mode::AskOnTerminal;
    ConsolePrompter console(mode);
    RetryLimitPrompter limited(console, MsgNoAnswer, RetriesWithYes);
    mk21::Prompter& prompter = mode == ConsolePrompter::Mode::AnswerYes ? static_cast<mk21::Prompter&>(limited)
                                                                        : console;
    OncePerKindPrompter once(prompter);
    mk21::AppState state(once);
    mk21::ResolveProgramFolders(state.settings, QCoreApplication::applicationDirPath(), parser.value(dataRoot));
    mk21::RunToolStartup(state, parser.value(lang) == QLatin1String("2") ? 2 : 1);

    if (command == QLatin1String("new") && args.size() == 1 && parser.isSet(model) && parser.isSet(band)
        && parser.isSet(output))
        return NewCommand(state, parser.value(model), parser.value(band), parser.value(output));
    if (command == QLatin1String("encode") && args.size() == 2 && parser.isSet(output))
        return EncodeCommand(state, args[1], parser.value(output));
    if (command == QLatin1String("decode") && args.size() == 2 && parser.isSet(output))
        return DecodeCommand(state, args[1], parser.value(output));
    if (command == QLatin1String("show") && args.size() == 2)
        return ShowCommand(state, args[1]);

    if (radio && args.size() == 1) {
        RadioOptions options;
        options.device = parser.value(device);
        options.port = parser.value(port);
        options.password = parser.value(password);
        options.passwordSet = parser.isSet(password);
        options.progressBar = isatty(STDERR_FILENO);
        options.askOnTerminal = mode == ConsolePrompter::Mode::AskOnTerminal;
        if (command == QLatin1String("read") && parser.isSet(output))
            return ReadCommand(state, options, parser.value(model), parser.value(band), parser.value(output),
                               parser.value(image));
        if (command == QLatin1String("write") && parser.isSet(input))
            return WriteCommand(state, options, parser.value(input));
        if (command == QLatin1String("info"))
            return InfoCommand(state, options);
    }
    return usageError();
}
