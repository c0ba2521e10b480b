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
    if (dictionary.wordCount() != 0)
        dictionary.forEachWord(collectCallback, this);
}

void PalindromeList::insert(const std::string& word)
{
    const auto shorter = std::find_if(m_words.begin(), m_words.end(), [&word](const std::string& listed) {
        return listed.size() < word.size();
    });
    m_words.insert(shorter, word);
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
        static_cast<PalindromeList*>(context)->insert(std::string(word, length));
}

} // namespace glyph
