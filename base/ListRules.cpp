#include "base/ListRules.h"

namespace mk21::ListRules {

int FirstEqual(const QStringList& entries, const QString& text)
{
    return static_cast<int>(entries.indexOf(text));
}

bool NotInList(const QStringList& entries, int position)
{
    return position < 0 || position >= entries.size();
}

QString TextAt(const QStringList& entries, int position)
{
    if (entries.isEmpty())
        return {};
    return entries.at(NotInList(entries, position) ? 0 : position);
}

QString FindText(const QStringList& entries, const QString& text)
{
    if (entries.isEmpty())
        return {};
    const int position = FirstEqual(entries, text);
    return entries.at(position >= 0 ? position : 0);
}

namespace {
// An empty text selects nothing, even where an entry is empty.
int SelectedEqual(const QStringList& entries, const QString& text)
{
    return text.isEmpty() ? -1 : FirstEqual(entries, text);
}
} // namespace

int SelectedByIndex(const QStringList& entries, int position)
{
    return SelectedEqual(entries, TextAt(entries, position));
}

int SelectedByText(const QStringList& entries, const QString& text)
{
    return SelectedEqual(entries, FindText(entries, text));
}

} // namespace mk21::ListRules
