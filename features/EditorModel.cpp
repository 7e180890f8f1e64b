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

List Labelled(QString name, QString label, int labelText, QStringList entries)
{
    List list;
    list.name = std::move(name);
    list.label = std::move(label);
    list.labelText = labelText;
    list.entries = std::move(entries);
    return list;
}

QStringList EntriesNow(const List& list, const ConfigurationState& settings)
{
    return list.fill ? list.fill(settings) : list.entries;
}

namespace {
void StoreAndShowDependents(const Model& model, const List& list, ConfigurationState& settings,
                            const QStringList& entries, int position)
{
    list.store(settings, entries, position);
    for (const QString& name : list.dependents) {
        if (const List* dependent = model.list(name))
            ShowAndStore(model, *dependent, settings);
    }
}
} // namespace

void ShowAndStore(const Model& model, const List& list, ConfigurationState& settings)
{
    if (list.readOnly)
        return;
    const QStringList entries = EntriesNow(list, settings);
    const int position = list.shown(settings, entries);
    if (position >= 0 || list.storesNothingShown)
        StoreAndShowDependents(model, list, settings, entries, position);
}

void Choose(const Model& model, ConfigurationState& settings, const QString& name, int position)
{
    if (const List* list = model.list(name); list != nullptr && !list->readOnly)
        StoreAndShowDependents(model, *list, settings, EntriesNow(*list, settings), position);
}

void ShowAndStoreAll(const Model& model, ConfigurationState& settings)
{
    for (const List& list : model.lists)
        ShowAndStore(model, list, settings);
    for (const Check& check : model.checks) {
        if (check.clearsOddValue && check.value(settings) > 1)
            check.store(settings, 0);
    }
    for (const TextField& field : model.texts) {
        if (field.commit != TextField::Commit::OnChange || field.readOnly)
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
