#include "ui/ListHelpers.h"

#include "base/ListRules.h"
#include "channels/ChannelList.h"

#include <QList>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>

namespace mk21 {

namespace {

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    return entries;
}

int FirstEqual(const QComboBox* list, const QString& text)
{
    return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// Selects the entry `position` as a user's choice would, or clears for -1.
void SelectAndNotify(QComboBox* list, int position)
{
    list->setCurrentIndex(position);
    if (position >= 0) {
        emit list->activated(position);
        emit list->textActivated(list->itemText(position));
    }
}

// Clears the list and appends the numbers ascending, leaving nothing selected.
void FillNumbers(QComboBox* list, QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    list->clear();
    for (int n : numbers)
        ModFun::AddListTextOnce(list, QString::number(n));
}

} // namespace

namespace ModFun {

QString ListTextAt(const QComboBox* list, int position)
{
    return ListRules::TextAt(Entries(list), position);
}

QString FindListText(const QComboBox* list, const QString& text)
{
    return ListRules::FindText(Entries(list), text);
}

void SelectListIndex(QComboBox* list, int position)
{
    SelectAndNotify(list, ListRules::SelectedByIndex(Entries(list), position));
}

void SelectListText(QComboBox* list, const QString& text)
{
    SelectAndNotify(list, ListRules::SelectedByText(Entries(list), text));
}

int ListIndexOfText(const QComboBox* list, const QString& text, int defaultValue)
{
    if (list->count() == 0 || text.isEmpty())
        return defaultValue;
    return std::max(FirstEqual(list, text), 0);
}

void AddListTextOnce(QComboBox* list, const QString& text)
{
    if (FirstEqual(list, text) >= 0)
        return;
    // Qt selects the first entry added to an empty list; a filled list here starts unselected.
    const bool hadSelection = list->currentIndex() >= 0;
    const QSignalBlocker quiet(list);
    list->addItem(text);
    if (!hadSelection)
        list->setCurrentIndex(-1);
}

void FillGroupList(QComboBox* list, const RadioConfiguration& config)
{
    FillNumbers(list, ModCHEdit::GroupsInUse(config));
}

} // namespace ModFun

namespace ModReFresh {

void FillGroupChannels(QComboBox* list, const RadioConfiguration& config, int group)
{
    FillNumbers(list, ModCHEdit::PositionsInGroup(config, group));
}

} // namespace ModReFresh
} // namespace mk21
