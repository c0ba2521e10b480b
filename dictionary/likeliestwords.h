#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyph
{

/// The most likely of the words offered, at most a given number of them: a heap whose top is
/// the least likely kept, so that millions of words offered cost one pass and that many entries.
class LikeliestWords
{
public:
    explicit LikeliestWords(std::size_t limit = 0) : m_limit(limit) {}

    /// Forgets the words kept and keeps at most `limit` from now on.
    void reset(std::size_t limit);
    /// Keeps the word when it is among the most likely offered so far.
    void offer(double chance, std::string_view word);
    /// The words kept, most likely first (WordProbability::moreLikely); empties the keeper.
    std::vector<std::string> takeLikeliestFirst();

private:
    using Entry = std::pair<double, std::string>;
    static bool likelier(const Entry& a, const Entry& b);

    std::size_t m_limit;
    std::vector<Entry> m_heap;
};

} // namespace glyph
