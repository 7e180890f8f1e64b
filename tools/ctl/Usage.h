#pragma once

#include <QString>

namespace mk21::ctl {

inline constexpr int RetriesWithYes = 3;  // --yes restarts a silent session this often, then gives up
inline constexpr int RewritesWithYes = 2; // --yes writes a radio that does not verify this often again

// Every command's form, what it does, every option and the exit statuses: --help, and what
// follows a usage error.
QString UsageText();

// One command's form, what it does and the options it takes (COMMAND --help); the whole
// UsageText() for a command that does not exist.
QString CommandUsage(const QString& command);

// "mk21ctl 2.0.0": the program and the project's version (--version).
QString VersionText();

} // namespace mk21::ctl
