#pragma once

#include <QtGlobal>

#include <iterator>

namespace gibbetry {

// One word source: its entry in the Options list (QT_TRANSLATE_NOOP in the context
// wordSourceContext; translate it when shown) and the file its words are read from.
struct WordSource {
    const char *label;
    const char *fileName;
};

inline constexpr char wordSourceContext[] = "WordSource";

// The seven sources, in the order of the Options list: the stored lstWordSource is an index here.
inline constexpr WordSource wordSources[] = {
    {QT_TRANSLATE_NOOP("WordSource", "Australian English Dictionary (Tolvarin) - 45,000 words"),
     "Australian English Dictionary.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "Ogden's Basic English Words - 850 words"),
     "Ogden's Basic English Words.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "SmarterKid 1 - 5,000 words"), "SmarterKid 1.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "SmarterKid 2 - 3,000 words"), "SmarterKid 2.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "SmarterKid 3 - 8,000 words"), "SmarterKid 3.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "SmarterKid 4 - 4,000 words"), "SmarterKid 4.txt"},
    {QT_TRANSLATE_NOOP("WordSource", "SmarterKid 5 - 34,000 words"), "SmarterKid 5.txt"},
};

inline constexpr int wordSourceCount = int(std::size(wordSources));

// The source at index, or nullptr for an index outside the list (-1: nothing selected).
inline const WordSource *wordSource(int index)
{
    return index >= 0 && index < wordSourceCount ? &wordSources[index] : nullptr;
}

} // namespace gibbetry
