#pragma once

#include <QString>

namespace mk21 {

enum class PromptIcon { None, Information, Warning, Question, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// One message box or question: the text, the icon and buttons the caller names, and the
// language-text number it came from (0 for a composed or literal text), so that tests can see it.
struct Prompt {
    QString text;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    int textNumber = 0;
    QString title; // empty: the application title
};

// Every message box and question of the program goes through a Prompter: windows, the
// command-line tool and tests each answer in their own way.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

} // namespace mk21
