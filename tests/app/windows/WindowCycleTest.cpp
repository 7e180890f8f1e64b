#include "app/windows/FrmHabits.h"
#include "app/windows/FrmMsgConfirm.h"
#include "app/windows/FrmSetLanguage.h"
#include "app/windows/Switchboard.h"
#include "app/windows/frmAbout.h"
#include "app/windows/frmMain.h"
#include "app/windows/frmSplash.h"
#include "data/windows/FrmModelInfo.h"
#include "link/windows/FrmPassWord.h"
#include "link/windows/FrmProgress.h"
#include "link/windows/FrmSetComm.h"
#include "tests/app/windows/frmMainHarness.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using mk21::test::MainWindowHarness;

namespace {

// Opens and closes a window `cycles` times; every widget it made must be gone afterwards.
// (The address sanitizer's leak check at exit catches what is lost without a parent.)
void cycle(const char* name, const std::function<std::unique_ptr<QWidget>()>& make, int cycles = 100)
{
    const qsizetype before = QApplication::allWidgets().size();
    for (int i = 0; i < cycles; ++i) {
        std::unique_ptr<QWidget> window = make();
        window->show();
        window->close();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(QApplication::allWidgets().size(), before) << name;
}

} // namespace

TEST(WindowCycles, EveryChildWindowOfTheSwitchboardOpensAndClosesAHundredTimesWithoutLeftovers)
{
    MainWindowHarness h;
    h.open();
    mk21::Switchboard& board = h.window->switchboard();
    int made = 0;
    for (const mk21::ChildWindowRow& row : mk21::Switchboard::rows()) {
        if (row.make == nullptr)
            continue; // still to come: opens nothing
        ++made;
        cycle(row.form, [&] { return board.make(row); });
    }
    EXPECT_GE(made, 2) << "the channel table and the channel edit window at least";
}

// The dialogs, which the switchboard does not list.
TEST(WindowCycles, EveryDialogOpensAndClosesAHundredTimesWithoutLeftovers)
{
    MainWindowHarness h;
    mk21::AppState& st = h.state;
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
        {"FrmSetLanguage", [&] { return std::make_unique<mk21::FrmSetLanguage>(st); }},
        {"FrmHabits", [&] { return std::make_unique<mk21::FrmHabits>(st); }},
        {"FrmMsgConfirm", [&] { return std::make_unique<mk21::FrmMsgConfirm>(st); }},
        {"FrmModelInfo", [&] { return std::make_unique<mk21::FrmModelInfo>(st); }},
        {"frmAbout", [&] { return std::make_unique<mk21::frmAbout>(st); }},
        {"frmSplash", [&] { return std::make_unique<mk21::frmSplash>(st); }},
        {"FrmSetComm", [&] { return std::make_unique<mk21::FrmSetComm>(st); }},
        {"FrmPassWord", [&] { return std::make_unique<mk21::FrmPassWord>(st); }},
        {"FrmProgress", [&] { return std::make_unique<mk21::FrmProgress>(st, 1); }},
    };
    for (const auto& [name, make] : windows)
        cycle(name, make);
}

TEST(WindowCycles, TheMainWindowOpensAndClosesAHundredTimesWithoutLeftovers)
{
    MainWindowHarness h;
    const qsizetype before = QApplication::allWidgets().size();
    for (int i = 0; i < 100; ++i) {
        h.open();
        h.window->close();
        h.window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(QApplication::allWidgets().size(), before);
    EXPECT_TRUE(h.prompter.asked.isEmpty()); // an unchanged document closes without a question
}
