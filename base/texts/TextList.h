#pragma once

#include <span>

// Each header here lists its texts once, as X(Name, number); the list makes both the constants
// and the table the language-file tests walk, so no constant can miss the checks.
namespace mk21::Texts {

struct NamedText {
    const char* name;
    int number;
};

// The named numbers of one language-file section.
struct SectionTexts {
    const char* section;
    std::span<const NamedText> texts;
};

} // namespace mk21::Texts

#define MK21_TEXT_CONSTANT(name, number) inline constexpr int name = number;
#define MK21_TEXT_ENTRY(name, number) NamedText{#name, number},

// The constants of one section and its table, inside the section's namespace.
#define MK21_SECTION_TEXTS(sectionName, list)                                                                \
    list(MK21_TEXT_CONSTANT) inline constexpr NamedText Named[] = {list(MK21_TEXT_ENTRY)};                   \
    inline constexpr SectionTexts Section{sectionName, Named};
