#include "features/AlertEditor.h"
#include "features/ScanEditor.h"

#include "channels/ChannelList.h"
#include "tests/features/EditorTestSupport.h"

namespace mk21 {
namespace {

class ChannelReferenceEditors : public test::EditorTest {
protected:
    void addChannels(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            ASSERT_TRUE(ModCHEdit::AddChannel(state, n, QStringLiteral("44000000"))) << n;
    }
    ScanSettingsRecord& scan() { return features().ScanSettings; }
    AlertSettingsRecord& alert() { return features().AlertSettings; }
    QStringList entries(const Editor::Model& model, const char* name)
    {
        return Editor::EntriesNow(*model.list(QLatin1String(name)), state);
    }
    bool usable(const Editor::Model& model, const char* name)
    {
        if (const Editor::List* list = model.list(QLatin1String(name)))
            return Editor::IsEnabled(list->enabled, state);
        return Editor::IsEnabled(model.check(QLatin1String(name))->enabled, state);
    }
    void chooseText(const Editor::Model& model, const char* name, const QString& text)
    {
        const int position = static_cast<int>(entries(model, name).indexOf(text));
        ASSERT_GE(position, 0) << name << " has no " << text.toStdString();
        Editor::Choose(model, state, QLatin1String(name), position);
    }
};

TEST_F(ChannelReferenceEditors, OpeningScanOnANewConfigurationStoresTimesAndTheFirstChannel)
{
    addChannels({1});
    const Editor::Model model = ScanEditor::Describe(state);
    RadioConfiguration expected = state.WorkingConfiguration;
    ScanSettingsRecord& e = expected.Features.ScanSettings;
    e.LookBackTimeA = e.LookBackTimeB = 5;
    e.RxResumeDelay = e.TxResumeDelay = 1;
    e.Pri1Group = e.Pri1Channel = e.Pri2Group = e.Pri2Channel = 1;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, expected);
    EXPECT_TRUE(usable(model, "Combo1(0)"));
    for (const char* name : {"Combo1(1)", "Combo1(2)", "Combo1(5)", "Combo1(6)", "Combo1(10)", "Check1"})
        EXPECT_FALSE(usable(model, name)) << name;
}

TEST_F(ChannelReferenceEditors, PriorityChannelsOfferOnlyChannelsThatExist)
{
    addChannels({40, 5});
    const Editor::Model model = ScanEditor::Describe(state);
    open(model);
    EXPECT_EQ(entries(model, "Combo1(2)"), (QStringList{"1", "3"}));
    chooseText(model, "Combo1(2)", "3");
    EXPECT_EQ(scan().Pri1Group, 3);
    EXPECT_EQ(entries(model, "Combo1(3)"), QStringList{"8"});
    EXPECT_EQ(scan().Pri1Channel, 8) << "the position list shows the first position of the new group";

    // With no channels, the lists are empty and the groups are stored as 0.
    state.WorkingConfiguration.ChannelCount = 0;
    open(model);
    EXPECT_TRUE(entries(model, "Combo1(2)").isEmpty());
    EXPECT_EQ(scan().Pri1Group, 0);
    EXPECT_EQ(scan().Pri2Group, 0);
    EXPECT_EQ(entries(model, "Combo1(6)").size(), 4);
}

TEST_F(ChannelReferenceEditors, TheRevertListFollowsThePriorityModeAndKeepsTheTemplatePosition)
{
    addChannels({1});
    const Editor::Model model = ScanEditor::Describe(state);
    const QStringList revert = ScanEditor::RevertTemplate(state);
    scan().RevertChannel = 6;
    open(model);
    EXPECT_EQ(scan().RevertChannel, 0) << "priority mode 0 does not offer entry 6";
    EXPECT_EQ(entries(model, "Combo1(6)"), (QStringList{revert[0], revert[1], revert[4], revert[5]}));

    scan().ScanMode = 1;
    Editor::Choose(model, state, QStringLiteral("Combo1(1)"), 3); // both priority channels
    chooseText(model, "Combo1(6)", revert[7]);
    EXPECT_EQ(scan().RevertChannel, 7);
    Editor::Choose(model, state, QStringLiteral("Combo1(1)"), 2); // still offers 7
    EXPECT_EQ(scan().RevertChannel, 7);
    Editor::Choose(model, state, QStringLiteral("Combo1(1)"), 1); // 7 is gone: the first entry
    EXPECT_EQ(scan().RevertChannel, 0);
    EXPECT_TRUE(usable(model, "Combo1(2)"));
    EXPECT_FALSE(usable(model, "Combo1(4)"));
}

TEST_F(ChannelReferenceEditors, SwitchingScanningOffTakesTheScanFunctionFromTheKeys)
{
    addChannels({1});
    const Editor::Model model = ScanEditor::Describe(state);
    scan().ScanMode = 1;
    features().KeySettings.Pf2Long = 8;
    features().KeySettings.Pf1Short = 8;
    features().KeySettings.Pf1Long = 3;
    Editor::Choose(model, state, QStringLiteral("Combo1(0)"), 0);
    EXPECT_EQ(features().KeySettings.Pf2Long, 0);
    EXPECT_EQ(features().KeySettings.Pf1Short, 0);
    EXPECT_EQ(features().KeySettings.Pf1Long, 3);
    EXPECT_FALSE(usable(model, "Combo1(7)"));
}

TEST_F(ChannelReferenceEditors, ScanTimesAndTheEntryTone)
{
    addChannels({1});
    const Editor::Model model = ScanEditor::Describe(state);
    scan().LookBackTimeA = 5;
    scan().ScanEntryTone = 3;
    scan().RxResumeDelay = 51;
    open(model);
    EXPECT_EQ(shown(model, "Combo1(7)"), "0.5");
    EXPECT_EQ(scan().ScanEntryTone, 0);
    EXPECT_EQ(scan().RxResumeDelay, 1);
    chooseText(model, "Combo1(7)", "5.0");
    EXPECT_EQ(scan().LookBackTimeA, 50);
    EXPECT_EQ(entries(model, "Combo1(9)").size(), 50);
    EXPECT_EQ(entries(model, "Combo1(8)").size(), 46);
}

TEST_F(ChannelReferenceEditors, OpeningAlertOnANewConfigurationStoresTimesAndTheFirstChannel)
{
    addChannels({1});
    state.WorkingSide.AlarmMode = 1;
    const Editor::Model model = AlertEditor::Describe(state);
    RadioConfiguration expected = state.WorkingConfiguration;
    AlertSettingsRecord& e = expected.Features.AlertSettings;
    e.AlarmTime = e.AlarmTxTime = e.AlarmRxTime = 1;
    e.EmgGroup = e.EmgChannel = 1;
    const SideRecord side = state.WorkingSide;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, expected);
    EXPECT_EQ(state.WorkingSide, side);
}

