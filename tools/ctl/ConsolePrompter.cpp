#include "tools/ctl/ConsolePrompter.h"

#include <QTextStream>

#include <cstdio>

namespace mk21::ctl {

namespace {

PromptAnswer affirmative(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel: return PromptAnswer::Yes;
    case PromptButtons::RetryCancel: return PromptAnswer::Retry;
    case PromptButtons::Ok:
    case PromptButtons::OkCancel: break;
    }
    return PromptAnswer::Ok;
}

PromptAnswer negative(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::YesNo: return PromptAnswer::No;
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
    case PromptButtons::RetryCancel: break;
    }
    return PromptAnswer::Cancel;
}

QString choices(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::OkCancel: return QStringLiteral("[o]k/[c]ancel");
    case PromptButtons::YesNo: return QStringLiteral("[y]es/[n]o");
    case PromptButtons::YesNoCancel: return QStringLiteral("[y]es/[n]o/[c]ancel");
    case PromptButtons::RetryCancel: return QStringLiteral("[r]etry/[c]ancel");
    case PromptButtons::Ok: break;
    }
    return {};
}

PromptAnswer answerOfLine(const QString& line, PromptButtons buttons)
{
    const QString a = line.trimmed().toLower();
    if (a.startsWith(u'y') && (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel))
        return PromptAnswer::Yes;
    if (a.startsWith(u'n') && (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel))
        return PromptAnswer::No;
    if (a.startsWith(u'o') && buttons == PromptButtons::OkCancel)
        return PromptAnswer::Ok;
    if (a.startsWith(u'r') && buttons == PromptButtons::RetryCancel)
        return PromptAnswer::Retry;
    return negative(buttons);
}

} // namespace

PromptAnswer ConsolePrompter::ask(const Prompt& prompt)
{
    QTextStream err(stderr);
    err << prompt.text;
    if (prompt.buttons == PromptButtons::Ok || mode_ != Mode::AskOnTerminal) {
        err << '\n';
        err.flush();
        if (prompt.buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return record(mode_ == Mode::AnswerYes ? affirmative(prompt.buttons) : negative(prompt.buttons));
    }
    err << ' ' << choices(prompt.buttons) << ' ';
    err.flush();
    QTextStream in(stdin);
    return record(answerOfLine(in.readLine(), prompt.buttons));
}

PromptAnswer ConsolePrompter::record(PromptAnswer answer)
{
    if (answer == PromptAnswer::Cancel || answer == PromptAnswer::No)
        declined_ = true;
    return answer;
}

} // namespace mk21::ctl
