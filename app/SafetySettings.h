#pragma once

#include <QString>

namespace mk21 {

// Whether a write to the radio is read back and compared: on unless the user turned it off. Kept
// in the per-user settings store named by the application title (key Safety/VerifyAfterWrite).
bool LoadVerifyAfterWrite(const QString& applicationTitle);
void SaveVerifyAfterWrite(const QString& applicationTitle, bool on);

} // namespace mk21
