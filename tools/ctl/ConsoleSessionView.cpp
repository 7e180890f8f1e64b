#include "tools/ctl/ConsoleSessionView.h"

#include "app/AppState.h"
#include "base/FixedText.h"
#include "base/LanguageTexts.h"
#include "base/texts/LanguageDialogTexts.h"
#include "link/SessionEngine.h"

#include <QTextStream>

#include <algorithm>

namespace mk21::ctl {

namespace {

constexpr int BarWidth = 30;
constexpr int PasswordLength = 4;

} // namespace

void ConsoleSessionView::sessionStarted(int operationType)
{
    title_ = GetLangText(state_, ModSession::ProgressTitle(operationType));
    draw(0);
}

void ConsoleSessionView::progressChanged(int percent)
{
    draw(percent);
}

void ConsoleSessionView::sessionEnded(int, bool)
{
    if (!showBar_)
        return;
    QTextStream err(stderr);
    err << '\n';
}

std::optional<QString> ConsoleSessionView::askPassword(const QString&)
{
    QTextStream err(stderr);
    if (showBar_)
        err << '\n';
    if (!askOnTerminal_)
        return std::nullopt;
    err << GetLangText(state_, Texts::Password::Label) << ' ';
    err.flush();
    QTextStream in(stdin);
    QString line;
    if (!in.readLineInto(&line))
        return std::nullopt;
    return TrimNul(line).left(PasswordLength);
}

void ConsoleSessionView::draw(int percent)
{
    if (!showBar_)
        return;
    const int p = std::clamp(percent, 0, 100);
    const int filled = p * BarWidth / 100;
    QTextStream err(stderr);
    err << '\r' << title_ << " [" << QString(filled, u'#') << QString(BarWidth - filled, u'.') << "] "
        << QString::number(p).rightJustified(3) << '%';
    err.flush();
}

} // namespace mk21::ctl
