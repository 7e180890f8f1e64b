#include "tools/ctl/OfflineCommands.h"

#include "app/AppState.h"
#include "app/Documents.h"
#include "app/LanguageTexts.h"
#include "data/ConfigurationOps.h"
#include "data/ImageCodec.h"
#include "data/ModelBand.h"
#include "features/TextOps.h"
#include "tools/ctl/Listing.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace mk21::ctl {

namespace {

constexpr int MsgFileError = 9002;
constexpr int MsgWrongLength = 9033;
constexpr qint64 DataFileSize = 8595;

void usageError(const QString& text)
{
    QTextStream(stderr) << "mk21ctl: " << text << '\n';
}

// Opens a data file exactly as the program's Open command does; a newer release is never started.
bool openDataFile(AppState& state, const QString& path)
{
    state.document.DocumentPath = path;
    const auto neverLaunch = [](const QString&) { return false; };
    return ModDocument::OpenDataFile(state, neverLaunch) == ModDocument::DocumentResult::Success;
}

// Reads a radio image file into RadioImage and decodes it as after a read from the radio.
bool decodeImageFile(AppState& state, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMsg(state, MsgFileError);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != RadioImageSize) {
        ShowMsg(state, MsgWrongLength);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), state.RadioImage.begin());
    ModImage::DecodeImage(state);
    state.document.DocumentPath = QStringLiteral("new.dat");
    state.document.IsUntitled = true;
    return true;
}

bool saveAs(AppState& state, const QString& path)
{
    state.document.DocumentPath = path;
    return ModDocument::SaveDataFile(state) == ModDocument::DocumentResult::Success;
}

} // namespace

bool ChooseModelBand(AppState& state, const QString& modelCode, const QString& bandNumber)
{
    const QString code = ModelBandTable::ModelCodeOfDisplayName(modelCode);
    if (!ModelBandTable::IsKnownModelCode(code)) {
        usageError(QStringLiteral("unknown model \"%1\" (ZR750 or ZR750G)").arg(modelCode));
        return false;
    }
    bool ok = false;
    const int band = bandNumber.toInt(&ok);
    const QString bandText = ok ? ModelBandTable::BandTextOfNumber(band) : QString();
    if (bandText.isEmpty()) {
        usageError(QStringLiteral("unknown band \"%1\"").arg(bandNumber));
        return false;
    }
    state.model.CurrentModelCode = code;
    state.model.CurrentBandText = bandText;
    ModFun::ParseBandRange(state.model);
    ModConfig::NewConfiguration(state);
    return true;
}

int NewCommand(AppState& state, const QString& modelCode, const QString& bandNumber, const QString& output)
{
    if (!ChooseModelBand(state, modelCode, bandNumber))
        return ExitUsage;
    return saveAs(state, output) ? ExitOk : ExitFailed;
}

int EncodeCommand(AppState& state, const QString& dataFile, const QString& imageFile)
{
    if (!openDataFile(state, dataFile))
        return ExitFailed;
    ModImage::PrefillImage(state, false);
    ModImage::EncodeImage(state);
    QSaveFile out(imageFile);
    if (!out.open(QIODevice::WriteOnly)
        || out.write(reinterpret_cast<const char*>(state.RadioImage.data()), RadioImageSize) != RadioImageSize
        || !out.commit()) {
        ShowMsg(state, MsgFileError);
        return ExitFailed;
    }
    return ExitOk;
}

int DecodeCommand(AppState& state, const QString& imageFile, const QString& dataFile)
{
    if (!decodeImageFile(state, imageFile))
        return ExitFailed;
    return saveAs(state, dataFile) ? ExitOk : ExitFailed;
}

int ShowCommand(AppState& state, const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile()) {
        ShowMsg(state, MsgFileError);
        return ExitFailed;
    }
    const bool isImage = info.size() == RadioImageSize;
    if (isImage ? !decodeImageFile(state, file) : !openDataFile(state, file))
        return ExitFailed;
    QTextStream(stdout) << "File: " << file << (isImage ? " (radio image)" : " (data file)") << '\n'
                        << ConfigurationListing(state, isImage);
    return ExitOk;
}

} // namespace mk21::ctl
