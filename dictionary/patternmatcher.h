#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/patternelement.h"

namespace glyph
{

class LetterSet;

/// A compiled search pattern and the word test its '&' elements use; matches words against it.
/// Matching keeps scratch state, so one matcher serves one thread.
class PatternMatcher
{
public:
    /// True when a NUL-terminated upper-case string is a dictionary word.
    using WordTest = std::function<bool(const char* word)>;

    /// Turns the user's pattern into the internal one: upper-cases it, keeps letters, '*', '?'
    /// and '&', writes '/', '\', '$', '>' and the digits as "{...}" sets drawn from the letter set
    /// and drops every other character.
    static std::string translatePattern(const std::string& userPattern, const LetterSet& letterSet);

    /// Sets the test '&' uses; without one, '&' matches nothing.
    void setWordTest(WordTest wordTest) { m_wordTest = std::move(wordTest); }
    /// Replaces the element list with the compiled internal pattern.
    void compile(const std::string& internalPattern);
    /// True when the word matches the elements from elementIndex on; false on an empty list.
    bool match(std::string_view word, std::size_t elementIndex = 0);

    bool isEmpty() const { return m_elements.empty(); }
    const std::vector<PatternElement>& elements() const { return m_elements; }

private:
    bool matchFrom(std::size_t position, std::size_t element);
    bool matchAfterRun(std::size_t position, std::size_t element);
    bool matchAfterWord(std::size_t position, std::size_t element);
    bool tryFrom(std::size_t position, std::size_t element);
    bool isWord(std::size_t position, std::size_t length);
    bool askWordTest(std::size_t position, std::size_t length);
    void startWord();

    std::vector<PatternElement> m_elements;
    /// Per element: the fewest letters the elements from there to the end can match.
    std::vector<std::size_t> m_minLetters;
    /// Per element: the index of the first later element that is not '*' (size() when none).
    std::vector<std::size_t> m_nextNotRun;
    WordTest m_wordTest;

    std::string_view m_word;
    /// Prefixes handed to the word test, NUL-terminated; grows with the word.
    std::string m_wordBuffer;
    /// Per element other than '*' that follows a '*' or an '&': its column in m_failed.
    std::vector<std::size_t> m_memoColumn;
    std::size_t m_memoColumns = 0;
    bool m_hasWordParts = false;
    /// Per (position, length) of the current word: whether the word test was asked (marked
    /// with m_stamp) and its answer, so each piece is looked up once whatever the '&' count.
    std::vector<std::uint32_t> m_wordAsked;
    std::vector<std::uint8_t> m_wordAnswer;
    /// Failed (position, element) pairs of the current word, marked with m_stamp.
    std::vector<std::uint32_t> m_failed;
    std::uint32_t m_stamp = 0;
};

} // namespace glyph
