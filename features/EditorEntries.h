#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace mk21 {

class RunContext;

// The entries and names editor lists are built from.
namespace EditorEntries {

// "Combo1(4)": a control of a control array.
QString Indexed(const char* name, int index);

// The whole numbers first, first + step, ... up to last.
QStringList Numbers(int first, int last, int step = 1);

// The numbers first/2 .. last/2 written with one decimal ("0.5", "1.0", ...).
QStringList Halves(int first, int last);

// The numbers first/10 .. last/10 written with one decimal ("1.0", "1.1", ...).
QStringList Tenths(int first, int last);

// The language texts of these numbers.
QStringList LangTexts(RunContext& state, std::initializer_list<int> numbers);

// Each entry followed by `suffix`.
QStringList WithSuffix(QStringList entries, const QString& suffix);

} // namespace EditorEntries
} // namespace mk21
