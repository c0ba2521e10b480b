#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyph
{

class LetterSet;

/// What one word search hands to the dictionary dialog: the stored rows, the total number of
/// matches and the time the walk took.
struct SearchResult {
    /// One table row: the word and its value sum, vowel count, consonant count and length; from a
    /// rack, the letters jokers stand for are in lower case (and score 0), and a rack plus one
    /// names the letter it adds.
    struct Row {
        std::string word;
        int score = 0;
        int vowels = 0;
        int consonants = 0;
        int length = 0;
        char added = 0;

        /// The row of a word: values and vowels from the letter set.
        static Row describe(const std::string& word, const LetterSet& letterSet);

        bool operator==(const Row&) const = default;
    };

    std::vector<Row> rows;
    std::uint32_t matchCount = 0;
    std::int64_t elapsedMs = 0;

    /// The elapsed time as the dialog shows it: "%02d:%03d sec" (seconds, then milliseconds).
    std::string elapsedText() const;
    /// The stored words alone, in row order.
    std::vector<std::string> words() const;
};

} // namespace glyph