TEST_F(ChannelReferenceEditors, AlertEnablingRules)
{
    addChannels({1});
    const Editor::Model model = AlertEditor::Describe(state);
    const char* all[] = {"Combo1(0)", "Combo1(1)", "Combo1(2)", "Combo1(3)", "Combo1(4)",
                         "Combo1(5)", "Combo1(6)", "Combo1(7)", "Combo1(8)", "Combo1(9)"};
    state.WorkingSide.AlarmMode = 0;
    open(model);
    for (const char* name : all)
        EXPECT_FALSE(usable(model, name)) << name;
    EXPECT_TRUE(usable(model, "Combo1(10)"));

    Editor::Choose(model, state, QStringLiteral("Combo1(10)"), 1);
    EXPECT_EQ(state.WorkingSide.AlarmMode, 1);
    EXPECT_TRUE(usable(model, "Combo1(3)")) << "a local alarm has an alarm time";
    for (const char* name : {"Combo1(1)", "Combo1(2)", "Combo1(4)", "Combo1(5)"})
        EXPECT_FALSE(usable(model, name)) << name;
    Editor::Choose(model, state, QStringLiteral("Combo1(0)"), 2);
    EXPECT_FALSE(usable(model, "Combo1(3)"));
    for (const char* name : {"Combo1(1)", "Combo1(2)", "Combo1(4)", "Combo1(5)"})
        EXPECT_TRUE(usable(model, name)) << name;

    alert().EmgGroup = 1;
    Editor::Choose(model, state, QStringLiteral("Combo1(6)"), 1);
    EXPECT_FALSE(usable(model, "Combo1(7)"));
    EXPECT_FALSE(usable(model, "Combo1(8)"));
    EXPECT_EQ(alert().EmgGroup, 1) << "greyed out, not changed";
}

