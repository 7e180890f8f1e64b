#include "features/KeyEditor.h"

#include "base/LanguageTexts.h"
#include "base/ListRules.h"
#include "base/texts/KeyTexts.h"
#include "data/ConfigurationState.h"
#include "features/EditorEntries.h"

namespace mk21::KeyEditor {

namespace {

namespace T = Texts::Key;
using Keys = KeySettingsRecord;

constexpr int LastOfferedCode = 20; // 21 is never offered

constexpr Integer Keys::*KeyFields[KeyListCount] = {&Keys::Pf1Long, &Keys::Pf1Short, &Keys::Pf2Long,
                                                    &Keys::Pf2Short};
constexpr Integer Keys::*TimeFields[2] = {&Keys::LongPressTime, &Keys::EmgLongPressTime};

Keys& KeysOf(ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.KeySettings;
}
const Keys& KeysOf(const ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.KeySettings;
}

Editor::List KeyList(int index, const QStringList& functions)
{
    const bool shortPress = index % 2 == 1;
    QStringList offered;
    for (int code = 0; code <= LastOfferedCode; ++code) {
        if (Offered(code, shortPress))
            offered.append(functions.at(code));
    }
    Editor::List list =
        Editor::Labelled(EditorEntries::Indexed("Combo1", index), EditorEntries::Indexed("Label1", index),
                         shortPress ? T::ShortPress : T::LongPress, offered);
    Integer Keys::*field = KeyFields[index];
    list.shown = [functions, field](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByText(entries, ListRules::TextAt(functions, KeysOf(s).*field));
    };
    list.store = [functions, field](ConfigurationState& s, const QStringList& entries, int position) {
        const int scanMode = s.WorkingConfiguration.Features.ScanSettings.ScanMode;
        KeysOf(s).*field =
            static_cast<Integer>(ChosenCode(functions, entries, entries.at(position), scanMode));
    };
    return list;
}

Editor::List TimeList(int which)
{
    const int index = FirstTimeList + which;
    Editor::List list =
        Editor::Labelled(EditorEntries::Indexed("Combo1", index), EditorEntries::Indexed("Label1", index),
                         which == 0 ? T::LongPressTime : T::EmergencyLongPressTime,
                         EditorEntries::Tenths(MinLongPressTime, MaxLongPressTime));
    Integer Keys::*field = TimeFields[which];
    list.shown = [field](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByIndex(entries, KeysOf(s).*field - MinLongPressTime);
    };
    list.store = [field](ConfigurationState& s, const QStringList&, int position) {
        KeysOf(s).*field = static_cast<Integer>(position + MinLongPressTime);
    };
    return list;
}

} // namespace

QStringList FunctionTemplate(ConfigurationState& state)
{
    QStringList functions;
    for (int code = 0; code < T::FunctionCount; ++code)
        functions.append(GetLangText(state, T::FunctionBase + code));
    return functions;
}

Editor::Model Describe(ConfigurationState& state)
{
    const QStringList functions = FunctionTemplate(state);
    Editor::Model model{FormName, T::Title};
    for (int i = 0; i < KeyListCount; ++i)
        model.lists.push_back(KeyList(i, functions));
    model.lists.push_back(TimeList(0));
    model.lists.push_back(TimeList(1));
    return model;
}

bool Offered(int code, bool shortPress)
{
    if (code < 0 || code > LastOfferedCode)
        return false;
    return !shortPress || (code != 4 && code != 11);
}

int ChosenCode(const QStringList& functionTemplate, const QStringList& entries, const QString& text,
               int scanMode)
{
    QString chosen = text;
    if (scanMode == 0 && chosen == ListRules::TextAt(functionTemplate, ScanFunction))
        chosen = ListRules::TextAt(entries, 0);
    return ListRules::SelectedByText(functionTemplate, chosen);
}

} // namespace mk21::KeyEditor
