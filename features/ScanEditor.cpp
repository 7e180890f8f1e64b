#include "features/ScanEditor.h"

#include "base/LanguageTexts.h"
#include "base/ListRules.h"
#include "base/texts/ScanTexts.h"
#include "data/ConfigurationState.h"
#include "features/ChannelChoices.h"
#include "features/EditorEntries.h"
#include "features/KeyEditor.h"

namespace mk21::ScanEditor {

namespace {

namespace T = Texts::Scan;
using Scan = ScanSettingsRecord;
using EditorEntries::Indexed;

Scan& ScanOf(ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.ScanSettings;
}
const Scan& ScanOf(const ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.ScanSettings;
}

bool ScanOn(const ConfigurationState& s)
{
    return ScanOf(s).ScanMode == 1;
}

// A list whose position is the stored value less `first`.
Editor::List IndexList(int index, int label, QStringList entries, Byte Scan::*field, int first = 0)
{
    Editor::List list =
        Editor::Labelled(Indexed("Combo1", index), Indexed("Label1", index), label, std::move(entries));
    list.shown = [field, first](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByIndex(entries, ScanOf(s).*field - first);
    };
    list.store = [field, first](ConfigurationState& s, const QStringList&, int position) {
        ScanOf(s).*field = static_cast<Byte>(position + first);
    };
    list.enabled = ScanOn;
    return list;
}

// The priority channel `which` (1 or 2): group list Combo1(2 or 4), position list beside it.
void AddPriorityChannel(Editor::Model& model, int which)
{
    const int groupIndex = 2 * which;
    const ChannelChoices::StoredPair<Scan> pair{&FeatureSettings::ScanSettings,
                                                which == 1 ? &Scan::Pri1Group : &Scan::Pri2Group,
                                                which == 1 ? &Scan::Pri1Channel : &Scan::Pri2Channel};
    const auto used = [which](const ConfigurationState& s) {
        const int mode = ScanOf(s).PriorityMode;
        return ScanOn(s) && (mode == which || mode == 3);
    };
    Editor::List group =
        ChannelChoices::GroupList(Indexed("Combo1", groupIndex), Indexed("Combo1", groupIndex + 1), pair);
    group.label = Indexed("Label1", groupIndex);
    group.labelText = which == 1 ? T::PriorityChannel1 : T::PriorityChannel2;
    group.enabled = used;
    Editor::List position = ChannelChoices::PositionList(Indexed("Combo1", groupIndex + 1), pair);
    position.label = Indexed("Label1", groupIndex + 1);
    position.labelCaption = QStringLiteral("-");
    position.enabled = used;
    model.lists.push_back(std::move(group));
    model.lists.push_back(std::move(position));
}

} // namespace

QStringList RevertTemplate(ConfigurationState& state)
{
    const QString p = GetLangText(state, T::PriorityChannel);
    const QString plus = QStringLiteral(" + ");
    const QString selected = GetLangText(state, T::RevertSelected);
    const QString talkback = GetLangText(state, T::RevertTalkback);
    return {selected,
            selected + plus + talkback,
            p + QLatin1Char('1'),
            p + QLatin1Char('2'),
            GetLangText(state, T::RevertLastCalled),
            GetLangText(state, T::RevertLastUsed),
            p + QLatin1Char('1') + plus + talkback,
            p + QLatin1Char('2') + plus + talkback};
}

QList<int> RevertPositions(int priorityMode)
{
    switch (priorityMode) {
    case 1: return {0, 1, 2, 4, 5, 6};
    case 2: return {0, 1, 3, 4, 5, 7};
    case 3: return {0, 1, 2, 3, 4, 5, 6, 7};
    default: return {0, 1, 4, 5};
    }
}

bool ResetScanKeys(KeySettingsRecord& keys)
{
    bool changed = false;
    for (Integer* key : {&keys.Pf1Long, &keys.Pf1Short, &keys.Pf2Long, &keys.Pf2Short}) {
        if (*key == KeyEditor::ScanFunction) {
            *key = 0;
            changed = true;
        }
    }
    return changed;
}

Editor::Model Describe(ConfigurationState& state)
{
    using EditorEntries::LangTexts;
    using EditorEntries::Tenths;
    Editor::Model model{FormName, T::Title};
    const QString p = GetLangText(state, T::PriorityChannel);
    const QStringList revertTemplate = RevertTemplate(state);

    Editor::List mode = IndexList(0, T::ScanMode, LangTexts(state, {T::Off, T::On}), &Scan::ScanMode);
    mode.enabled = nullptr;
    mode.store = [](ConfigurationState& s, const QStringList&, int position) {
        ScanOf(s).ScanMode = static_cast<Byte>(position);
        if (position == 0)
            ResetScanKeys(s.WorkingConfiguration.Features.KeySettings);
    };
    model.lists.push_back(std::move(mode));

    Editor::List priority = IndexList(1, T::PriorityChannel,
                                      {GetLangText(state, T::Off), p + QLatin1Char('1'), p + QLatin1Char('2'),
                                       p + QLatin1Char('1') + QStringLiteral(" + ") + p + QLatin1Char('2')},
                                      &Scan::PriorityMode);
    priority.dependents = {QStringLiteral("Combo1(6)")};
    model.lists.push_back(std::move(priority));

    AddPriorityChannel(model, 1);
    AddPriorityChannel(model, 2);

    // The revert list offers template entries by priority mode; RevertChannel keeps the
    // template position, so a choice keeps its meaning when the list changes.
    Editor::List revert = Editor::Labelled(Indexed("Combo1", 6), Indexed("Label1", 6), T::RevertChannel, {});
    revert.enabled = ScanOn;
    revert.fill = [revertTemplate](const ConfigurationState& s) {
        QStringList offered;
        for (int position : RevertPositions(ScanOf(s).PriorityMode))
            offered.append(revertTemplate.at(position));
        return offered;
    };
    revert.shown = [revertTemplate](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByText(entries, ListRules::TextAt(revertTemplate, ScanOf(s).RevertChannel));
    };
    revert.store = [revertTemplate](ConfigurationState& s, const QStringList& entries, int position) {
        const int at = ListRules::FirstEqual(revertTemplate, ListRules::TextAt(entries, position));
        ScanOf(s).RevertChannel = static_cast<Byte>(std::max(at, 0));
    };
    model.lists.push_back(std::move(revert));

    model.lists.push_back(IndexList(7, T::LookBackTimeA, Tenths(5, 50), &Scan::LookBackTimeA, 5));
    model.lists.push_back(IndexList(8, T::LookBackTimeB, Tenths(5, 50), &Scan::LookBackTimeB, 5));
    model.lists.push_back(IndexList(9, T::ReceiveResumeDelay, Tenths(1, 50), &Scan::RxResumeDelay, 1));
    model.lists.push_back(IndexList(10, T::TransmitResumeDelay, Tenths(1, 50), &Scan::TxResumeDelay, 1));

    Editor::Check tone;
    tone.name = QStringLiteral("Check1");
    tone.caption = T::EntryTone;
    tone.value = [](const ConfigurationState& s) { return Integer(ScanOf(s).ScanEntryTone); };
    tone.store = [](ConfigurationState& s, int ticked) {
        ScanOf(s).ScanEntryTone = static_cast<Byte>(ticked);
    };
    tone.enabled = ScanOn;
    tone.clearsOddValue = true;
    model.checks.push_back(std::move(tone));
    return model;
}

} // namespace mk21::ScanEditor
