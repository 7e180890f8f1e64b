#pragma once

#include <QChar>

#include <optional>

// Which typed characters the channel editors' boxes take. Control characters (backspace) and DEL
// pass; the clipboard keys and everything beyond ASCII are discarded.
namespace mk21::TypedKeys {

// Frequency boxes take digits and "."; "+" and "-" too where a signed offset is typed.
bool FrequencyBoxAccepts(QChar typed, bool signsAllowed);

// The code box takes digits and letters, the letters upper-cased; nothing for anything else.
std::optional<QChar> CodeBoxChar(QChar typed);

} // namespace mk21::TypedKeys
