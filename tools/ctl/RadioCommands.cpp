#include "tools/ctl/RadioCommands.h"

#include "app/AppState.h"
#include "app/Documents.h"
#include "app/ReadBackups.h"
#include "base/FileWrite.h"
#include "base/FixedText.h"
#include "base/LanguageTexts.h"
#include "base/texts/RadioInfoTexts.h"
#include "data/DataFile.h"
#include "link/PortMap.h"
#include "link/QtSerialLink.h"
#include "link/SessionEngine.h"
#include "tools/ctl/ConsoleSessionView.h"
#include "tools/ctl/InterruptSignals.h"
#include "tools/ctl/OfflineCommands.h"

#include <QEventLoop>
#include <QTextStream>

#include <optional>

namespace mk21::ctl {

namespace {

constexpr int DefaultToolPort = 1;

void complain(const QString& text)
{
    QTextStream(stderr) << "mk21ctl: " << text << '\n';
}

// --device PATH or --port N[=DEVICE] -> comPort and, where a device is named, its mapping for this run.
bool choosePort(AppState& state, const RadioOptions& options)
{
    if (options.device.isEmpty() == options.port.isEmpty()) {
        complain(QStringLiteral("give exactly one of --device PATH and --port N"));
        return false;
    }
    if (!options.device.isEmpty()) {
        state.settings.comPort = DefaultToolPort;
        state.settings.PortOverrides.insert(DefaultToolPort, options.device);
        return true;
    }
    if (const auto mapped = ModPorts::ParsePortOverride(options.port)) {
        state.settings.comPort = static_cast<Integer>(mapped->first);
        state.settings.PortOverrides.insert(mapped->first, mapped->second);
        return true;
    }
    bool ok = false;
    const int port = options.port.toInt(&ok);
    if (!ok || port < ModPorts::FirstPort || port > ModPorts::LastPort) {
        complain(QStringLiteral("--port takes a number from 1 to 16, optionally =DEVICE"));
        return false;
    }
    state.settings.comPort = static_cast<Integer>(port);
    return true;
}

// One session from its start command to its end, on the event loop. For a read, success also
// waits for the decode that ReadOKTimer runs. SIGINT or SIGTERM stops the session as the progress
// window's Cancel does.
class SessionRun final {
public:
    SessionRun(AppState& state, const RadioOptions& options)
        : view_(state, options.progressBar, options.askOnTerminal), engine_(state, link_, view_)
    {
        // This tool never starts another release; the version question then just ends the session.
        engine_.setLauncher([](const QString&) { return false; });
        if (options.passwordSet)
            state.session.EnteredPassword = TrimNul(options.password);
        engine_.setTraceTarget({{}, options.trace});
        QObject::connect(&engine_, &SessionEngine::sessionFinished, &engine_, [this](int op, bool success) {
            if (!success || op != ModSession::OperationRead)
                finish(success);
        });
        QObject::connect(&engine_, &SessionEngine::radioImageRead, &engine_,
                         [&state] { ModBackup::KeepReadImage(state, ModBackup::UserBackupFolder()); });
        QObject::connect(&engine_, &SessionEngine::configurationRead, &engine_, [this] { finish(true); });
        QObject::connect(&interrupts_, &InterruptSignals::interrupted, &engine_, [this] {
            // With nothing left to stop (a complete read being decoded) the tool stops waiting.
            if (!engine_.Cancel())
                finish(false);
        });
    }

    template <typename Start> bool run(Start start)
    {
        if (!(engine_.*start)())
            return false;
        if (!result_)
            loop_.exec();
        return result_.value_or(false);
    }

    SessionEngine& engine() { return engine_; }
    // The user stopped the tool: nothing of the session is to be saved.
    bool interrupted() { return interrupts_.happened(); }

private:
    void finish(bool success)
    {
        if (result_)
            return;
        result_ = success;
        loop_.quit();
    }

