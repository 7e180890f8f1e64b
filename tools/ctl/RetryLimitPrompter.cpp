#include "tools/ctl/RetryLimitPrompter.h"

namespace mk21::ctl {

PromptAnswer RetryLimitPrompter::ask(const Prompt& prompt)
{
    if (prompt.textNumber != textNumber_ || prompt.buttons == PromptButtons::Ok)
        return inner_.ask(prompt);
    if (count_ < limit_) {
        ++count_;
        return inner_.ask(prompt);
    }
    Prompt shown = prompt; // still tell the user, then give up
    shown.buttons = PromptButtons::Ok;
    inner_.ask(shown);
    return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

} // namespace mk21::ctl
