#include "ui/DialogCaptions.h"

#include "base/LanguageTexts.h"
#include "base/RunContext.h"
#include "base/texts/MessageTexts.h"

#include <QAbstractButton>
#include <QWidget>

namespace mk21::ModLang {

namespace {
void SetButtonText(QWidget* window, const char* name, const QString& text)
{
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->setText(text);
}
} // namespace

void SetOkCancelCaptions(RunContext& state, QWidget* window)
{
    SetButtonText(window, "CommandOK", GetLangText(state, Texts::Msg::Ok));
    SetButtonText(window, "CommandCancel", GetLangText(state, Texts::Msg::Cancel));
}

void SetCloseHelpCaptions(RunContext& state, QWidget* window)
{
    SetButtonText(window, "CommandClose", GetLangText(state, Texts::Msg::Close));
    SetButtonText(window, "CommandHelp", GetLangText(state, Texts::Msg::Help));
}

} // namespace mk21::ModLang
