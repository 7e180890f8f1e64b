#include "tools/ctl/OncePerKindPrompter.h"

namespace mk21::ctl {

PromptAnswer OncePerKindPrompter::ask(const Prompt& prompt)
{
    if (prompt.buttons == PromptButtons::Ok) {
        const QString kind = prompt.textNumber != 0 ? QString::number(prompt.textNumber) : prompt.text;
        if (shown_.contains(kind))
            return PromptAnswer::Ok;
        shown_.insert(kind);
    }
    return next_.ask(prompt);
}

} // namespace mk21::ctl
