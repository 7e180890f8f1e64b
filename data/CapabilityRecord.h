#pragma once

#include "data/RadioConfiguration.h"

namespace mk21 {

class ConfigurationState;

// The sticky copy of the radio's capability bits kept in Setting.ini (4 bytes: bits 3, 2, 1, 0).
namespace CapabilityRecordFile {

// Reads the first 4 bytes of ProgramFolder/Setting.ini, or of the user's copy of an installed tree
// (base/UserFiles.h). Missing bytes read as 0; a missing file is created empty; an unreadable one
// gives all 0.
void Read(ConfigurationState& state);
// Writes the 4-byte record; false when the file cannot be written.
bool Write(const ConfigurationState& state);

} // namespace CapabilityRecordFile

// Takes the capability byte of the radio seen last: CurCapFlag3..0 follow its bits 3..0, and every
// field of the sticky record that is still 0 takes its bit.
void ApplyCapabilities(ConfigurationState& state, Byte capabilityByte);

} // namespace mk21
