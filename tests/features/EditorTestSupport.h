#pragma once

#include "app/AppState.h"
#include "data/ConfigurationOps.h"
#include "features/EditorModel.h"
#include "tests/support/RecordingPrompter.h"

#include <QDate>

#include <gtest/gtest.h>

namespace mk21::test {

// A state holding a new configuration, with the built-in English texts.
class EditorTest : public testing::Test {
protected:
    EditorTest() { reset(); }

    // A new configuration again.
    void reset() { ModConfig::ResetToDefaults(state, QDate(2026, 12, 9)); }

    FeatureSettings& features() { return state.WorkingConfiguration.Features; }

    // What opening the editor stores, from the state as it is now.
    void open(const Editor::Model& model) { Editor::ShowAndStoreAll(model, state); }

    // Chooses entry `text` of list `name` as the user would.
    void choose(const Editor::Model& model, const char* name, const QString& text)
    {
        const Editor::List* list = model.list(QLatin1String(name));
        ASSERT_NE(list, nullptr) << name;
        const auto position = static_cast<int>(list->entries.indexOf(text));
        ASSERT_GE(position, 0) << name << " has no entry " << text.toStdString();
        list->store(state, list->entries, position);
    }

    // The entry list `name` shows now.
    QString shown(const Editor::Model& model, const char* name)
    {
        const Editor::List* list = model.list(QLatin1String(name));
        const int position = list->shown(state, list->entries);
        return position < 0 ? QString() : list->entries.at(position);
    }

    RecordingPrompter prompter;
    AppState state{prompter};
};

} // namespace mk21::test
