#include "features/OptionalFeaturesEditor.h"

#include "tests/features/EditorTestSupport.h"

#include <QStringList>

namespace mk21 {
namespace {

using Block = OptionalFeatureSettings;

class OptFeaturesEditor : public test::EditorTest {
protected:
    Block& block() { return features().OptionalFeatures; }
    Editor::Model model = OptFeatures::Describe(state);
};

struct ListEntries {
    const char* list;
    int count;
    const char* first;
    const char* last;
};

TEST_F(OptFeaturesEditor, EveryListHasThePartsEntriesInOrder)
{
    const ListEntries expected[] = {
        {"Combo1(0)", 10, "0", "9"},           {"Combo1(1)", 2, "Chinese", "English"},
        {"Combo1(2)", 4, "Off", "180° Phase"}, {"Combo1(3)", 4, "Off", "1:4"},
        {"Combo1(4)", 17, "Off", "240"},       {"Combo1(5)", 11, "Off", "10"},
        {"Combo1(6)", 61, "0", "60"},          {"Combo1(7)", 31, "0", "30"},
        {"Combo1(8)", 7, "Off", "6"},          {"Combo1(9)", 10, "0.5", "5.0"},
        {"Combo1(10)", 8, "1", "8"},           {"Combo1(11)", 5, "1", "5"},
    };
    ASSERT_EQ(model.lists.size(), std::size(expected));
    for (const ListEntries& e : expected) {
        const Editor::List* list = model.list(QLatin1String(e.list));
        ASSERT_NE(list, nullptr) << e.list;
        EXPECT_EQ(list->entries.size(), e.count) << e.list;
        EXPECT_EQ(list->entries.first(), QString::fromUtf8(e.first)) << e.list;
        EXPECT_EQ(list->entries.last(), QString::fromUtf8(e.last)) << e.list;
    }
    EXPECT_EQ(model.list("Combo1(4)")->entries.at(2), "30");
    EXPECT_EQ(model.list("Combo1(2)")->entries.at(1), "55 Hz Tone");
    EXPECT_EQ(model.list("Combo1(9)")->entries.at(1), "1.0");
    EXPECT_EQ(model.list("Combo1(11)")->labelText, 16012);
    EXPECT_EQ(model.check("Check1(5)")->caption, 16025);
}

TEST_F(OptFeaturesEditor, OpeningANewConfigurationStoresOnlyVolumeAndGroup)
{
    RadioConfiguration expected = state.WorkingConfiguration;
    expected.Features.OptionalFeatures.VoiceVolume = 1;
    expected.Features.OptionalFeatures.ChannelGroup = 1;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, expected);
}

struct Normalised {
    Integer Block::*field;
    Integer stored;
    Integer afterOpening;
    const char* why;
};

TEST_F(OptFeaturesEditor, OpeningReplacesWhatTheListsCannotShowAndKeepsOddCheckBoxes)
{
    const Normalised cases[] = {
        {&Block::TotTime, 22, 15, "22 / 15 rounds to 1"},
        {&Block::TotTime, 240, 240, "the last entry"},
        {&Block::TotTime, 250, 0, "beyond the list: Off"},
        {&Block::TotTime, -8, 0, "below the list"},
        {&Block::VoicePrompt, 0, 1, "first entry is 1"},
        {&Block::ChannelGroup, 9, 1, "group 9 does not exist"},
        {&Block::SquelchLevel, 12, 0, "beyond 9"},
        {&Block::VoxDelay, 9, 9, "5.0 s"},
        {&Block::TotPreAlert, 11, 0, "beyond 10"},
        {&Block::WiredClone, 2, 2, "a check box keeps an odd value"},
        {&Block::VoxOn, -1, -1, "a check box keeps an odd value"},
    };
    for (const Normalised& c : cases) {
        reset();
        block().*c.field = c.stored;
        open(model);
        EXPECT_EQ(block().*c.field, c.afterOpening) << c.why;
    }
}

struct Choice {
    const char* list;
    const char* entry;
    Integer Block::*field;
    Integer stored;
};

TEST_F(OptFeaturesEditor, AChoiceStoresItsValue)
{
    const Choice choices[] = {
        {"Combo1(9)", "5.0", &Block::VoxDelay, 9},     {"Combo1(4)", "240", &Block::TotTime, 240},
        {"Combo1(4)", "Off", &Block::TotTime, 0},      {"Combo1(1)", "English", &Block::VoicePrompt, 2},
        {"Combo1(10)", "8", &Block::ChannelGroup, 8},  {"Combo1(11)", "5", &Block::VoiceVolume, 5},
        {"Combo1(2)", "Off", &Block::TailElimMode, 0}, {"Combo1(5)", "10", &Block::TotPreAlert, 10},
        {"Combo1(6)", "60", &Block::TotRekey, 60},     {"Combo1(7)", "30", &Block::TotReset, 30},
        {"Combo1(8)", "6", &Block::VoxLevel, 6},       {"Combo1(0)", "9", &Block::SquelchLevel, 9},
        {"Combo1(3)", "1:2", &Block::BatterySave, 2},
    };
    for (const Choice& c : choices) {
        choose(model, c.list, QString::fromUtf8(c.entry));
        EXPECT_EQ(block().*c.field, c.stored) << c.list << " " << c.entry;
        EXPECT_EQ(shown(model, c.list), QString::fromUtf8(c.entry)) << c.list;
    }
}

TEST_F(OptFeaturesEditor, SaveOptFeatWritesTheOneFieldOfItsId)
{
    Integer Block::*const checks[] = {&Block::VoxOn,       &Block::VoxTone,    &Block::ChannelLock,
                                      &Block::GroupSelect, &Block::WiredClone, &Block::NoSigTailElim};
    for (int j = 0; j < OptFeatures::CheckCount; ++j) {
        Block expected = block();
        expected.*checks[j] = 1;
        OptFeatures::SaveOptFeat(block(), OptFeatures::CheckIdBase + j, 1);
        EXPECT_EQ(block(), expected) << "Check1(" << j << ")";
    }
    const Block before = block();
    for (int id : {-1, 12, 19, 26})
        OptFeatures::SaveOptFeat(block(), id, 5);
    EXPECT_EQ(block(), before);
    // Through the description: a click on Check1(4) stores WiredClone.
    model.check("Check1(4)")->store(state, 0);
    EXPECT_EQ(block().WiredClone, 0);
}

TEST_F(OptFeaturesEditor, VoxLevelDelayAndToneCanBeUsedOnlyWhileVoxIsOn)
{
    const Editor::Model& m = model;
    auto usable = [&](const std::function<bool(const ConfigurationState&)>& rule) {
        return Editor::IsEnabled(rule, state);
    };
    for (Integer vox : {0, 1, 2}) {
        block().VoxOn = vox;
        const bool on = vox == 1;
        EXPECT_EQ(usable(m.list("Combo1(8)")->enabled), on) << vox;
        EXPECT_EQ(usable(m.list("Combo1(9)")->enabled), on) << vox;
        EXPECT_EQ(usable(m.check("Check1(1)")->enabled), on) << vox;
        EXPECT_TRUE(usable(m.list("Combo1(0)")->enabled));
        EXPECT_TRUE(usable(m.check("Check1(0)")->enabled));
    }
    m.check("Check1(0)")->store(state, 1);
    EXPECT_TRUE(usable(m.list("Combo1(8)")->enabled));
}

} // namespace
} // namespace mk21
