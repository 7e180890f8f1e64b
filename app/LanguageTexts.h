#pragma once

#include "ui/Prompter.h"

#include <QString>

namespace mk21 {

class AppState;
struct AppSettings;

// The language-file section a text number selects ("Msg" for 9000..9999, and so on).
QString SectionOfNumber(int number);

// ProgramFolder/language/LanguageFileName.
QString LanguageFilePath(const AppSettings& settings);

// The text of a number in the current language file; empty when file, section or key is missing.
QString GetLangText(AppState& state, int number);

// Shows language text `number` through the prompter (caption: the application title).
PromptAnswer ShowMsg(AppState& state, int number, PromptIcon icon = PromptIcon::None,
                     PromptButtons buttons = PromptButtons::Ok);

// Shows text composed from language text `number` (with a path or reason added, say), as that text.
PromptAnswer ShowMsgText(AppState& state, int number, const QString& text,
                         PromptIcon icon = PromptIcon::None);

// Shows a composed or literal text through the prompter.
PromptAnswer ShowText(AppState& state, const QString& text, PromptIcon icon = PromptIcon::None,
                      PromptButtons buttons = PromptButtons::Ok);

} // namespace mk21
