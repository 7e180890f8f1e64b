#include "features/DtmfEditor.h"

#include "tests/features/EditorTestSupport.h"

namespace mk21 {
namespace {

class DtmfEditorTest : public test::EditorTest {
protected:
    DtmfSettings& dtmf() { return features().Dtmf; }
    Editor::Model model = DtmfEditor::Describe(state);
};

TEST_F(DtmfEditorTest, ListsShowMillisecondsAndTheDecodeEntries)
{
    struct Expected {
        const char* list;
        int count;
        const char* first;
        const char* last;
        int label;
    };
    const Expected lists[] = {
        {"Combo1(0)", 10, "50", "500", 18005},   {"Combo1(1)", 11, "0", "1000", 18006},
        {"Combo1(2)", 25, "100", "2500", 18007}, {"Combo1(3)", 4, "0", "1000", 18008},
        {"Combo1(4)", 17, "Off", "16s", 18009},  {"Combo2(1)", 3, "Off", "Auto Answer", 18011},
        {"Combo2(4)", 7, "Off", "#", 18014},     {"Combo2(5)", 16, "Off", "15s", 18015},
    };
    ASSERT_EQ(model.lists.size(), std::size(lists));
    for (const Expected& e : lists) {
        const Editor::List* list = model.list(QLatin1String(e.list));
        ASSERT_NE(list, nullptr) << e.list;
        EXPECT_EQ(list->entries.size(), e.count) << e.list;
        EXPECT_EQ(list->entries.first(), QLatin1String(e.first)) << e.list;
        EXPECT_EQ(list->entries.last(), QLatin1String(e.last)) << e.list;
        EXPECT_EQ(list->labelText, e.label) << e.list;
    }
    EXPECT_EQ(model.list("Combo1(3)")->entries, (QStringList{"0", "100", "500", "1000"}));
    EXPECT_EQ(model.text("Text2(15)")->labelCaption, "16");
    EXPECT_EQ(model.text("Text1(3)")->labelText, 18019);
}

TEST_F(DtmfEditorTest, OpeningANewConfigurationStoresOnlyRateAndDelay)
{
    RadioConfiguration expected = state.WorkingConfiguration;
    expected.Features.Dtmf.DtmfRate = 1;
    expected.Features.Dtmf.FirstDigitDelay = 2;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, expected);
}

TEST_F(DtmfEditorTest, OpeningStoresWhatTheListsShow)
{
    struct Case {
        Integer DtmfSettings::*field;
        Integer stored;
        Integer afterOpening;
    };
    const Case cases[] = {
        {&DtmfSettings::DtmfRate, 0, 1},        {&DtmfSettings::DtmfRate, 10, 10},
        {&DtmfSettings::FirstDigitTime, 1, 0},  {&DtmfSettings::FirstDigitTime, 20, 20},
        {&DtmfSettings::FirstDigitDelay, 3, 2}, {&DtmfSettings::StarHashTime, 10, 10},
        {&DtmfSettings::StarHashTime, 4, 0},    {&DtmfSettings::DKeySetting, 16, 16},
        {&DtmfSettings::DKeySetting, 17, 0},    {&DtmfSettings::GroupCode, -1, 0},
        {&DtmfSettings::AutoResetTime, 15, 15}, {&DtmfSettings::CallAlertMode, 3, 0},
        {&DtmfSettings::SideTone, 2, 2},
    };
    for (const Case& c : cases) {
        reset();
        dtmf().*c.field = c.stored;
        open(model);
        EXPECT_EQ(dtmf().*c.field, c.afterOpening) << c.stored;
    }
}

TEST_F(DtmfEditorTest, TimingChoicesStoreUnitsOfFiftyMilliseconds)
{
    choose(model, "Combo1(0)", "500");
    choose(model, "Combo1(2)", "2500");
    choose(model, "Combo1(3)", "500");
    choose(model, "Combo1(4)", "3s");
    choose(model, "Combo2(4)", "#");
    EXPECT_EQ(dtmf().DtmfRate, 10);
    EXPECT_EQ(dtmf().FirstDigitDelay, 50);
    EXPECT_EQ(dtmf().StarHashTime, 10);
    EXPECT_EQ(dtmf().DKeySetting, 3);
    EXPECT_EQ(dtmf().GroupCode, 6);
}

TEST_F(DtmfEditorTest, CodeFieldsPassOnlyDtmfSymbols)
{
    const Editor::TextField& bot = *model.text("Text1(0)");
    struct Typed {
        const char16_t* typed;
        const char* kept;
    };
    const Typed cases[] = {
        {u"12ab*#e", "12AB*#"}, {u"ABCDabcd", "ABCDABCD"}, {u"0123456789", "0123456789"},
        {u"x y!-+é", ""},       {u"9\u00e9\u4e2d1", "91"}, {u"\t5\n", "5"},
    };
    for (const Typed& c : cases)
        EXPECT_EQ(Editor::Filtered(bot, QString::fromUtf16(c.typed)), QLatin1String(c.kept));
    EXPECT_EQ(Editor::Filtered(*model.text("Text3"), QStringLiteral("12ab34*")), "1234");

    bot.store(state, Editor::Filtered(bot, QStringLiteral("12ab*#e")));
    EXPECT_EQ(dtmf().BotCode.Length, 6);
    EXPECT_EQ(dtmf().BotCode.Digits.raw(), QStringLiteral("12AB*#          "));
    bot.store(state, QString());
    EXPECT_EQ(dtmf().BotCode.Length, 0);
}

TEST_F(DtmfEditorTest, ACodeShowsItsLengthOfDigitsAndOpeningRewritesIt)
{
    DtmfCode& memory = dtmf().DtmfMemory[4];
    memory.Digits = "123XYZ";
    for (Integer length : {Integer(20), Integer(-1), Integer(0)}) {
        memory.Length = length;
        EXPECT_EQ(DtmfEditor::ShownCode(memory), QString()) << length;
    }
    memory.Length = 3;
    EXPECT_EQ(model.text("Text2(4)")->shown(state), "123");
    open(model);
    EXPECT_EQ(memory.Digits.raw(), QStringLiteral("123             "));
    EXPECT_EQ(memory.Length, 3);

    // A field that shows nothing has not changed: the odd length stays.
    dtmf().KillCode.Length = 20;
    open(model);
    EXPECT_EQ(dtmf().KillCode.Length, 20);
}

TEST_F(DtmfEditorTest, TheIdentityCheckKeepsThreeToTenDigits)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"12", "000"},  {"", "000"}, {"12345678901", "000"}, {"123", "123"}, {"0123456789", "0123456789"},
        {"12a", "000"},
    };
    const Editor::TextField& identity = *model.text("Text3");
    EXPECT_EQ(identity.commit, Editor::TextField::Commit::OnLeave);
    for (const Case& c : cases) {
        identity.store(state, QLatin1String(c.typed));
        EXPECT_EQ(dtmf().IdCode.raw(), QString::fromLatin1(c.stored).leftJustified(10)) << c.typed;
        EXPECT_EQ(dtmf().IdLength, QString::fromLatin1(c.stored).size()) << c.typed;
    }
}

TEST_F(DtmfEditorTest, AnOddIdentityLengthShowsThreeAndStaysUntilTheFieldIsLeft)
{
    dtmf().IdCode = "4567891234";
    dtmf().IdLength = 12;
    EXPECT_EQ(model.text("Text3")->shown(state), "456");
    open(model);
    EXPECT_EQ(dtmf().IdLength, 12);
    EXPECT_EQ(dtmf().IdCode.raw(), "4567891234");
}

TEST_F(DtmfEditorTest, FilledMemoriesAreListedAscending)
{
    EXPECT_TRUE(DtmfEditor::FilledMemories(dtmf()).isEmpty());
    model.text("Text2(4)")->store(state, "5");
    model.text("Text2(1)")->store(state, "*#");
    model.text("Text2(15)")->store(state, "0");
    EXPECT_EQ(DtmfEditor::FilledMemories(dtmf()), (QList<int>{2, 5, 16}));
    model.text("Text2(4)")->store(state, "");
    EXPECT_EQ(DtmfEditor::FilledMemories(dtmf()), (QList<int>{2, 16}));
}

} // namespace
} // namespace mk21
