// mk21cps: the programming software. Runs the start-up routine, shows the start-up picture and
// hands over to the main window; the program ends when the main window closes.
#include "app/AppState.h"
#include "app/ProgramFolders.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QCommandLineParser>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dataRoot(
        QStringLiteral("data-root"),
        QStringLiteral("Run on the runtime tree in DIR (DIR/V200, DIR/Version.ini)."), QStringLiteral("DIR"));
    parser.addOption(dataRoot);
    parser.process(app);

    mk21::MessageBoxPrompter prompter{QString()};
    mk21::AppState state(prompter);
    mk21::ResolveProgramFolders(state.settings, QCoreApplication::applicationDirPath(),
                                parser.value(dataRoot));
    mk21::RunStartup(state, mk21::DetectStartupEnvironment());
    prompter.setApplicationTitle(state.settings.ApplicationTitle);

    std::unique_ptr<mk21::frmMain> mainWindow;
    mk21::frmSplash splash(state);
    QObject::connect(&splash, &mk21::frmSplash::handOver, &app, [&] {
        mainWindow = std::make_unique<mk21::frmMain>(state);
        prompter.setParentWindow(mainWindow.get());
        mainWindow->show();
    });
    splash.show();
    return app.exec();
}
