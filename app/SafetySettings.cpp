#include "app/SafetySettings.h"

#include <QSettings>

namespace mk21 {

namespace {

const QString verifyKey = QStringLiteral("Safety/VerifyAfterWrite");

} // namespace

bool LoadVerifyAfterWrite(const QString& applicationTitle)
{
    const QSettings store(applicationTitle, applicationTitle);
    return store.value(verifyKey, true).toBool();
}

void SaveVerifyAfterWrite(const QString& applicationTitle, bool on)
{
    QSettings store(applicationTitle, applicationTitle);
    store.setValue(verifyKey, on);
}

} // namespace mk21
