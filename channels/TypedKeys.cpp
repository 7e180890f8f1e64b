#include "channels/TypedKeys.h"

namespace mk21::TypedKeys {

namespace {

constexpr char16_t CtrlC = 3;
constexpr char16_t CtrlV = 22;
constexpr char16_t CtrlX = 24;
constexpr char16_t LastAscii = 127;

bool IsClipboardKey(char16_t code)
{
    return code == CtrlC || code == CtrlV || code == CtrlX;
}

bool IsControl(char16_t code)
{
    return code < 32 || code == LastAscii;
}

} // namespace

bool FrequencyBoxAccepts(QChar typed, bool signsAllowed)
{
    const char16_t code = typed.unicode();
    if (IsClipboardKey(code) || code > LastAscii)
        return false;
    if (IsControl(code))
        return true;
    if ((code >= u'0' && code <= u'9') || code == u'.')
        return true;
    return signsAllowed && (code == u'+' || code == u'-');
}

std::optional<QChar> CodeBoxChar(QChar typed)
{
    char16_t code = typed.unicode();
    if (IsClipboardKey(code) || code > LastAscii)
        return std::nullopt;
    if (IsControl(code))
        return typed;
    if (code >= u'a' && code <= u'z')
        code = static_cast<char16_t>(code - u'a' + u'A');
    if ((code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z'))
        return QChar(code);
    return std::nullopt;
}

} // namespace mk21::TypedKeys
