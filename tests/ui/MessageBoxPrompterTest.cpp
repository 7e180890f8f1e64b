#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Presses a button of the message box that is shown next, once it is up.
void pressWhenShown(QMessageBox::StandardButton button, QString* caption, QString* text)
{
    QTimer::singleShot(0, qApp, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *caption = box->windowTitle();
        *text = box->text();
        box->button(button)->click();
    });
}

} // namespace

TEST(MessageBoxPrompter, ShowsTheTextUnderTheTitleAndReturnsTheButton)
{
    mk21::MessageBoxPrompter prompter(QStringLiteral("MK-21 CPS"));
    const struct {
        mk21::PromptButtons buttons;
        QMessageBox::StandardButton press;
        mk21::PromptAnswer answer;
    } cases[] = {
        {mk21::PromptButtons::Ok, QMessageBox::Ok, mk21::PromptAnswer::Ok},
        {mk21::PromptButtons::OkCancel, QMessageBox::Cancel, mk21::PromptAnswer::Cancel},
        {mk21::PromptButtons::YesNo, QMessageBox::No, mk21::PromptAnswer::No},
        {mk21::PromptButtons::YesNoCancel, QMessageBox::Yes, mk21::PromptAnswer::Yes},
        {mk21::PromptButtons::RetryCancel, QMessageBox::Retry, mk21::PromptAnswer::Retry},
    };
    for (const auto& c : cases) {
        QString caption;
        QString text;
        pressWhenShown(c.press, &caption, &text);
        mk21::Prompt prompt;
        prompt.text = QStringLiteral("The frequency is outside the band.");
        prompt.buttons = c.buttons;
        prompt.icon = mk21::PromptIcon::Warning;
        EXPECT_EQ(prompter.ask(prompt), c.answer);
        EXPECT_EQ(caption, "MK-21 CPS");
        EXPECT_EQ(text, prompt.text);
    }
}
