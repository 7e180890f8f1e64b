// One contract for the windows that edit a grid through a box laid over the cursor cell (FM
// radio, test frequencies): captions from the language file, the box appears on entering a
// cell, takes only frequency characters, and what is typed is stored on Enter, on leaving the
// box and on closing; then where Enter goes in each.
#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/FmRadioTexts.h"
#include "base/texts/MessageTexts.h"
#include "base/texts/TestFrequencyTexts.h"
#include "data/ConfigurationOps.h"
#include "features/windows/FrmRadio.h"
#include "features/windows/FrmTestFre.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"
#include "ui/FlexGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace mk21 {
namespace {

using test::Control;

struct GridKind {
    const char* form;
    std::function<std::unique_ptr<EditorWindow>(ConfigurationState&)> make;
    int title;
    int headers[3]; // of MSFlexGrid1's columns; 0 past the last
    int boxLength;
    // The stored text of the part that cell (row, col) edits.
    std::function<QString(const ConfigurationState&, int row, int col)> stored;
};

void PrintTo(const GridKind& kind, std::ostream* out)
{
    *out << kind.form;
}

const GridKind Kinds[] = {
    {"FrmRadio",
     [](ConfigurationState& s) { return std::make_unique<FrmRadio>(s); },
     Texts::FmRadio::Title,
     {Texts::FmRadio::ChannelHeader, Texts::FmRadio::FrequencyHeader, 0},
     6,
     [](const ConfigurationState& s, int row, int) {
         return s.WorkingConfiguration.FmChannels.at(row - 1).FmFreq.raw();
     }},
    {"FrmTestFre",
     [](ConfigurationState& s) { return std::make_unique<FrmTestFre>(s); },
     Texts::TestFrequency::Title,
     {Texts::TestFrequency::NumberHeader, Texts::TestFrequency::ReceiveHeader,
      Texts::TestFrequency::TransmitHeader},
     9,
     [](const ConfigurationState& s, int row, int col) {
         const TestFrequencyRecord& item = s.WorkingConfiguration.TestFrequencies.at(row - 1);
         return (col == 1 ? item.TestFreqB : item.TestFreqA).raw();
     }},
};

class GridWindowBase {
protected:
    explicit GridWindowBase(int language)
    {
        state.settings.ProgramFolder =
            QDir(QStringLiteral(MK21_STAGE_DIR)).filePath(QString::fromLatin1(ReleaseTag));
        state.settings.CurrentLanguage = static_cast<Integer>(language);
        state.settings.LanguageFileName = language == 2 ? "chinese.ini" : "english.ini";
        ModConfig::ResetToDefaults(state, QDate(2026, 12, 9));
    }

    void open(const GridKind& kind)
    {
        window = static_cast<EditorWindow*>(ModFun::ShowChildForm(&area, kind.make(state)));
        area.resize(1000, 900);
        area.show();
        QApplication::setActiveWindow(&area);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        grid = Control<FlexGrid>(window, "MSFlexGrid1");
        box = Control<QLineEdit>(window, "Text1");
    }

