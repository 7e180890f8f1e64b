#pragma once

#include <QString>

namespace mk21 {

class AppState;

// The language dialog's decision, apart from the dialog.
namespace ModLanguage {

// "chinese.ini" for language 2, "english.ini" for any other.
QString LanguageFileOf(int language);

// Makes `language` current when it differs (ShownLanguage keeps the language the windows still
// show), then writes CurrentLanguage to mysetup.ini in either case. False when that file could
// not be written; the choice holds for this run all the same.
bool ChooseLanguage(AppState& state, int language);

} // namespace ModLanguage
} // namespace mk21
