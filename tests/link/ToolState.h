#pragma once

#include "app/AppState.h"
#include "app/Startup.h"

#include <QDir>

namespace mk21::test {

// The command-line tool's start-up on the staged tree, which is only read.
inline void StartToolState(AppState& state)
{
    state.settings.DataRoot = QStringLiteral(MK21_STAGE_DIR);
    state.settings.ProgramFolder = QDir(state.settings.DataRoot).filePath(QString::fromLatin1(ReleaseTag));
    RunToolStartup(state, 1);
}

} // namespace mk21::test
