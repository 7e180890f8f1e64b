#include "features/KeyEditor.h"

#include "tests/features/EditorTestSupport.h"

namespace mk21 {
namespace {

using Keys = KeySettingsRecord;

class KeyEditorTest : public test::EditorTest {
protected:
    Keys& keys() { return features().KeySettings; }
    void scanning(bool on) { features().ScanSettings.ScanMode = on ? 1 : 0; }
    QString function(int code) { return functions.at(code); }

    Editor::Model model = KeyEditor::Describe(state);
    QStringList functions = KeyEditor::FunctionTemplate(state);
};

TEST_F(KeyEditorTest, ShortPressesLeaveOutFourAndElevenAndNoKeyOffersTwentyOne)
{
    ASSERT_EQ(functions.size(), 22);
    EXPECT_EQ(functions.first(), "None");
    for (const char* name : {"Combo1(0)", "Combo1(2)"}) {
        const QStringList& entries = model.list(QLatin1String(name))->entries;
        EXPECT_EQ(entries, functions.mid(0, 21)) << name;
    }
    QStringList shortPress = functions.mid(0, 21);
    shortPress.removeAt(11);
    shortPress.removeAt(4);
    for (const char* name : {"Combo1(1)", "Combo1(3)"})
        EXPECT_EQ(model.list(QLatin1String(name))->entries, shortPress) << name;
    EXPECT_EQ(model.list("Combo1(9)")->entries.first(), "1.0");
    EXPECT_EQ(model.list("Combo1(10)")->entries.last(), "2.5");
    EXPECT_EQ(model.list("Combo1(10)")->entries.size(), 16);
    EXPECT_EQ(model.list("Combo1(3)")->labelText, 25006);
}

TEST_F(KeyEditorTest, OpeningANewConfigurationChangesNothing)
{
    const RadioConfiguration before = state.WorkingConfiguration;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, before);
}

TEST_F(KeyEditorTest, OpeningRewritesFunctionsTheListsCannotShow)
{
    struct Case {
        Integer Keys::*field;
        Integer stored;
        bool scanOn;
        Integer afterOpening;
    };
    const Case cases[] = {
        {&Keys::Pf1Short, 11, true, 0},       {&Keys::Pf2Long, 11, true, 11},
        {&Keys::Pf1Long, 21, true, 0},        {&Keys::Pf2Short, 4, true, 0},
        {&Keys::Pf2Long, 8, false, 0},        {&Keys::Pf2Long, 8, true, 8},
        {&Keys::Pf1Short, 12, false, 12},     {&Keys::Pf1Long, -3, true, 0},
        {&Keys::LongPressTime, 30, true, 10}, {&Keys::EmgLongPressTime, 25, true, 25},
        {&Keys::LongPressTime, 9, true, 10},
    };
    for (const Case& c : cases) {
        reset();
        scanning(c.scanOn);
        keys().*c.field = c.stored;
        open(model);
        EXPECT_EQ(keys().*c.field, c.afterOpening) << c.stored << (c.scanOn ? " scanning" : "");
    }
}

TEST_F(KeyEditorTest, ScanningOffRefusesTheScanFunction)
{
    for (const char* name : {"Combo1(0)", "Combo1(1)", "Combo1(2)", "Combo1(3)"}) {
        scanning(false);
        choose(model, name, function(KeyEditor::ScanFunction));
        EXPECT_EQ(shown(model, name), function(0)) << name;
        scanning(true);
        choose(model, name, function(KeyEditor::ScanFunction));
        EXPECT_EQ(shown(model, name), function(KeyEditor::ScanFunction)) << name;
    }
    EXPECT_EQ(keys().Pf1Long, 8);
    EXPECT_EQ(keys().Pf2Short, 8);
}

TEST_F(KeyEditorTest, FunctionsAreStoredByTheirTextNotTheirPosition)
{
    choose(model, "Combo1(1)", function(12)); // position 10 of the short-press list
    EXPECT_EQ(keys().Pf1Short, 12);
    choose(model, "Combo1(9)", "2.5");
    EXPECT_EQ(keys().LongPressTime, 25);
    choose(model, "Combo1(10)", "1.0");
    EXPECT_EQ(keys().EmgLongPressTime, 10);

    // Two functions sharing a text: the lower code is stored.
    QStringList same = functions;
    same[15] = same[13];
    EXPECT_EQ(KeyEditor::ChosenCode(same, same.mid(0, 21), same[15], 1), 13);
}

} // namespace
} // namespace mk21
