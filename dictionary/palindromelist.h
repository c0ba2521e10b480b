#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace glyph
{

class Dictionary;

/// True when the word reads the same backwards; words of fewer than 2 letters always do.
bool isPalindrome(const char* word, std::size_t length);

/// The palindromes of a dictionary, longest first, words of equal length in alphabetical order.
class PalindromeList
{
public:
    /// Replaces the list with the palindromes of the dictionary (none when it holds no words).
    void collect(const Dictionary& dictionary);

    const std::vector<std::string>& words() const { return m_words; }
    /// Every listed word followed by "\n", in list order: the text copied to the clipboard.
    std::string clipboardText() const;

private:
    static void collectCallback(const char* word, void* context);

    std::vector<std::string> m_words;
};

} // namespace glyph
