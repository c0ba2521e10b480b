#include "dictionary/palindromelist.h"

#include <algorithm>
#include <cstring>

#include "dictionary/dictionary.h"

namespace glyph
{

bool isPalindrome(const char* word, std::size_t length)
{
    if (length < 2)
        return true;
    for (std::size_t i = 0; i < length / 2; ++i) {
        if (word[i] != word[length - 1 - i])
            return false;
    }
    return true;
}

void PalindromeList::collect(const Dictionary& dictionary)
{
    m_words.clear();
    if (dictionary.wordCount() == 0)
        return;
    dictionary.forEachWord(collectCallback, this);
    // Each word goes before the first shorter one: longest first, equal lengths kept in walk
    // (alphabetical) order. A stable sort gives that order without quadratic insertion.
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

std::string PalindromeList::clipboardText() const
{
    std::string text;
    for (const std::string& word : m_words) {
        text += word;
        text += '\n';
    }
    return text;
}

void PalindromeList::collectCallback(const char* word, void* context)
{
    const std::size_t length = std::strlen(word);
    if (isPalindrome(word, length))
        static_cast<PalindromeList*>(context)->m_words.emplace_back(word, length);
}

} // namespace glyph
