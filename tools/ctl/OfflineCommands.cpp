#include "tools/ctl/OfflineCommands.h"

#include "app/AppState.h"
#include "app/Documents.h"
#include "app/NewConfiguration.h"
#include "base/FileRead.h"
#include "base/FileWrite.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MessageTexts.h"
#include "data/ConfigurationOps.h"
#include "data/ImageCodec.h"
#include "data/ModelBand.h"
#include "tools/ctl/Listing.h"

#include <QTextStream>

namespace mk21::ctl {

namespace {

constexpr qsizetype DataFileSize = 8595;

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

// Reads a radio image file into RadioImage and decodes it as after a read from the radio. Only
// an image of a known model and band is taken: any other file of its length is not one.
bool decodeImageFile(AppState& state, const QString& path)
{
    QByteArray bytes;
    FileResult read = ModFileRead::ReadFront(path, RadioImageSize + 1, bytes);
    if (read.ok() && bytes.size() != RadioImageSize)
        read = FileResult::Failed(Texts::Msg::WrongLength, path);
    if (!read.ok()) {
        ShowFileResult(state, read);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), state.RadioImage.begin());
    if (!ModImage::HasKnownIdentity(state)) {
        ShowFileResult(state, FileResult::Failed(Texts::Msg::NotARadioImage, path));
        return false;
    }
    ModImage::DecodeImage(state);
    state.document.DocumentPath = QStringLiteral("new.dat");
    state.document.IsUntitled = true;
    return true;
}

bool saveAs(AppState& state, const QString& path)
{
    state.document.DocumentPath = path;
    // A data file saved without its side file is a failure here: the script must hear of it.
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
    const QByteArray image(reinterpret_cast<const char*>(state.RadioImage.data()), RadioImageSize);
    const FileResult written = ModFileWrite::WriteWhole(imageFile, image);
    ShowFileResult(state, written);
    return written.ok() ? ExitOk : ExitFailed;
}

int DecodeCommand(AppState& state, const QString& imageFile, const QString& dataFile)
{
    if (!decodeImageFile(state, imageFile))
        return ExitFailed;
    return saveAs(state, dataFile) ? ExitOk : ExitFailed;
}

int ShowCommand(AppState& state, const QString& file)
{
    // The length tells an image from a data file; nothing beyond a data file's length is read.
    QByteArray front;
    const FileResult read = ModFileRead::ReadFront(file, DataFileSize + 1, front);
    if (!read.ok()) {
        ShowFileResult(state, read);
        return ExitFailed;
    }
    const bool isImage = front.size() == RadioImageSize;
    if (isImage ? !decodeImageFile(state, file) : !openDataFile(state, file))
        return ExitFailed;
    QTextStream(stdout) << "File: " << file << (isImage ? " (radio image)" : " (data file)") << '\n'
                        << ConfigurationListing(state, isImage);
    return ExitOk;
}

} // namespace mk21::ctl
