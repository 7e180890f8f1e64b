#include "features/OptionalFeaturesEditor.h"

#include "base/LanguageTexts.h"
#include "base/ListRules.h"
#include "base/texts/OptionTexts.h"
#include "data/ConfigurationState.h"
#include "features/EditorEntries.h"

#include <cmath>

namespace mk21::OptFeatures {

namespace {

namespace T = Texts::Option;
using Block = OptionalFeatureSettings;

constexpr int TotStep = 15;

// How a list's position follows from its field: position = value - offset (TOT: value / 15).
struct ListField {
    Integer Block::*field;
    int offset = 0;
};

constexpr ListField ListFields[ListCount] = {
    {&Block::SquelchLevel}, {&Block::VoicePrompt, 1}, {&Block::TailElimMode},    {&Block::BatterySave},
    {&Block::TotTime},      {&Block::TotPreAlert},    {&Block::TotRekey},        {&Block::TotReset},
    {&Block::VoxLevel},     {&Block::VoxDelay},       {&Block::ChannelGroup, 1}, {&Block::VoiceVolume, 1},
};
constexpr int TotList = 4;

constexpr Integer Block::*CheckFields[CheckCount] = {&Block::VoxOn,       &Block::VoxTone,
                                                     &Block::ChannelLock, &Block::GroupSelect,
                                                     &Block::WiredClone,  &Block::NoSigTailElim};
constexpr int VoxCheck = 0;
constexpr int VoxLevelList = 8;
constexpr int VoxDelayList = 9;
constexpr int VoxToneCheck = 1;

QStringList Entries(ConfigurationState& state, int list)
{
    using namespace EditorEntries;
    const QString off = GetLangText(state, T::Off);
    switch (list) {
    case 0: return Numbers(0, 9);
    case 1: return LangTexts(state, {T::VoicePromptChinese, T::VoicePromptEnglish});
    case 2: return LangTexts(state, {T::TailOff, T::TailTone55Hz, T::TailPhase120, T::TailPhase180});
    case 3: return LangTexts(state, {T::Off, T::BatterySave1To1, T::BatterySave1To2, T::BatterySave1To4});
    case 4: return QStringList{off} + Numbers(TotStep, 240, TotStep);
    case 5: return QStringList{off} + Numbers(1, 10);
    case 6: return Numbers(0, 60);
    case 7: return Numbers(0, 30);
    case 8: return QStringList{off} + Numbers(1, 6);
    case 9: return Halves(1, 10);
    case 10: return Numbers(1, 8);
    default: return Numbers(1, 5);
    }
}

int ShownPosition(const Block& block, int list)
{
    const int value = block.*ListFields[list].field;
    if (list == TotList)
        return static_cast<int>(std::lround(value / double(TotStep)));
    return value - ListFields[list].offset;
}

Block& Features(ConfigurationState& state)
{
    return state.WorkingConfiguration.Features.OptionalFeatures;
}

bool VoxRule(const ConfigurationState& state)
{
    return VoxControlsEnabled(state.WorkingConfiguration.Features.OptionalFeatures);
}

} // namespace

Editor::Model Describe(ConfigurationState& state)
{
    Editor::Model model{FormName, T::Title};
    for (int i = 0; i < ListCount; ++i) {
        Editor::List list;
        list.name = EditorEntries::Indexed("Combo1", i);
        list.label = EditorEntries::Indexed("Label1", i);
        list.labelText = T::LabelBase + i;
        list.entries = Entries(state, i);
        list.shown = [i](const ConfigurationState& s, const QStringList& entries) {
            return ListRules::SelectedByIndex(
                entries, ShownPosition(s.WorkingConfiguration.Features.OptionalFeatures, i));
        };
        list.store = [i](ConfigurationState& s, const QStringList&, int position) {
            SaveOptFeat(Features(s), i, position);
        };
        if (i == VoxLevelList || i == VoxDelayList)
            list.enabled = VoxRule;
        model.lists.push_back(std::move(list));
    }
    for (int j = 0; j < CheckCount; ++j) {
        Editor::Check check;
        check.name = EditorEntries::Indexed("Check1", j);
        check.caption = T::CheckBase + j;
        check.value = [j](const ConfigurationState& s) {
            return s.WorkingConfiguration.Features.OptionalFeatures.*CheckFields[j];
        };
        check.store = [j](ConfigurationState& s, int ticked) {
            SaveOptFeat(Features(s), CheckIdBase + j, ticked);
        };
        if (j == VoxToneCheck)
            check.enabled = VoxRule;
        model.checks.push_back(std::move(check));
    }
    return model;
}

void SaveOptFeat(OptionalFeatureSettings& block, int id, int value)
{
    Block copy = block;
    if (id >= 0 && id < ListCount) {
        const ListField& list = ListFields[id];
        copy.*list.field = static_cast<Integer>(id == TotList ? value * TotStep : value + list.offset);
    } else if (id >= CheckIdBase && id < CheckIdBase + CheckCount) {
        copy.*CheckFields[id - CheckIdBase] = static_cast<Integer>(value);
    }
    block = copy;
}

bool VoxControlsEnabled(const OptionalFeatureSettings& block)
{
    return block.*CheckFields[VoxCheck] == 1;
}

} // namespace mk21::OptFeatures
