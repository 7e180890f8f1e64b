// The FM radio memories and the test frequencies as their grids commit them: what a typed text
// becomes in the cell and in the record, byte for byte, and where Enter goes.
#include "features/FmRadioEditor.h"
#include "features/TestFrequencyEditor.h"

#include "tests/features/EditorTestSupport.h"

namespace mk21 {
namespace {

using GridEditorsTest = test::EditorTest;

TEST_F(GridEditorsTest, AnFmFrequencyIsLimitedToTheBroadcastBandAndPutOnTheFiftyKilohertzGrid)
{
    const struct {
        const char* typed;
        const char* shown;
        const char* stored; // FmFreq, all eight bytes
    } cases[] = {
        {"120", "108.00000", "10800000"},    {"50", "076.00000", "07600000"},
        {"88.125", "088.10000", "08810000"}, // 8812.5 goes to the even 8812, remainder 2: down
        {"88.13", "088.15000", "08815000"},  // remainder 3: up
        {"88.1", "088.10000", "08810000"},   {".", "076.00000", "07600000"},
        {"107.99", "108.00000", "10800000"}, {"76", "076.00000", "07600000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(FmRadioEditor::Commit(state, 7, QLatin1String(c.typed)), c.shown);
        const FmChannelRecord& fm = state.WorkingConfiguration.FmChannels[6];
        EXPECT_EQ(fm.FmEmpty, 0);
        EXPECT_EQ(fm.FmFreq.raw(), c.stored);
        // The cell shows it again from the record when the window opens.
        EXPECT_EQ(FmRadioEditor::CellText(state, 7), QString(c.shown).mid(c.shown[0] == '0' ? 1 : 0));
    }
    EXPECT_TRUE(prompter.asked.isEmpty()) << "the FM band needs no warning";
}

TEST_F(GridEditorsTest, AClearedFmCellIsEmptyAndAStoredOneShowsAgain)
{
    FmChannelRecord& fm = state.WorkingConfiguration.FmChannels[19];
    fm.FmEmpty = 0;
    fm.FmFreq = "08750000";
    EXPECT_EQ(FmRadioEditor::CellText(state, 20), "87.50000");
    EXPECT_EQ(FmRadioEditor::Commit(state, 20, QString()), "");
    EXPECT_EQ(fm.FmEmpty, 1);
    EXPECT_EQ(fm.FmFreq.raw(), "        ");
    EXPECT_EQ(FmRadioEditor::CellText(state, 20), "");

    EXPECT_EQ(FmRadioEditor::GetSaveRadioFreData("088.10000"), "08810000");
    EXPECT_EQ(FmRadioEditor::GetSaveRadioFreData("88"), "88");
    EXPECT_DOUBLE_EQ(FmRadioEditor::StepRadio(88.12), 88.10);
    EXPECT_EQ(FmRadioEditor::NextRow(20), 1);
    EXPECT_EQ(FmRadioEditor::NextRow(1), 2);
}

TEST_F(GridEditorsTest, ATestFrequencyIsClampedIntoTheBandWithoutStepAlignment)
{
    ASSERT_EQ(state.model.BandLow, 400);
    ASSERT_EQ(state.model.BandHigh, 480);
    const struct {
        int col;
        const char* typed;
        const char* shown;
        const char* stored;
        bool warned;
    } cases[] = {
        {1, "500", "480.00000", "48000000", true},        {2, "300", "400.00000", "40000000", true},
        {1, ".", "400.00000", "40000000", true},          {2, "438.5", "438.50000", "43850000", false},
        {1, "438.12345", "438.12345", "43812345", false}, // on no step grid, and kept so
        {2, "480", "480.00000", "48000000", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompter.clear();
        EXPECT_EQ(TestFrequencyEditor::Commit(state, 3, c.col, QLatin1String(c.typed)), c.shown);
        const TestFrequencyRecord& item = state.WorkingConfiguration.TestFrequencies[2];
        EXPECT_EQ((c.col == 1 ? item.TestFreqB : item.TestFreqA).raw(), c.stored);
        EXPECT_EQ(TestFrequencyEditor::CellText(state, 3, c.col), c.shown);
        EXPECT_EQ(prompter.wasShown(9021), c.warned);
    }

    EXPECT_EQ(TestFrequencyEditor::Commit(state, 5, 2, QString()), "");
    EXPECT_EQ(state.WorkingConfiguration.TestFrequencies[4].TestFreqA.raw(), QString(QChar(0)) + "       ");
    // The tuning points of a new configuration, first column TestFreqB.
    EXPECT_EQ(TestFrequencyEditor::TuningCellText(state, 4, 1), "460.60000");
    EXPECT_EQ(TestFrequencyEditor::TuningCellText(state, 4, 2), "470.50000");
}

TEST_F(GridEditorsTest, EnterWalksColumnOneThenTwoThenTheNextRowAndAnEmptyColumnOneSkipsTheRow)
{
    using Cell = TestFrequencyEditor::Cell;
    const struct {
        Cell from;
        bool empty;
        Cell to;
    } cases[] = {
        {{3, 1}, false, {3, 2}}, {{3, 2}, false, {4, 1}}, {{11, 2}, false, {1, 1}},
        {{5, 1}, true, {6, 1}},  {{11, 1}, true, {1, 1}}, {{5, 2}, true, {6, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.row << "," << c.from.col << (c.empty ? " empty" : ""));
        EXPECT_EQ(TestFrequencyEditor::NextCell(c.from, c.empty), c.to);
    }
}

} // namespace
} // namespace mk21
