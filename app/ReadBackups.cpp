#include "app/ReadBackups.h"

#include "app/SafetySettings.h"
#include "base/FileWrite.h"
#include "base/texts/BackupTexts.h"
#include "data/ConfigurationState.h"
#include "data/DataFile.h"
#include "data/ImageCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace mk21::ModBackup {

namespace {

const QString stemTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString imageSuffix = QStringLiteral(".img");
const QString dataSuffix = QStringLiteral(".dat");
constexpr int MaxCounter = 10000; // a folder that full is broken, not busy

// A state of its own for the decode, so that the model, band, configuration and capability
// flags of the run stay as they are.
class Scratch final : public ConfigurationState {
public:
    using ConfigurationState::ConfigurationState;
};

FileResult notKept(FileResult failure)
{
    failure.message = Texts::Backup::NotKept;
    return failure;
}

FileResult makeFolder(const QString& folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()),
                                        error);
    if (error)
        return FileResult::Failed(Texts::Backup::NotKept, folder, SystemReason(error.value()));
    return FileResult::Done();
}

// Claims stem, stem_2, ... by creating its image file exclusively, so that two programs reading
// in the same second never share a name. Empty with `failure` set when no name could be claimed.
QString claimName(const QDir& dir, const QString& stem, FileResult& failure)
{
    for (int counter = 1; counter <= MaxCounter; ++counter) {
        const QString name = counter == 1 ? stem : QStringLiteral("%1_%2").arg(stem).arg(counter);
        const QString base = dir.filePath(name);
        if (QFileInfo::exists(base + dataSuffix) ||
            QFileInfo::exists(ModDataFile::SideFilePath(base + dataSuffix)))
            continue;
        QFile image(base + imageSuffix);
        if (image.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return base;
        if (!image.exists()) {
            failure = FileResult::Failed(Texts::Backup::NotKept, image.fileName(), image.errorString());
            return {};
        }
    }
    failure = FileResult::Failed(Texts::Backup::NotKept, dir.filePath(stem + imageSuffix));
    return {};
}

} // namespace

QString UserBackupFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

QString BackupStem(const QDateTime& when, const QString& modelCode, int bandNumber)
{
    QString model;
    for (const QChar c : modelCode) {
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            model.append(c);
    }
    if (model.isEmpty())
        model = QStringLiteral("unknown");
    return QStringLiteral("%1_%2_band%3").arg(when.toString(stemTimeFormat), model).arg(bandNumber);
}

Kept KeepImage(const ConfigurationState& state, const QString& folder, const QDateTime& now)
{
    // The configuration as the read will make it: the current one with the image decoded over it.
    Scratch copy(state.prompter);
    copy.settings = state.settings;
    copy.model = state.model;
    copy.WorkingConfiguration = state.WorkingConfiguration;
    copy.WorkingSide = state.WorkingSide;
    copy.ExtraTestFreqs = state.ExtraTestFreqs;
    copy.RadioImage = state.RadioImage;
    ModImage::DecodeImage(copy);

    Kept kept;
    if (kept.result = makeFolder(folder); !kept.result.ok())
        return kept;
    const RadioInfoRecord& info = copy.WorkingConfiguration.RadioInfo;
    const QString base =
        claimName(QDir(folder), BackupStem(now, info.ModelCode.text(), info.BandNumber), kept.result);
    if (base.isEmpty())
        return kept;
    kept.imagePath = base + imageSuffix;
    const QByteArray image(reinterpret_cast<const char*>(copy.RadioImage.data()), RadioImageSize);
    if (FileResult written = ModFileWrite::WriteWhole(kept.imagePath, image); !written.ok()) {
        QFile::remove(kept.imagePath); // the empty file that claimed the name
        kept.result = notKept(written);
        return kept;
    }
    if (FileResult saved = ModDataFile::SaveDocumentFile(copy, base + dataSuffix); !saved.ok())
        kept.result = notKept(saved);
    return kept;
}

int Prune(const QString& folder, const QDateTime& now, int keepDays)
{
    if (keepDays <= 0)
        return 0;
    static const QRegularExpression backupName(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)_[A-Za-z0-9]+_band\d+(_\d+)?\.(img|dat|NVD)$)"));
    const QDateTime oldest = now.addDays(-keepDays);
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = backupName.match(name);
        if (!match.hasMatch())
            continue;
        const QDateTime taken = QDateTime::fromString(match.captured(1), stemTimeFormat);
        if (taken.isValid() && taken < oldest && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

void KeepReadImage(ConfigurationState& state, const QString& folder)
{
    const QDateTime now = QDateTime::currentDateTime();
    ShowFileResult(state, KeepImage(state, folder, now).result);
    Prune(folder, now, LoadKeepBackupDays(state.settings.ApplicationTitle));
}

} // namespace mk21::ModBackup
