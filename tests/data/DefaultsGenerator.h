#pragma once

#include "data/RadioConfiguration.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mk21::test {

// The defaults files shipped in resources/Init, built from the values chosen here.
// Setting MK21_WRITE_DEFAULTS=1 while running test_data rewrites the shipped files.
namespace DefaultsGenerator {

// The models that get a band-0 file of their own.
QStringList Models();
RadioConfiguration ShippedRecord(const QString& modelCode);
SideRecord ShippedSide();

// File names and contents: "<model>_0.dat" and "<model>_0.NVD".
QString DataFileName(const QString& modelCode);
QString SideFileName(const QString& modelCode);
QByteArray DataFileBytes(const QString& modelCode);
QByteArray SideFileBytes();

} // namespace DefaultsGenerator
} // namespace mk21::test
