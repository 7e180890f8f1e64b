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

// Bases of the numbers that windows compute as base + index.
inline constexpr int OptionLabelBase = 16001;     // Option labels of Combo1(0..11)
inline constexpr int OptionCheckBase = 16020;     // Option captions of Check1(0..5)
inline constexpr int DtmfTimingLabelBase = 18005; // DTMF labels of Combo1(0..4)
inline constexpr int DtmfDecodeLabelBase = 18010; // DTMF labels of Combo2(1), (4), (5)
inline constexpr int DtmfCodeLabelBase = 18016;   // DTMF labels of the BOT, EOT, stun, kill codes
inline constexpr int KeyFunctionBase = 25040;     // KeySet key function names, codes 0..21
inline constexpr int KeyFunctionCount = 22;
inline constexpr int AlertLabelBase = 27001;      // AlertSet labels of Combo1(0..10)

} // namespace mk21::LanguageCatalogue
