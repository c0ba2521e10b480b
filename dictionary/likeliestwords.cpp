#include "dictionary/likeliestwords.h"

#include <algorithm>

#include "dictionary/wordprobability.h"

namespace glyph
{

void LikeliestWords::reset(std::size_t limit)
{
    m_limit = limit;
    m_heap.clear();
}

void LikeliestWords::offer(double chance, std::string_view word)
{
    if (m_limit == 0)
        return;
    if (m_heap.size() == m_limit) {
        if (!WordProbability::moreLikely(chance, word, m_heap.front().first, m_heap.front().second))
            return;
        std::pop_heap(m_heap.begin(), m_heap.end(), likelier);
        m_heap.pop_back();
    }
    m_heap.emplace_back(chance, word);
    std::push_heap(m_heap.begin(), m_heap.end(), likelier);
}

std::vector<std::string> LikeliestWords::takeLikeliestFirst()
{
    std::sort_heap(m_heap.begin(), m_heap.end(), likelier);
    std::vector<std::string> words;
    words.reserve(m_heap.size());
    for (Entry& entry : m_heap)
        words.push_back(std::move(entry.second));
    m_heap.clear();
    return words;
}

bool LikeliestWords::likelier(const Entry& a, const Entry& b)
{
    return WordProbability::moreLikely(a.first, a.second, b.first, b.second);
}

} // namespace glyph
