#pragma once

class QWidget;

namespace mk21 {

class RunContext;

// The common button captions of dialogs and editors, found by the buttons' object names.
namespace ModLang {

// CommandOK := Msg 9017, CommandCancel := Msg 9018; a missing button is skipped.
void SetOkCancelCaptions(RunContext& state, QWidget* window);

// CommandClose := Msg 9023, CommandHelp := Msg 9025; a missing button is skipped.
void SetCloseHelpCaptions(RunContext& state, QWidget* window);

} // namespace ModLang
} // namespace mk21
