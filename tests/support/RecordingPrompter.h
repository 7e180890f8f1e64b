#pragma once

#include "base/Prompter.h"

#include <QList>

#include <deque>
#include <map>

namespace mk21::test {

// Answers prompts from a script and records every prompt asked.
class RecordingPrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override;

    void script(PromptAnswer answer) { answers_.push_back(answer); }
    // Answers the prompts of one text number from a script of their own while it lasts, before the
    // general script.
    void scriptFor(int textNumber, PromptAnswer answer) { answersFor_[textNumber].push_back(answer); }
    // Text numbers of the prompts asked so far, in order (0 for composed texts).
    QList<int> numbers() const;
    bool wasShown(int textNumber) const { return numbers().contains(textNumber); }
    void clear()
    {
        asked.clear();
        answers_.clear();
        answersFor_.clear();
    }

    QList<Prompt> asked;

private:
    std::deque<PromptAnswer> answers_;
    std::map<int, std::deque<PromptAnswer>> answersFor_;
};

} // namespace mk21::test
