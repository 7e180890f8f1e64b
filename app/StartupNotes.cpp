#include "app/StartupNotes.h"

#include "app/AppState.h"
#include "app/LanguageCatalogue.h"
#include "base/BuiltinTexts.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "link/VersionTables.h"

#include <QDir>
#include <QFile>

namespace mk21 {

std::optional<StartupNote> CheckLanguageFile(AppState& state)
{
    const QString path = LanguageFilePath(state.settings);
    const QList<int> numbers = LanguageCatalogue::AllNumbers();
    qsizetype missing = numbers.size();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const IniDocument doc = IniDocument::parse(DecodeTextFile(file.readAll()));
        missing = std::count_if(numbers.begin(), numbers.end(), [&](int number) {
            return doc.value(SectionOfNumber(number), QString::number(number)).value_or(QString()).isEmpty();
        });
    }
    if (missing == 0)
        return std::nullopt;
    const QString text = BuiltinEnglish()
                             .value(SectionOfNumber(Texts::Msg::LanguageFileDamaged),
                                    QString::number(Texts::Msg::LanguageFileDamaged))
                             .value_or(QString());
    return StartupNote{Texts::Msg::LanguageFileDamaged,
                       FillTextArgs(text, {QDir::toNativeSeparators(path), QString::number(missing),
                                           QString::number(numbers.size())})};
}

StartupNote VersionTableNote(AppState& state)
{
    return {Texts::Msg::VersionTableDamaged,
            FillTextArgs(GetLangText(state, Texts::Msg::VersionTableDamaged),
                         {QDir::toNativeSeparators(ModVersion::VersionTablePath(state)),
                          ModVersion::ShowVersion(QString::fromLatin1(ReleaseTag))})};
}

void ReportStartupNotes(AppState& state, const QList<StartupNote>& notes)
{
    for (const StartupNote& note : notes) {
        Prompt prompt;
        prompt.text = note.text;
        prompt.icon = PromptIcon::Warning;
        prompt.textNumber = note.textNumber;
        prompt.title = state.settings.ApplicationTitle;
        state.prompter.ask(prompt);
    }
}

} // namespace mk21
