#pragma once

#include "base/StoredTypes.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace mk21 {

class ConfigurationState;

// An editor window described once, without widgets: every control with its entries, which entry
// or text shows the stored value, what a choice stores, and when it may be used. The window is
// built from the description and only forwards choices; the tests work on the description.
namespace Editor {

// A drop-down list the user can only pick from.
struct List {
    QString name;      // object name, "Combo1(4)"
    QString label;     // the label's object name; "" when the list has none of its own
    int labelText = 0; // the label's language text
    QStringList entries;
    // The entry of `entries` that shows the stored value, by the list's fall-back rule; -1 shows
    // nothing. The entries are passed in, so that a list whose entries follow the configuration
    // can be filled anew.
    std::function<int(const ConfigurationState&, const QStringList& entries)> shown;
    // Stores entry `position` of `entries`, chosen by the user or shown by the window.
    std::function<void(ConfigurationState&, const QStringList& entries, int position)> store;
    // Whether the list can be used now; none: always.
    std::function<bool(const ConfigurationState&)> enabled;
    // Entries that follow the configuration (the groups of the existing channels, the filled
    // memories), filled anew whenever the list is shown; none: `entries` are fixed.
    std::function<QStringList(const ConfigurationState&)> fill;
    // The lists shown anew (filled, selected and stored) after this one stored a choice.
    QStringList dependents;
    // Showing nothing stores too (position -1): a group list without groups stores group 0.
    bool storesNothingShown = false;
    // A label that is no language text ("-" between a group and a position list).
    QString labelCaption;
    // Shown only: the list cannot be changed and stores nothing (no `store`).
    bool readOnly = false;
};

// A check box: ticked for a stored 1 only (any other value shows clear and stays stored until
// the box is clicked); a click stores 0 or 1.
struct Check {
    QString name;
    int caption = 0;
    std::function<Integer(const ConfigurationState&)> value;
    std::function<void(ConfigurationState&, int ticked)> store;
    std::function<bool(const ConfigurationState&)> enabled;
    // Showing a value above 1 stores 0 (instead of leaving it until the box is clicked).
    bool clearsOddValue = false;
};

// A text field, stored on every change or, for a checked entry, when the user leaves it.
struct TextField {
    enum class Commit { OnChange, OnLeave };

    QString name;
    QString label;
    int labelText = 0;
    QString labelCaption; // a label that is no language text (the memory numbers)
    int maxLength = 0;
    Commit commit = Commit::OnChange;
    std::function<QString(const ConfigurationState&)> shown;
    std::function<void(ConfigurationState&, const QString&)> store;
    // What a typed printable character becomes; none: it is dropped.
    std::function<std::optional<QChar>(QChar)> filter;
    // Shown only (selectable and copyable, never stored; no `store`), in several lines.
    bool readOnly = false;
    bool multiLine = false;
};

struct Model {
    QString form;
    int title = 0;
    int labelGap = 100; // twips between a label's right end and its control
    std::vector<List> lists = {};
    std::vector<Check> checks = {};
    std::vector<TextField> texts = {};

    const List* list(const QString& name) const;
    const Check* check(const QString& name) const;
    const TextField* text(const QString& name) const;
};

// A list with its name, its label and fixed entries; the caller adds its rules.
List Labelled(QString name, QString label, int labelText, QStringList entries = {});

// Opening the window, without one: every list selects the entry that shows its stored value
// and stores it as a choice would, and every field that shows a text stores it (a field that
// shows nothing has not changed). Check boxes and leave-committed fields store nothing.
void ShowAndStoreAll(const Model& model, ConfigurationState& settings);

// The entries a list offers now.
QStringList EntriesNow(const List& list, const ConfigurationState& settings);

// Showing one list: it selects the entry that shows its value and stores it, and its dependents
// are shown after it.
void ShowAndStore(const Model& model, const List& list, ConfigurationState& settings);

// Choosing entry `position` of the list named `name`, as the user does: it is stored, and the
// lists that depend on it are shown anew.
void Choose(const Model& model, ConfigurationState& settings, const QString& name, int position);

// Whether a control may be used now (a control without a rule always may).
bool IsEnabled(const std::function<bool(const ConfigurationState&)>& rule,
               const ConfigurationState& settings);

// The typed text as the filter lets it through: characters it drops are left out.
QString Filtered(const TextField& field, const QString& typed);

} // namespace Editor
} // namespace mk21