TEST_F(ChannelReferenceEditors, TheIdentificationMemoryIsAFilledDtmfMemory)
{
    addChannels({1});
    const Editor::Model model = AlertEditor::Describe(state);
    alert().EmgIdType = 1;
    alert().EmgIdMemory = 3;
    open(model);
    EXPECT_TRUE(entries(model, "Combo1(2)").isEmpty());
    EXPECT_EQ(alert().EmgIdMemory, 0) << "no memory is filled";

    features().Dtmf.DtmfMemory[1].Length = 2;
    features().Dtmf.DtmfMemory[4].Length = 1;
    alert().EmgIdMemory = 3;
    open(model);
    EXPECT_EQ(entries(model, "Combo1(2)"), (QStringList{"M2", "M5"}));
    EXPECT_EQ(alert().EmgIdMemory, 2);
    chooseText(model, "Combo1(2)", "M5");
    EXPECT_EQ(alert().EmgIdMemory, 5);

    Editor::Choose(model, state, QStringLiteral("Combo1(1)"), 0);
    EXPECT_EQ(alert().EmgIdMemory, 0);
    EXPECT_TRUE(entries(model, "Combo1(2)").isEmpty());
    Editor::Choose(model, state, QStringLiteral("Combo1(1)"), 1);
    EXPECT_EQ(alert().EmgIdMemory, 2) << "the first filled memory";
}

TEST_F(ChannelReferenceEditors, AlertTimesAndCycles)
{
    addChannels({1});
    const Editor::Model model = AlertEditor::Describe(state);
    alert().AlarmTxTime = 0;
    alert().AlarmRxTime = 255;
    open(model);
    EXPECT_EQ(alert().AlarmTxTime, 1);
    EXPECT_EQ(alert().AlarmRxTime, 255);
    EXPECT_EQ(shown(model, "Combo1(9)"), "Continuous");
    EXPECT_EQ(entries(model, "Combo1(9)").size(), 256);
    chooseText(model, "Combo1(9)", "255");
    EXPECT_EQ(alert().AlarmCycles, 255);
}

TEST_F(ChannelReferenceEditors, DeletedChannelsArePointedAwayFromAndShownAnew)
{
    addChannels({5, 40, 41});
    const Editor::Model scanModel = ScanEditor::Describe(state);
    const Editor::Model alertModel = AlertEditor::Describe(state);
    scan().Pri1Group = 3;
    scan().Pri1Channel = 8;
    alert().EmgGroup = 3;
    alert().EmgChannel = 8;
    open(scanModel);
    open(alertModel);
    ASSERT_EQ(scan().Pri1Channel, 8);

    const std::optional<int> index = ModCHEdit::FindChannel(state.WorkingConfiguration, 40);
    ASSERT_TRUE(ModCHEdit::DeleteChannelAt(state, *index));
    ModCHEdit::RefreshChRefs(state);
    for (const QString& name : ScanEditor::ChannelLists)
        Editor::ShowAndStore(scanModel, *scanModel.list(name), state);
    Editor::ShowAndStore(alertModel, *alertModel.list(AlertEditor::ChannelList), state);
    EXPECT_EQ(scan().Pri1Channel, 9) << "the lowest channel of the same group";
    EXPECT_EQ(alert().EmgChannel, 9);
    EXPECT_EQ(entries(scanModel, "Combo1(3)"), QStringList{"9"});
}

} // namespace
} // namespace mk21
