#pragma once

#include "base/Prompter.h"

#include <QString>

#include <utility>

class QWidget;

namespace mk21 {

// Shows prompts as QMessageBox windows with the application title as caption.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QString applicationTitle) : title_(std::move(applicationTitle)) {}
    void setApplicationTitle(const QString& title) { title_ = title; }
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    PromptAnswer ask(const Prompt& prompt) override;

private:
    QString title_;
    QWidget* parent_ = nullptr; // not owned
};

} // namespace mk21
