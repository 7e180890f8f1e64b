#pragma once

#include <QString>
#include <QStringList>

// The fall-back rules by which a drop-down list shows a stored value, on the list's entries
// alone, so that an editor's behaviour can be worked out without a widget. The list helpers of
// the windows apply the same rules to a QComboBox.
namespace mk21::ListRules {

// The position of the first entry equal to the text, or -1.
int FirstEqual(const QStringList& entries, const QString& text);

// True when the position lies outside 0 .. count - 1.
bool NotInList(const QStringList& entries, int position);

// "" for no entries; the text of entry 0 for a position outside the list.
QString TextAt(const QStringList& entries, int position);

// "" for no entries; the text itself when an entry equals it, else the text of entry 0.
QString FindText(const QStringList& entries, const QString& text);

// The entry selecting `position` ends on: the first entry equal to TextAt; -1 (nothing) when
// that text is empty.
int SelectedByIndex(const QStringList& entries, int position);

// The entry selecting `text` ends on: the first entry equal to FindText; -1 when that is empty.
int SelectedByText(const QStringList& entries, const QString& text);

} // namespace mk21::ListRules
