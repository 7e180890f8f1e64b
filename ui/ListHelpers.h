#pragma once

#include "data/RadioConfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QString>

#include <concepts>

// The fall-back rules by which the editors bind drop-down lists and check boxes to stored values.
//
// Notification: editors react to a choice through QComboBox::activated (with textActivated). Qt
// emits it only for a user's choice; SelectListIndex and SelectListText emit it themselves
// whenever they select an entry, so a choice made by the program reaches the same handler. A
// selection cleared by the program emits nothing. Editors must not use currentIndexChanged for
// this: it also fires while a list is being filled and not when the same entry is chosen again.
//
// Lists filled through AddListTextOnce, FillGroupList and FillGroupChannels keep "nothing
// selected" (-1) until an entry is chosen, as a fresh list does.
namespace mk21::ModFun {

// A value above 1 becomes 0 in the variable; the box is ticked for 1 only. Emits no clicked().
template <std::integral T> void SetCheckValue(QCheckBox* box, T& value)
{
    if (value > 1)
        value = 0;
    box->setChecked(value == 1);
}

// The variable takes the selected position; with nothing selected it keeps its value.
template <std::integral T> void GetListIndex(const QComboBox* list, T& variable)
{
    if (list->currentIndex() >= 0)
        variable = static_cast<T>(list->currentIndex());
}

// "" for an empty list; the text of entry 0 for a position outside the list.
QString ListTextAt(const QComboBox* list, int position);

// "" for an empty list; the text itself when an entry equals it, else the text of entry 0.
QString FindListText(const QComboBox* list, const QString& text);

// Selects the first entry equal to ListTextAt(position) and notifies; an empty list clears.
void SelectListIndex(QComboBox* list, int position);

// Selects the first entry equal to FindListText(text) and notifies; an empty list clears.
void SelectListText(QComboBox* list, const QString& text);

// The default for an empty list or text; the first equal entry's position, or 0 when none is.
int ListIndexOfText(const QComboBox* list, const QString& text, int defaultValue);

// Appends the text unless an entry equal to it exists.
void AddListTextOnce(QComboBox* list, const QString& text);

// The groups (1..8) that hold channels, ascending.
void FillGroupList(QComboBox* list, const RadioConfiguration& config);

} // namespace mk21::ModFun

namespace mk21::ModReFresh {

// The positions (1..16) of the channels of `group`, ascending; group 0 leaves the list empty.
void FillGroupChannels(QComboBox* list, const RadioConfiguration& config, int group);

} // namespace mk21::ModReFresh