    // Clicks cell (row, col) of the editable grid.
    void click(int row, int col)
    {
        const QRect cell = grid->cellRect(row, col, grid->viewport());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void type(const char* text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    test::RecordingPrompter prompter;
    AppState state{prompter};
    QMdiArea area;
    EditorWindow* window = nullptr;
    FlexGrid* grid = nullptr;
    QLineEdit* box = nullptr;
};

class GridWindowContract : public GridWindowBase, public testing::TestWithParam<std::tuple<GridKind, int>> {
protected:
    GridWindowContract() : GridWindowBase(std::get<1>(GetParam())) {}
    const GridKind& kind() const { return std::get<0>(GetParam()); }
};

TEST_P(GridWindowContract, CaptionsComeFromTheLanguageFileAndTheBoxWaitsForACell)
{
    open(kind());
    EXPECT_EQ(window->objectName(), kind().form);
    EXPECT_EQ(window->windowTitle(), GetLangText(state, kind().title));
    for (int col = 0; col < 3 && kind().headers[col] != 0; ++col)
        EXPECT_EQ(grid->cellText(0, col), GetLangText(state, kind().headers[col])) << col;
    EXPECT_EQ(grid->cellText(3, 0), "3");
    EXPECT_EQ(Control<QPushButton>(window, "CommandClose")->text(), GetLangText(state, Texts::Msg::Close));
    EXPECT_FALSE(Control<QPushButton>(window, "CommandHelp")->isVisible());
    EXPECT_EQ(box->maxLength(), kind().boxLength);
    EXPECT_FALSE(box->isVisible());

    click(2, 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->geometry(), grid->cellRect(2, 1, box->parentWidget()));
    click(2, 0);
    EXPECT_EQ(grid->Col(), 1) << "the number column holds no cursor";
}

TEST_P(GridWindowContract, OnlyFrequencyCharactersReachTheBox)
{
    open(kind());
    click(4, 1);
    type("4a3,8.-5x");
    EXPECT_EQ(box->text(), "438.5");
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "438.5");
}

TEST_P(GridWindowContract, WhatIsTypedIsStoredOnEnterOnLeavingAndOnClosing)
{
    open(kind());
    // FM: 88.125 goes down to 88.10; test frequencies keep 438.125 as typed.
    const bool fm = kind().boxLength == 6;
    const QString typed = fm ? QStringLiteral("88.125") : QStringLiteral("438.125");
    const QString expected = fm ? QStringLiteral("08810000") : QStringLiteral("43812500");

    click(2, 1);
    type(typed.toLatin1().constData());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(kind().stored(state, 2, 1), expected);
    EXPECT_NE(grid->Row() * 10 + grid->Col(), 21) << "Enter moved on";

    click(5, 1);
    type(typed.toLatin1().constData());
    Control<QPushButton>(window, "CommandClose")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(kind().stored(state, 5, 1), expected) << "leaving the box";

    click(6, 1);
    type(typed.toLatin1().constData());
    ModFun::CloseChildWindow(window); // as the Close button does
    EXPECT_EQ(kind().stored(state, 6, 1), expected) << "closing the window";

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open(kind());
    EXPECT_EQ(grid->cellText(6, 1), QLatin1String(fm ? "88.10000" : "438.12500"));
}

TEST_P(GridWindowContract, TypingOnTheGridEditsTheCursorCellAndReplacesWhatItHeld)
{
    open(kind());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_X); // no frequency character: nothing opens
    EXPECT_FALSE(box->isVisible());
    QTest::keyClick(grid, Qt::Key_4);
    ASSERT_TRUE(box->isVisible()) << "a window just opened takes typing at once";
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(1, 1));
    QTest::keyClicks(box, "45");
    EXPECT_EQ(box->text(), "445");

    click(3, 1);
    box->setText(QStringLiteral("99.5"));
    click(4, 1);
    click(3, 1);
    EXPECT_EQ(box->selectedText(), box->text()) << "entering a cell selects its text";
    QTest::keyClicks(box, "1");
    EXPECT_EQ(box->text(), "1");
}

INSTANTIATE_TEST_SUITE_P(GridWindows, GridWindowContract,
                         testing::Combine(testing::ValuesIn(Kinds), testing::Values(1, 2)),
                         [](const testing::TestParamInfo<std::tuple<GridKind, int>>& info) {
                             return std::string(std::get<0>(info.param).form) +
                                    (std::get<1>(info.param) == 2 ? "Chinese" : "English");
                         });

class GridWindowOwn : public GridWindowBase, public testing::Test {
protected:
    GridWindowOwn() : GridWindowBase(1) {}
};

TEST_F(GridWindowOwn, FmEnterOnTheLastRowGoesToTheFirst)
{
    open(Kinds[0]);
    click(20, 1);
    type("120");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(grid->cellText(20, 1), "108.00000");
    EXPECT_EQ(state.WorkingConfiguration.FmChannels[19].FmFreq.raw(), "10800000");
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(box->geometry(), grid->cellRect(1, 1, box->parentWidget()));
}

TEST_F(GridWindowOwn, TestFrequencyEnterClampsWalksTheColumnsAndSkipsAnEmptyFirstColumn)
{
    open(Kinds[1]);
    click(3, 1);
    type("500");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(state.WorkingConfiguration.TestFrequencies[2].TestFreqB.raw(), "48000000");
    EXPECT_EQ(grid->cellText(3, 1), "480.00000");
    EXPECT_TRUE(prompter.wasShown(9021));
    EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(3, 2));
    EXPECT_EQ(box->text(), grid->cellText(3, 2));

    click(11, 1);
    type("");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(state.WorkingConfiguration.TestFrequencies[10].TestFreqB.raw(), QString(QChar(0)) + "       ");
    EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(1, 1));

    // The tuning points are shown only.
    auto* tuning = Control<FlexGrid>(window, "MSFlexGrid2");
    EXPECT_EQ(tuning->cellText(4, 1), "460.60000");
    const QRect cell = tuning->cellRect(2, 1, tuning->viewport());
    QTest::mouseClick(tuning->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(box->geometry(), grid->cellRect(1, 1, box->parentWidget()));
    EXPECT_EQ(Control<QLabel>(window, "Label1(1)")->text(),
              GetLangText(state, Texts::TestFrequency::TuningLabel));
}

} // namespace
} // namespace mk21
