#pragma once

#include "data/RadioConfiguration.h"
#include "features/EditorModel.h"

#include <QList>
#include <QString>

#include <optional>

namespace mk21 {

class ConfigurationState;

// The DTMF window: timings, the codes sent and recognised, the identity and the auto-dial memories.
namespace DtmfEditor {

inline constexpr const char* FormName = "FrmDTMF";
inline constexpr int CodeFieldCount = 4; // Text1(0..3): BOT, EOT, stun, kill
inline constexpr int MemoryFieldCount = DtmfMemoryCount;
inline constexpr int MinIdLength = 3;
inline constexpr int MaxIdLength = 10;

// The window's controls, their entries in the current language and their rules.
Editor::Model Describe(ConfigurationState& state);

// What a code field shows: the first Length digits (a Length outside 0..16 shows nothing).
QString ShownCode(const DtmfCode& code);
// A code as typed: cut by TrimNul, its length kept beside it.
void StoreCode(DtmfCode& code, const QString& text);

// A typed code character: digits, "*" and "#" pass, a-d become capitals, A-D pass, every
// other character is dropped.
std::optional<QChar> CodeCharacter(QChar typed);
// A typed identity character: only digits pass.
std::optional<QChar> IdCharacter(QChar typed);

// The identity as checked on leaving its field: 3 to 10 characters that read as a number,
// otherwise "000".
QString CheckedIdentity(const QString& text);
// What the identity field shows: the first IdLength characters (IdLength outside 3..10: 3).
QString ShownIdentity(const DtmfSettings& dtmf);
// Stores the checked identity and its length.
void StoreIdentity(DtmfSettings& dtmf, const QString& text);

// The numbers (1..16) of the memories holding a code, ascending.
QList<int> FilledMemories(const DtmfSettings& dtmf);

} // namespace DtmfEditor
} // namespace mk21
