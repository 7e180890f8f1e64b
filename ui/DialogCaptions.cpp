#include "ui/DialogCaptions.h"

#include "base/LanguageTexts.h"
#include "base/RunContext.h"

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
    SetButtonText(window, "CommandOK", GetLangText(state, 9017));
    SetButtonText(window, "CommandCancel", GetLangText(state, 9018));
}

void SetCloseHelpCaptions(RunContext& state, QWidget* window)
{
    SetButtonText(window, "CommandClose", GetLangText(state, 9023));
    SetButtonText(window, "CommandHelp", GetLangText(state, 9025));
}

} // namespace mk21::ModLang
