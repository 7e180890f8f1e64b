#include "base/BuiltinTexts.h"

namespace mk21 {

const IniDocument& BuiltinEnglish()
{
    // Parsed on first use and never changed after.
    static const IniDocument texts = IniDocument::parse(DecodeTextFile(BuiltinEnglishFile().toByteArray()));
    return texts;
}

} // namespace mk21
