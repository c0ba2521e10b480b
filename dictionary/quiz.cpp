#include "dictionary/quiz.h"

#include <algorithm>
#include <set>

#include "base/letterset.h"
#include "dictionary/racksearch.h"
#include "dictionary/searchstate.h"

namespace glyph
{

namespace
{

/// The words of a typed text, upper-cased, each once, in the order typed.
std::vector<std::string> typedWords(const std::string& typed)
{
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i <= typed.size(); ++i) {
        const char c = i < typed.size() ? typed[i] : ' ';
        if (c >= 'a' && c <= 'z') {
            word += static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            word += c;
        } else if (!word.empty()) {
            if (std::find(words.begin(), words.end(), word) == words.end())
                words.push_back(word);
            word.clear();
        }
    }
    return words;
}

} // namespace

Quiz::Quiz(const Dictionary& dictionary, const std::vector<std::string>& words)
{
    // Letter values play no part in which words are anagrams: an empty letter set serves.
    const LetterSet noValues;
    RackSearch search(dictionary, noValues);
    std::set<std::string> asked;
    for (const std::string& word : words) {
        const std::string letters = alphagram(word);
        if (letters.empty() || !RackSearch::isRack(letters) || !asked.insert(letters).second)
            continue;
        Question question{letters, {}};
        const auto found = search.fromRack(letters, std::to_string(SearchState::kMaxLimit));
        for (const SearchResult::Row& row : found->rows)
            if (row.word.size() == letters.size())
                question.anagrams.push_back(row.word);
        std::sort(question.anagrams.begin(), question.anagrams.end());
        m_questions.push_back(std::move(question));
    }
}

std::string Quiz::alphagram(const std::string& word)
{
    std::string letters;
    for (char c : word) {
        if (c >= 'a' && c <= 'z')
            letters += static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            letters += c;
        else
            return {};
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

std::string Quiz::question() const
{
    return finished() ? std::string() : m_questions[m_current].alphagram;
}

std::size_t Quiz::answerCount() const
{
    return finished() ? 0 : m_questions[m_current].anagrams.size();
}

Quiz::Marking Quiz::answer(const std::string& typed)
{
    Marking marking;
    if (finished())
        return marking;
    const std::vector<std::string>& anagrams = m_questions[m_current].anagrams;
    for (const std::string& word : typedWords(typed)) {
        const bool right = std::binary_search(anagrams.begin(), anagrams.end(), word);
        (right ? marking.found : marking.wrong).push_back(word);
    }
    for (const std::string& anagram : anagrams)
        if (std::find(marking.found.begin(), marking.found.end(), anagram) == marking.found.end())
            marking.missed.push_back(anagram);
    m_score += marking.found.size();
    m_possible += anagrams.size();
    ++m_current;
    return marking;
}

} // namespace glyph
