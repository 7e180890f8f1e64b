#pragma once

#include <QStringList>

namespace mk21 {

// Whether mk21cps's command line asks for a text only: -h, --help, -?, --help-all, -v or
// --version, not as the value of --data-root or --port and not after "--".
bool AsksOnlyForText(const QStringList& arguments);

// Such a command line needs no display: it gets the offscreen platform, so that --help and
// --version work over ssh and in package builds as well. Called before the QApplication is made.
void UseNoDisplayForTextOptions(int argc, char** argv);

} // namespace mk21
