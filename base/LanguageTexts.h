#pragma once

#include "base/Prompter.h"

#include <QString>
#include <QStringList>

namespace mk21 {

class RunContext;
struct AppSettings;

// The language-file section a text number selects ("Msg" for 9000..9999, and so on).
QString SectionOfNumber(int number);

// ProgramFolder/language/LanguageFileName.
QString LanguageFilePath(const AppSettings& settings);

// The text of a number in the current language file. A number the file lacks (or leaves empty),
// and every number of a missing or unreadable file, takes the built-in English text.
QString GetLangText(RunContext& state, int number);

// Puts args in place of %1, %2, ... of a text; a placeholder without an argument, or an argument
// without a placeholder (a translation may leave one out), is left alone.
// The shipped English text of `number` with args in place of its %1, %2, ... (for words that are
// composed where no language has been chosen, and shown in the user's language later).
QString EnglishText(int number, const QStringList& args = {});

QString FillTextArgs(const QString& text, const QStringList& args);

// Shows language text `number` through the prompter (caption: the application title).
PromptAnswer ShowMsg(RunContext& state, int number, PromptIcon icon = PromptIcon::None,
                     PromptButtons buttons = PromptButtons::Ok);

// Shows text composed from language text `number` (with a path or reason added, say), as that text.
PromptAnswer ShowMsgText(RunContext& state, int number, const QString& text,
                         PromptIcon icon = PromptIcon::None);

// Shows language text `number` with args in place of its %1, %2, ...
PromptAnswer ShowMsgWith(RunContext& state, int number, const QStringList& args,
                         PromptIcon icon = PromptIcon::None, PromptButtons buttons = PromptButtons::Ok);

// Shows a composed or literal text through the prompter.
PromptAnswer ShowText(RunContext& state, const QString& text, PromptIcon icon = PromptIcon::None,
                      PromptButtons buttons = PromptButtons::Ok);

} // namespace mk21
