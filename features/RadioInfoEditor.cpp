#include "features/RadioInfoEditor.h"

#include "base/ListRules.h"
#include "base/texts/RadioInfoTexts.h"
#include "data/ConfigurationState.h"
#include "data/ModelBand.h"
#include "features/EditorEntries.h"

namespace mk21::RadioInfoEditor {

namespace {

namespace T = Texts::RadioInfo;
using EditorEntries::Indexed;

// One shown field: its control, label and the text it shows.
struct Shown {
    int field;
    const char* label;
    int labelText;
    int maxLength;
    QString (*text)(const RadioDetails&);
};

const Shown Fields[] = {
    {0, "Label2", T::SalesAreaCode, 4, [](const RadioDetails& d) { return TrimNul(d.SalesAreaCode); }},
    {1, "Label1(2)", T::SerialNumber, 16, [](const RadioDetails& d) { return d.SerialNumber.text(); }},
    {2, "Label1(3)", T::ProductionDate, 16, [](const RadioDetails& d) { return d.ProductionDate.text(); }},
    {3, "Label1(4)", T::RepairDate, 16, [](const RadioDetails& d) { return d.RepairDate.text(); }},
    {4, "Label1(5)", T::RepairReason, 96, [](const RadioDetails& d) { return d.RepairReason.text(); }},
    {5, "Label1(6)", T::Version, 16, [](const RadioDetails& d) { return TrimNul(d.VersionInfo); }},
    {6, "Label1(8)", T::BatchNumber, 16, [](const RadioDetails& d) { return d.BatchNumber.text(); }},
    {7, "Label1(9)", T::CustomerCode, 16, [](const RadioDetails& d) { return d.CustomerCode.text(); }},
    {8, "Label1(10)", T::DealerCode, 16, [](const RadioDetails& d) { return d.DealerCode.text(); }},
    {9, "Label1(11)", T::StockInDate, 16, [](const RadioDetails& d) { return d.StockInDate.text(); }},
    {10, "Label1(12)", T::SalesDate, 16, [](const RadioDetails& d) { return d.SalesDate.text(); }},
    {11, "Label1(13)", T::HandledBy, 16, [](const RadioDetails& d) { return d.HandledBy.text(); }},
};

constexpr int RepairReasonField = 4;

Editor::List ShownList(int index, int labelText, QStringList entries, QString (*text)(const RadioDetails&))
{
    Editor::List list =
        Editor::Labelled(Indexed("Combo1", index), Indexed("Label1", index), labelText, entries);
    list.shown = [text](const ConfigurationState& s, const QStringList& shownEntries) {
        return ListRules::FirstEqual(shownEntries, text(s.Details));
    };
    list.readOnly = true;
    return list;
}

} // namespace

Editor::Model Describe(ConfigurationState&)
{
    Editor::Model model{FormName, T::Title};
    model.labelGap = 50;
    model.lists.push_back(
        ShownList(0, T::Model, ModelBandTable::ModelDisplayNames(), [](const RadioDetails& d) {
            return ModelBandTable::DisplayNameOfModelCode(d.DetailModel);
        }));
    model.lists.push_back(ShownList(1, T::Band, ModelBandTable::BandTexts(), [](const RadioDetails& d) {
        return ModelBandTable::BandTextOfNumber(d.DetailBand);
    }));
    for (const Shown& shown : Fields) {
        Editor::TextField field;
        field.name = Indexed("Text1", shown.field);
        field.label = QLatin1String(shown.label);
        field.labelText = shown.labelText;
        field.maxLength = shown.maxLength;
        field.readOnly = true;
        field.multiLine = shown.field == RepairReasonField;
        field.shown = [text = shown.text](const ConfigurationState& s) { return text(s.Details); };
        model.texts.push_back(std::move(field));
    }
    return model;
}

} // namespace mk21::RadioInfoEditor
