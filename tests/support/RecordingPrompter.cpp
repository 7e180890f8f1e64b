#include "tests/support/RecordingPrompter.h"

namespace mk21::test {

namespace {
// Without a scripted answer, the first (affirmative) button of the box is pressed.
PromptAnswer firstButton(PromptButtons buttons)
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
} // namespace

PromptAnswer RecordingPrompter::ask(const Prompt& prompt)
{
    asked.append(prompt);
    if (const auto own = answersFor_.find(prompt.textNumber);
        own != answersFor_.end() && !own->second.empty()) {
        const PromptAnswer answer = own->second.front();
        own->second.pop_front();
        return answer;
    }
    if (answers_.empty())
        return firstButton(prompt.buttons);
    const PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QList<int> RecordingPrompter::numbers() const
{
    QList<int> out;
    for (const Prompt& p : asked)
        out.append(p.textNumber);
    return out;
}

} // namespace mk21::test
