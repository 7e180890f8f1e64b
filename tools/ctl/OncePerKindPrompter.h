#pragma once

#include "base/Prompter.h"

#include <QSet>
#include <QString>

namespace mk21::ctl {

// Passes every question on, but each kind of message (an OK box: one text number, or one literal
// text) only the first time: a damaged file must not print one line per bad value.
class OncePerKindPrompter final : public Prompter {
public:
    explicit OncePerKindPrompter(Prompter& next) : next_(next) {}
    PromptAnswer ask(const Prompt& prompt) override;

private:
    Prompter& next_;
    QSet<QString> shown_;
};

} // namespace mk21::ctl
