#include "app/WindowPlacement.h"

#include <QSettings>

namespace mk21 {

namespace {

const QString section = QStringLiteral("Settings");

int readTwips(const QSettings& store, const QString& key, int defaultValue)
{
    bool ok = false;
    const int value = store.value(key).toString().toInt(&ok);
    return ok ? value : defaultValue;
}

} // namespace

WindowPlacement LoadPlacement(const QString& applicationTitle)
{
    QSettings store(applicationTitle, applicationTitle);
    store.beginGroup(section);
    const WindowPlacement defaults;
    return {readTwips(store, QStringLiteral("MainLeft"), defaults.left),
            readTwips(store, QStringLiteral("MainTop"), defaults.top),
            readTwips(store, QStringLiteral("MainWidth"), defaults.width),
            readTwips(store, QStringLiteral("MainHeight"), defaults.height)};
}

void SavePlacement(const QString& applicationTitle, const WindowPlacement& placement)
{
    QSettings store(applicationTitle, applicationTitle);
    store.beginGroup(section);
    store.setValue(QStringLiteral("MainLeft"), QString::number(placement.left));
    store.setValue(QStringLiteral("MainTop"), QString::number(placement.top));
    store.setValue(QStringLiteral("MainWidth"), QString::number(placement.width));
    store.setValue(QStringLiteral("MainHeight"), QString::number(placement.height));
}

} // namespace mk21
