#include "features/EditorEntries.h"

#include "base/LanguageTexts.h"

namespace mk21::EditorEntries {

QString Indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QStringList Numbers(int first, int last, int step)
{
    QStringList entries;
    for (int n = first; n <= last; n += step)
        entries.append(QString::number(n));
    return entries;
}

namespace {
// Fixed notation with "." whatever the locale: QString::number never localises.
QStringList Fractions(int first, int last, double unit)
{
    QStringList entries;
    for (int n = first; n <= last; ++n)
        entries.append(QString::number(n * unit, 'f', 1));
    return entries;
}
} // namespace

QStringList Halves(int first, int last)
{
    return Fractions(first, last, 0.5);
}

QStringList Tenths(int first, int last)
{
    return Fractions(first, last, 0.1);
}

QStringList LangTexts(RunContext& state, std::initializer_list<int> numbers)
{
    QStringList entries;
    for (int n : numbers)
        entries.append(GetLangText(state, n));
    return entries;
}

QStringList WithSuffix(QStringList entries, const QString& suffix)
{
    for (QString& entry : entries)
        entry += suffix;
    return entries;
}

} // namespace mk21::EditorEntries
