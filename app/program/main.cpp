// mk21cps: the programming software. Runs the start-up routine, shows the start-up picture and
// hands over to the main window; the program ends when the main window closes.
#include "app/AppState.h"
#include "app/FilesToOpen.h"
#include "app/ProgramFolders.h"
#include "app/QtTranslation.h"
#include "app/ReadBackups.h"
#include "app/Startup.h"
#include "app/windows/frmMain.h"
#include "app/windows/frmSplash.h"
#include "link/PortMap.h"
#include "link/SimulatedRadio.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/ProgramIdentity.h"
#include "ui/TextOptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <csignal>

#include <memory>

int main(int argc, char** argv)
{
    // A write beyond the file size limit then fails like a full disk, and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    mk21::UseNoDisplayForTextOptions(argc, argv);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(mk21::ModBackup::DataLocationName));
    mk21::SetProgramIdentity();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataRoot(
        QStringLiteral("data-root"),
        QStringLiteral("Run on the runtime tree in DIR (DIR/V200, DIR/Version.ini)."), QStringLiteral("DIR"));
    parser.addOption(dataRoot);
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Port number N (1..16) stands for DEVICE during this run; may be repeated."),
        QStringLiteral("N=DEVICE"));
    parser.addOption(port);
    const QCommandLineOption simulatedRadio(
        QStringLiteral("simulated-radio"),
        QStringLiteral(
            "Start a simulated radio (mk21sim) on a spare port number and use that port during this run."));
    parser.addOption(simulatedRadio);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"),
                                 QStringLiteral("A data file to open; of several, the first is opened."),
                                 QStringLiteral("[FILE.dat]"));
    parser.process(app);
    const mk21::ModOpen::GivenFiles files =
        mk21::ModOpen::FilesOfArguments(parser.positionalArguments(), QDir::currentPath());

    mk21::MessageBoxPrompter prompter{QString()};
    mk21::AppState state(prompter);
    mk21::ResolveProgramFolders(state.settings, QCoreApplication::applicationDirPath(),
                                parser.value(dataRoot));
    const QList<mk21::StartupNote> notes = mk21::RunStartup(state, mk21::DetectStartupEnvironment());
    QTextStream err(stderr);
    if (!mk21::ModLanguage::FollowQtTexts(state.settings.CurrentLanguage))
        err << "mk21cps: no Qt translation found; Qt's own buttons stay English\n";
    for (const QString& file : files.ignored)
        err << "mk21cps: only the first file is opened, not " << file << '\n';
    err.flush();
    for (const QString& text : parser.values(port)) {
        const auto mapped = mk21::ModPorts::ParsePortOverride(text);
        if (!mapped) {
            err << "mk21cps: --port takes N=DEVICE with N from 1 to 16, not " << text << '\n';
            return 2;
        }
        state.settings.PortOverrides.insert(mapped->first, mapped->second);
    }
    mk21::SimulatedRadio radio;
    if (parser.isSet(simulatedRadio)) {
        QString error;
        if (radio.Start(state, {}, error))
            err << "mk21cps: simulated radio on " << radio.device() << " as port " << radio.port() << '\n';
        else
            err << "mk21cps: no simulated radio: " << error << '\n';
        err.flush();
    }
    prompter.setApplicationTitle(state.settings.ApplicationTitle);
    mk21::ReportStartupNotes(state, notes);

    // For tests of the whole start and end (docs/ARCHITECTURE.md): the picture hands over at once and
    // the main window closes, by its ordinary exit that stores the settings, as soon as it is shown.
    const bool closeWhenShown = qEnvironmentVariableIsSet("MK21CPS_CLOSE_WHEN_SHOWN");
    std::unique_ptr<mk21::frmMain> mainWindow;
    mk21::frmSplash splash(state);
    QObject::connect(&splash, &mk21::frmSplash::handOver, &app, [&] {
        mainWindow = std::make_unique<mk21::frmMain>(state);
        prompter.setParentWindow(mainWindow.get());
        mainWindow->show();
        // The named file opens once the window is up, so that its messages appear over it.
        if (!files.first.isEmpty())
            QTimer::singleShot(0, mainWindow.get(), [&] { mainWindow->OpenDocument(files.first); });
        if (closeWhenShown)
            QTimer::singleShot(0, mainWindow.get(), &QWidget::close);
    });
    splash.show();
    if (closeWhenShown)
        QTimer::singleShot(0, &splash, &mk21::frmSplash::HandOver);
    return app.exec();
}
