// mk21ctl: the program's engine without windows, for scripts.
#include "app/AppState.h"
#include "app/ProgramFolders.h"
#include "app/Startup.h"
#include "tools/ctl/ConsolePrompter.h"
#include "tools/ctl/OfflineCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

using namespace mk21::ctl;

const char* const usage =
    "usage:\n"
    "  mk21ctl new --model CODE --band N -o FILE.dat\n"
    "  mk21ctl encode FILE.dat -o FILE.img\n"
    "  mk21ctl decode FILE.img -o FILE.dat\n"
    "  mk21ctl show FILE\n"
    "options: --lang 1|2 (message language, English by default), --data-root DIR\n";

int usageError()
{
    QTextStream(stderr) << usage;
    return ExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("Output file."), QStringLiteral("FILE"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model code."), QStringLiteral("CODE"));
    const QCommandLineOption band(QStringLiteral("band"), QStringLiteral("Band number."), QStringLiteral("N"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Message language."), QStringLiteral("N"),
                                  QStringLiteral("1"));
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QStringLiteral("Runtime tree."),
                                      QStringLiteral("DIR"));
    parser.addOptions({output, model, band, lang, dataRoot});
    if (!parser.parse(QCoreApplication::arguments())) {
        QTextStream(stderr) << "mk21ctl: " << parser.errorText() << '\n';
        return usageError();
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError();
    const QString command = args.front();

    ConsolePrompter prompter(ConsolePrompter::Mode::AnswerNo);
    mk21::AppState state(prompter);
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
    return usageError();
}
