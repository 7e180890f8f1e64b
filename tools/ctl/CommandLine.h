#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace mk21 {
class AppState;
}

namespace mk21::ctl {

// The --lang value as a language number; nullopt for anything but 1 and 2.
std::optional<int> LanguageOption(const QString& value);

// A model code or shown model name in any letter case, as its model code; empty when unknown.
QString CanonicalModelCode(const QString& text);

// What is wrong with the command line before any file or radio is touched: an unknown command,
// an argument too many or too few, a missing option, an unknown model or band. Empty when the
// command can run. The text is a message in the chosen language.
QString CommandLineProblem(AppState& state, const QCommandLineParser& parser);

// The problem with the file a command is given, when it is the kind the other command takes
// (a data file to decode, an image to encode). Empty otherwise, also when the file is unreadable:
// the command itself then says why.
QString WrongFileKind(AppState& state, const QString& command, const QString& file);

// "The --lang value ... Valid values: 1 (English), 2 (Chinese)."
QString LanguageProblem(AppState& state, const QString& value);

} // namespace mk21::ctl
