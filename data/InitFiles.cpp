#include "data/InitFiles.h"

#include "data/ConfigurationState.h"
#include "data/DataFile.h"
#include "data/ModelBand.h"

#include <QDir>
#include <QFileInfo>

namespace mk21 {

void LoadInitConfiguration(ConfigurationState& state, bool initRequested)
{
    const QString model = TrimNul(state.model.CurrentModelCode);
    const int band = ModelBandTable::BandNumberOfText(state.model.CurrentBandText);
    const QDir initFolder(QDir(state.settings.ProgramFolder).filePath(QStringLiteral("Init")));

    const QString own = initFolder.filePath(model + u'_' + QString::number(band) + QStringLiteral(".dat"));
    if (QFileInfo(own).isFile()) {
        ModDataFile::LoadInitFile(state, own, initRequested);
        return;
    }
    // No file of its own: a model named like one of the two takes that model's band-0 defaults.
    for (const QString& defaults : {QStringLiteral("ZR750_0.dat"), QStringLiteral("ZR750G_0.dat")}) {
        if (defaults.startsWith(model + u'_')) {
            ModDataFile::LoadDefaultsFile(state, initFolder.filePath(defaults));
            return;
        }
    }
}

} // namespace mk21
