#include "base/LanguageTexts.h"

#include "base/BuiltinTexts.h"
#include "base/RunContext.h"

#include <QDir>

#include <array>
#include <utility>

namespace mk21 {

QString SectionOfNumber(int number)
{
    // The first row whose upper bound the number does not exceed.
    static constexpr std::array<std::pair<int, const char*>, 21> table{{
        {8999, "OTHER"},   {9999, "Msg"},     {10999, "Menu"},        {11999, "ToolBar"},
        {12999, "Main"},   {13999, "Model"},  {14999, "ChannelInfo"}, {15999, "ChannelEdit"},
        {16999, "Option"}, {17999, "Radio"},  {18999, "DTMF"},        {19999, "TestFre"},
        {20999, "EMG"},    {21999, "Local"},  {22999, "Port"},        {23999, "Lang"},
        {24999, "About"},  {25999, "KeySet"}, {26999, "ScanSet"},     {27999, "AlertSet"},
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

QString GetLangText(RunContext& state, int number)
{
    const QString section = SectionOfNumber(number);
    const QString key = QString::number(number);
    const IniDocument& doc = state.languageCache.document(LanguageFilePath(state.settings));
    // An empty text would leave a message box or a menu blank: that is a damaged file too.
    if (const std::optional<QString> text = doc.value(section, key); text && !text->isEmpty())
        return *text;
    return BuiltinEnglish().value(section, key).value_or(QString());
}

QString EnglishText(int number, const QStringList& args)
{
    const QString text =
        BuiltinEnglish().value(SectionOfNumber(number), QString::number(number)).value_or(QString());
    return FillTextArgs(text, args);
}

QString FillTextArgs(const QString& text, const QStringList& args)
{
    // One pass, so that an argument holding "%2" (a file name may) is never replaced again.
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i + 1;
        while (text[i] == u'%' && end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
            ++end;
        const int n = end > i + 1 ? text.mid(i + 1, end - i - 1).toInt() : 0;
        if (n >= 1 && n <= args.size()) {
            out += args[n - 1];
            i = end - 1;
        } else {
            out += text[i];
        }
    }
    return out;
}

namespace {

PromptAnswer ask(RunContext& state, const QString& text, int number, PromptIcon icon, PromptButtons buttons)
{
    Prompt prompt;
    prompt.text = text;
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.textNumber = number;
    prompt.title = state.settings.ApplicationTitle;
    return state.prompter.ask(prompt);
}

} // namespace

PromptAnswer ShowMsg(RunContext& state, int number, PromptIcon icon, PromptButtons buttons)
{
    return ShowMsgWith(state, number, {}, icon, buttons);
}

PromptAnswer ShowMsgWith(RunContext& state, int number, const QStringList& args, PromptIcon icon,
                         PromptButtons buttons)
{
    return ask(state, FillTextArgs(GetLangText(state, number), args), number, icon, buttons);
}

PromptAnswer ShowMsgText(RunContext& state, int number, const QString& text, PromptIcon icon)
{
    return ask(state, text, number, icon, PromptButtons::Ok);
}

PromptAnswer ShowText(RunContext& state, const QString& text, PromptIcon icon, PromptButtons buttons)
{
    return ask(state, text, 0, icon, buttons);
}

} // namespace mk21
