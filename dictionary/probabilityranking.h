#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/wordprobability.h"

namespace glyph
{

class Dictionary;

/// The chances of every word of a dictionary, kept per length, so that any word's rank among
/// the words of its length can be told without another walk.
class ProbabilityRanking
{
public:
    /// Walks the dictionary once and keeps the chance of each word (none when it is empty).
    /// False, with the ranking incomplete, when the stop flag was set before the walk ended.
    bool build(const Dictionary& dictionary, const WordProbability& probability,
               const std::atomic<bool>* stop = nullptr);
    /// 1 + the number of dictionary words of the same length more likely than the word, so
    /// equally likely words share a rank; 0 for a word longer than any the ranking can hold.
    std::uint32_t rank(std::string_view word, const WordProbability& probability) const;
    /// How many words of that length were ranked.
    std::uint32_t wordsOfLength(std::size_t length) const;

private:
    static void collectCallback(const char* word, void* context);

    /// Per length: the chances of the words of that length, most likely first.
    std::vector<std::vector<double>> m_chances;
    const WordProbability* m_probability = nullptr;
};

} // namespace glyph
