#pragma once

#include <QList>

#include <span>

// Every text number the program looks up in a language file, so that the shipped files and the
// code can be checked against one list.
namespace mk21::LanguageCatalogue {

// A run of consecutive text numbers, both ends included.
struct TextRange {
    int first;
    int last;
};

// The runs in ascending order; the number alone selects the section (SectionOfNumber).
std::span<const TextRange> Ranges();

// Every number of every run, ascending.
QList<int> AllNumbers();

bool Contains(int number);

} // namespace mk21::LanguageCatalogue
