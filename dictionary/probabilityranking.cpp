#include "dictionary/probabilityranking.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "dictionary/dictionary.h"

namespace glyph
{

bool ProbabilityRanking::build(const Dictionary& dictionary, const WordProbability& probability,
                               const std::atomic<bool>* stop)
{
    m_chances.assign(WordProbability::kMaxLength + 1, {});
    m_probability = &probability;
    if (dictionary.wordCount() != 0)
        dictionary.forEachWord(collectCallback, this, stop);
    m_probability = nullptr;
    for (std::vector<double>& chances : m_chances)
        std::sort(chances.begin(), chances.end(), std::greater<>());
    return stop == nullptr || !stop->load();
}

void ProbabilityRanking::collectCallback(const char* word, void* context)
{
    auto* self = static_cast<ProbabilityRanking*>(context);
    const std::size_t length = std::strlen(word);
    if (length < self->m_chances.size())
        self->m_chances[length].push_back(self->m_probability->chance(std::string_view(word, length)));
}

std::uint32_t ProbabilityRanking::rank(std::string_view word, const WordProbability& probability) const
{
    if (word.size() >= m_chances.size())
        return 0;
    const std::vector<double>& chances = m_chances[word.size()];
    // The chances descend, so the more likely words are the ones before the first that is not.
    const auto moreLikely = std::upper_bound(chances.begin(), chances.end(), probability.chance(word),
                                             [](double chance, double listed) { return chance >= listed; });
    return static_cast<std::uint32_t>(moreLikely - chances.begin()) + 1;
}

std::uint32_t ProbabilityRanking::wordsOfLength(std::size_t length) const
{
    return length < m_chances.size() ? static_cast<std::uint32_t>(m_chances[length].size()) : 0;
}

} // namespace glyph
