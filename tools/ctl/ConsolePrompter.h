#pragma once

#include "base/Prompter.h"

namespace mk21::ctl {

// The command-line tool's prompter: every message goes to standard error; questions are answered
// by --yes, by the user on a terminal, or otherwise with the cautious button.
class ConsolePrompter final : public Prompter {
public:
    enum class Mode { AnswerYes, AskOnTerminal, AnswerNo };
    explicit ConsolePrompter(Mode mode) : mode_(mode) {}
    PromptAnswer ask(const Prompt& prompt) override;

    // A question was answered Cancel or No (by the user or the cautious default): a command
    // that then fails was cancelled rather than broken.
    bool declined() const { return declined_; }

private:
    PromptAnswer record(PromptAnswer answer);

    Mode mode_;
    bool declined_ = false;
};

} // namespace mk21::ctl
