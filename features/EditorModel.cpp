#include "features/EditorModel.h"

#include "data/ConfigurationState.h"

#include <algorithm>

namespace mk21::Editor {

namespace {
template <class Control> const Control* Named(const std::vector<Control>& controls, const QString& name)
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&name](const Control& control) { return control.name == name; });
    return found == controls.end() ? nullptr : &*found;
}
} // namespace

const List* Model::list(const QString& name) const
{
    return Named(lists, name);
}

const Check* Model::check(const QString& name) const
{
    return Named(checks, name);
}

const TextField* Model::text(const QString& name) const
{
    return Named(texts, name);
}

void ShowAndStoreAll(const Model& model, ConfigurationState& settings)
{
    for (const List& list : model.lists) {
        const int position = list.shown(settings, list.entries);
        if (position >= 0)
            list.store(settings, list.entries, position);
    }
    for (const TextField& field : model.texts) {
        if (field.commit != TextField::Commit::OnChange)
            continue;
        const QString shown = field.shown(settings);
        if (!shown.isEmpty())
            field.store(settings, shown);
    }
}

bool IsEnabled(const std::function<bool(const ConfigurationState&)>& rule, const ConfigurationState& settings)
{
    return !rule || rule(settings);
}

QString Filtered(const TextField& field, const QString& typed)
{
    if (!field.filter)
        return typed;
    QString kept;
    for (const QChar c : typed) {
        if (const std::optional<QChar> passed = field.filter(c))
            kept.append(*passed);
    }
    return kept;
}

} // namespace mk21::Editor
