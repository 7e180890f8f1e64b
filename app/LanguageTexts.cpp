#include "app/LanguageTexts.h"

#include "app/AppState.h"

#include <QDir>

#include <array>
#include <utility>

namespace mk21 {

QString SectionOfNumber(int number)
{
    // The first row whose upper bound the number does not exceed.
    static constexpr std::array<std::pair<int, const char*>, 21> table{{
        {8999, "OTHER"},   {9999, "Msg"},      {10999, "Menu"},     {11999, "ToolBar"},
        {12999, "Main"},   {13999, "Model"},   {14999, "ChannelInfo"}, {15999, "ChannelEdit"},
        {16999, "Option"}, {17999, "Radio"},   {18999, "DTMF"},     {19999, "TestFre"},
        {20999, "EMG"},    {21999, "Local"},   {22999, "Port"},     {23999, "Lang"},
        {24999, "About"},  {25999, "KeySet"},  {26999, "ScanSet"},  {27999, "AlertSet"},
        {28999, "CHEdit"},
    }};
    for (const auto& [upper, name] : table) {
        if (number <= upper)
            return QString::fromLatin1(name);
    }
    return QStringLiteral("Others");
}

QString LanguageFilePath(const AppSettings& settings)
{
    return QDir(settings.ProgramFolder).filePath(QStringLiteral("language/") + settings.LanguageFileName);
}

QString GetLangText(AppState& state, int number)
{
    const IniDocument& doc = state.languageCache.document(LanguageFilePath(state.settings));
    return doc.value(SectionOfNumber(number), QString::number(number)).value_or(QString());
}

PromptAnswer ShowMsg(AppState& state, int number, PromptIcon icon, PromptButtons buttons)
{
    Prompt prompt;
    prompt.text = GetLangText(state, number);
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.textNumber = number;
    prompt.title = state.settings.ApplicationTitle;
    return state.prompter.ask(prompt);
}

PromptAnswer ShowMsgText(AppState& state, int number, const QString& text, PromptIcon icon)
{
    Prompt prompt;
    prompt.text = text;
    prompt.icon = icon;
    prompt.textNumber = number;
    prompt.title = state.settings.ApplicationTitle;
    return state.prompter.ask(prompt);
}

PromptAnswer ShowText(AppState& state, const QString& text, PromptIcon icon, PromptButtons buttons)
{
    Prompt prompt;
    prompt.text = text;
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.title = state.settings.ApplicationTitle;
    return state.prompter.ask(prompt);
}

} // namespace mk21
