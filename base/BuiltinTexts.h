#pragma once

#include "base/IniFile.h"

#include <QByteArrayView>

namespace mk21 {

// The English language file as shipped, compiled into the program at build time.
QByteArrayView BuiltinEnglishFile();

// That file parsed: the text of every number that the chosen language file cannot give.
const IniDocument& BuiltinEnglish();

} // namespace mk21
