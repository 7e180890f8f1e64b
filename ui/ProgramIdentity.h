#pragma once

#include <QIcon>

namespace mk21 {

// The program's own icon in every size drawn (resources/icons), compiled into mk21gui so that it
// shows from the build tree too.
QIcon ProgramIcon();

// How the desktop knows the program: the window icon, the desktop entry its windows belong to,
// and the version that --version prints. Called once, after the QApplication is made.
void SetProgramIdentity();

} // namespace mk21
