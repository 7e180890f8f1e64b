#pragma once

#include "base/Prompter.h"

#include <QList>

#include <deque>

namespace mk21::test {

// Answers prompts from a script and records every prompt asked.
class RecordingPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override;

    void script(PromptAnswer answer) { answers_.push_back(answer); }
    // Text numbers of the prompts asked so far, in order (0 for composed texts).
    QList<int> numbers() const;
    bool wasShown(int textNumber) const { return numbers().contains(textNumber); }
    void clear()
    {
        asked.clear();
        answers_.clear();
    }

    QList<Prompt> asked;

private:
    std::deque<PromptAnswer> answers_;
};

} // namespace mk21::test
