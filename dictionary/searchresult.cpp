#include "dictionary/searchresult.h"

#include <cstdio>

#include "base/letters.h"

namespace glyph
{

namespace
{
constexpr std::int64_t kMsPerSecond = 1000;
constexpr int kTimeTextSize = 48;
} // namespace

std::string SearchResult::elapsedText() const
{
    char text[kTimeTextSize];
    std::snprintf(text, sizeof text, "%02lld:%03lld sec", static_cast<long long>(elapsedMs / kMsPerSecond),
                  static_cast<long long>(elapsedMs % kMsPerSecond));
    return text;
}

SearchResult::Row SearchResult::Row::describe(const std::string& word, const LetterSet& letterSet)
{
    Row row;
    row.word = word;
    row.length = static_cast<int>(word.size());
    for (char c : word) {
        row.score += letters::value(letterSet, c);
        if (letters::isVowel(letterSet, c))
            ++row.vowels;
    }
    row.consonants = row.length - row.vowels;
    return row;
}

std::vector<std::string> SearchResult::words() const
{
    std::vector<std::string> list;
    list.reserve(rows.size());
    for (const Row& row : rows)
        list.push_back(row.word);
    return list;
}

} // namespace glyph