    QtSerialLink link_;
    ConsoleSessionView view_;
    SessionEngine engine_;
    QEventLoop loop_;
    std::optional<bool> result_;
    InterruptSignals interrupts_;
};

bool saveImage(AppState& state, const QString& path)
{
    const QByteArray image(reinterpret_cast<const char*>(state.RadioImage.data()), RadioImageSize);
    const FileResult written = ModFileWrite::WriteWhole(path, image);
    ShowFileResult(state, written);
    return written.ok();
}

// The files a read will write, checked before the radio is read: finding out only after the
// whole read would throw the read away.
bool canWriteReadResults(AppState& state, const QString& output, const QString& image)
{
    QList<FileResult> checks = {ModDataFile::CheckDataFilePath(output), ModFileWrite::CheckCanWrite(output),
                                ModFileWrite::CheckCanWrite(ModDataFile::SideFilePath(output))};
    if (!image.isEmpty())
        checks.append(ModFileWrite::CheckCanWrite(image));
    for (const FileResult& checked : checks) {
        if (!checked.ok()) {
            ShowFileResult(state, checked);
            return false;
        }
    }
    return true;
}

} // namespace

int ReadCommand(AppState& state, const RadioOptions& options, const QString& model, const QString& band,
                const QString& output, const QString& image)
{
    if (!choosePort(state, options))
        return ExitUsage;
    if (model.isEmpty() != band.isEmpty()) {
        complain(QStringLiteral("give --model and --band together"));
        return ExitUsage;
    }
    if (!model.isEmpty() && !ChooseModelBand(state, model, band))
        return ExitUsage;
    if (!canWriteReadResults(state, output, image))
        return ExitFailed;

    SessionRun session(state, options);
    const bool read = session.run(&SessionEngine::StartRead);
    if (session.interrupted())
        return ExitInterrupted;
    if (!read)
        return ExitFailed;
    // Saved as the program saves: the data file and its side file.
    state.document.DocumentPath = output;
    if (ModDocument::SaveDataFile(state) != ModDocument::DocumentResult::Success)
        return ExitFailed;
    if (!image.isEmpty() && !saveImage(state, image))
        return ExitFailed;
    return ExitOk;
}

int WriteCommand(AppState& state, const RadioOptions& options, const QString& input)
{
    if (!choosePort(state, options))
        return ExitUsage;
    state.document.DocumentPath = input;
    const auto neverLaunch = [](const QString&) { return false; };
    if (ModDocument::OpenDataFile(state, neverLaunch) != ModDocument::DocumentResult::Success)
        return ExitFailed;
    SessionRun session(state, options);
    session.engine().setVerifyAfterWrite(options.verify);
    const bool written = session.run(&SessionEngine::StartWrite);
    if (session.interrupted())
        return ExitInterrupted;
    return written ? ExitOk : ExitFailed;
}

int InfoCommand(AppState& state, const RadioOptions& options)
{
    if (!choosePort(state, options))
        return ExitUsage;
    SessionRun session(state, options);
    const bool read = session.run(&SessionEngine::StartRadioInfoRead);
    if (session.interrupted())
        return ExitInterrupted;
    if (!read)
        return ExitFailed;

    const RadioDetails& d = state.Details;
    const std::initializer_list<std::pair<int, QString>> rows = {
        {Texts::RadioInfo::SalesAreaCode, d.SalesAreaCode},
        {Texts::RadioInfo::BatchNumber, d.BatchNumber.text()},
        {Texts::RadioInfo::CustomerCode, d.CustomerCode.text()},
        {Texts::RadioInfo::SerialNumber, d.SerialNumber.text()},
        {Texts::RadioInfo::ProductionDate, d.ProductionDate.text()},
        {Texts::RadioInfo::RepairDate, d.RepairDate.text()},
        {Texts::RadioInfo::RepairReason, d.RepairReason.text()},
        {Texts::RadioInfo::DealerCode, d.DealerCode.text()},
        {Texts::RadioInfo::StockInDate, d.StockInDate.text()},
        {Texts::RadioInfo::SalesDate, d.SalesDate.text()},
        {Texts::RadioInfo::HandledBy, d.HandledBy.text()}};
    QTextStream out(stdout);
    out << GetLangText(state, Texts::RadioInfo::Title) << '\n';
    for (const auto& [number, value] : rows)
        out << "  " << GetLangText(state, number) << ": " << value << '\n';
    return ExitOk;
}

} // namespace mk21::ctl
