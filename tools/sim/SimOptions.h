#pragma once

#include "tools/sim/FaultPlan.h"
#include "tools/sim/Identity.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

namespace mk21::sim {

// Everything the command line can set.
struct SimOptions {
    QString memoryPath;
    bool echo = false;
    std::optional<std::string> password;
    Identity identity;
    int baud = 9600; // 0: no pacing
    std::optional<std::uint64_t> seed;
    FaultPlan faults;
    int delayMs = 400;
    bool verbose = false;
};

// The outcome of reading the command line: options, a request for help or the version, or an error.
struct ParsedOptions {
    std::optional<SimOptions> options;
    bool help = false;
    bool version = false;
    QString error;
};

ParsedOptions ParseOptions(const QStringList& arguments);
const char* UsageText();
// "mk21sim 2.0.0": the program and the project's version.
QString VersionText();

} // namespace mk21::sim
