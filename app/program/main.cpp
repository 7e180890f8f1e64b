// mk21cps: starts the program. The windows arrive later; until then it runs the start-up
// routine, reports what it established and completes the settings as the program does at exit.
#include "app/AppState.h"
#include "app/LanguageTexts.h"
#include "app/ProgramFolders.h"
#include "app/Startup.h"
#include "data/FrequencyCodec.h"
#include "data/ModelBand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// Until the message windows exist, prompts are printed and answered with their first button.
class ConsolePrompter final : public mk21::Prompter {
public:
    mk21::PromptAnswer ask(const mk21::Prompt& prompt) override
    {
        QTextStream(stderr) << prompt.text << '\n';
        return prompt.buttons == mk21::PromptButtons::YesNo || prompt.buttons == mk21::PromptButtons::YesNoCancel
                   ? mk21::PromptAnswer::Yes
                   : mk21::PromptAnswer::Ok;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dataRoot(QStringLiteral("data-root"),
                                      QStringLiteral("Run on the runtime tree in DIR (DIR/V200, DIR/Version.ini)."),
                                      QStringLiteral("DIR"));
    parser.addOption(dataRoot);
    parser.process(app);

    ConsolePrompter prompter;
    mk21::AppState state(prompter);
    mk21::ResolveProgramFolders(state.settings, QCoreApplication::applicationDirPath(), parser.value(dataRoot));
    mk21::RunStartup(state, mk21::DetectStartupEnvironment());

    QTextStream out(stdout);
    const mk21::RadioConfiguration& config = state.WorkingConfiguration;
    out << state.settings.ApplicationTitle << '\n'
        << "program folder: " << state.settings.ProgramFolder << '\n'
        << "language: " << state.settings.CurrentLanguage << " (" << state.settings.LanguageFileName << ")\n"
        << "port: " << state.settings.comPort << '\n'
        << "model: " << mk21::ModelBandTable::DisplayNameOfModelCode(state.model.CurrentModelCode) << ", band "
        << state.model.CurrentBandText << '\n'
        << "document: " << state.document.DocumentPath << ", channels: " << config.ChannelCount << '\n';
    for (int i = 0; i < config.ChannelCount; ++i) {
        const mk21::ChannelRecord& ch = config.Channels[static_cast<std::size_t>(i)];
        out << "  channel " << ch.ChannelNo << ": "
            << mk21::ModShowFreFun::ShowFre(state, ch.RxFreq.text()) << " MHz\n";
    }
    out << "firmware served:";
    for (const mk21::VersionPair& pair : state.versionTable) {
        if (pair.release == QLatin1String(mk21::ReleaseTag))
            out << ' ' << pair.firmware;
    }
    out << '\n';
    out.flush();
    mk21::CompleteSettingsAtExit(state);
    return 0;
}
