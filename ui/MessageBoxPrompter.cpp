#include "ui/MessageBoxPrompter.h"

#include <QMessageBox>

namespace mk21 {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case PromptButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

PromptAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Retry: return PromptAnswer::Retry;
    default: return PromptAnswer::Ok;
    }
}

} // namespace

PromptAnswer MessageBoxPrompter::ask(const Prompt& prompt)
{
    QMessageBox box(iconOf(prompt.icon), prompt.title.isEmpty() ? title_ : prompt.title, prompt.text,
                    buttonsOf(prompt.buttons), parent_);
    const int result = box.exec();
    // The close box of a question with Cancel answers Cancel; of a plain box, OK.
    return answerOf(result);
}

} // namespace mk21
