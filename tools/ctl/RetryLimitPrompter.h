#pragma once

#include "base/Prompter.h"

namespace mk21::ctl {

// Passes every prompt on, but answers one question affirmatively only `limit` times and then
// cancels it: with --yes a radio that never answers must not be retried for ever.
class RetryLimitPrompter final : public Prompter {
public:
    RetryLimitPrompter(Prompter& inner, int textNumber, int limit)
        : inner_(inner), textNumber_(textNumber), limit_(limit)
    {
    }
    PromptAnswer ask(const Prompt& prompt) override;

private:
    Prompter& inner_;
    int textNumber_;
    int limit_;
    int count_ = 0;
};

} // namespace mk21::ctl
