// The word-study searches: words from a rack, rack plus one, hooks and the chance of a word as a
// rack, each against a plain scan of the word list on random racks, words and bags.
#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "base/letters.h"
#include "dictionary/hookfinder.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/quiz.h"
#include "dictionary/racksearch.h"
#include "dictionary/searchstate.h"
#include "dictionary/studylist.h"
#include "dictionary/wordprobability.h"
#include "support/searchfixture.h"

using glyph::HookFinder;
using glyph::RackSearch;
using glyph::SearchOrder;
using glyph::SearchResult;
using glyph::WordProbability;
using Words = std::vector<std::string>;
using Histogram = std::array<int, 26>;

namespace
{

// Z and Q are in no bag below, so only a joker can stand for them.
constexpr char kLetters[] = "ACELNOSTUZQ";
// The bag of the chance tests: 14 tiles, enumerated one by one.
const std::string kBagTiles = "AAACEELNOOSSTU";

Histogram histogram(const std::string& word)
{
    Histogram counts{};
    for (char c : word)
        ++counts[static_cast<std::size_t>(std::toupper(c) - 'A')];
    return counts;
}

class WordStudyTest : public glyph::test::DictionaryFixture
{
protected:
    void SetUp() override
    {
        std::set<std::string> unique;
        while (unique.size() < 600)
            unique.insert(someLetters(1, 7, kLetters));
        words.assign(unique.begin(), unique.end());
        loadWords(words);
    }

    // A rack of 1 to 7 letters and the jokers, shuffled.
    std::string someRack(int jokers)
    {
        std::string rack = someLetters(1, 7, kLetters) + std::string(static_cast<std::size_t>(jokers), '?');
        std::shuffle(rack.begin(), rack.end(), random);
        return rack;
    }

    // The rows a plain scan expects from a rack: each word whose letters the rack lacks number no
    // more than its wilds (its jokers, plus one for plus one); the later copies of such a letter
    // are the wild ones, in lower case and worth 0, except the added letter of plus one.
    std::vector<SearchResult::Row> scan(std::string rack, bool plusOne)
    {
        const auto wilds = std::count(rack.begin(), rack.end(), '?') + (plusOne ? 1 : 0);
        const std::size_t tiles = rack.size();
        rack.erase(std::remove(rack.begin(), rack.end(), '?'), rack.end());
        const Histogram held = histogram(rack);
        std::vector<SearchResult::Row> rows;
        for (const std::string& word : words) {
            if (plusOne && word.size() != tiles + 1)
                continue;
            SearchResult::Row row = SearchResult::Row::describe(word, letterSet);
            Histogram used{};
            std::vector<std::size_t> wild;
            for (std::size_t i = 0; i < word.size(); ++i)
                if (++used[word[i] - 'A'] > held[word[i] - 'A'])
                    wild.push_back(i);
            if (static_cast<long>(wild.size()) > wilds)
                continue;
            if (plusOne) {
                auto best = wild.begin();
                for (auto at = wild.begin(); at != wild.end(); ++at)
                    if (std::make_pair(-letterSet.entry(word[*at]).value, word[*at]) <
                        std::make_pair(-letterSet.entry(word[*best]).value, word[*best]))
                        best = at;
                row.added = word[*best];
                wild.erase(best);
            }
            for (std::size_t i : wild) {
                row.word[i] = static_cast<char>(std::tolower(word[i]));
                row.score -= letterSet.entry(word[i]).value;
            }
            rows.push_back(row);
        }
        std::stable_sort(rows.begin(), rows.end(), [plusOne](const auto& a, const auto& b) {
            return plusOne ? a.added < b.added
                           : std::make_pair(-a.length, -a.score) < std::make_pair(-b.length, -b.score);
        });
        return rows;
    }

    // Per size, the draws of each make-up from the bag, counted tile by tile over every subset of
    // its tiles; the last slot (Z, in no bag) counts the jokers.
    using Draws = std::vector<std::map<Histogram, long>>;
    static Draws drawsOf(const std::string& tiles)
    {
        Draws draws(tiles.size() + 1);
        for (std::uint32_t subset = 0; subset < (1u << tiles.size()); ++subset) {
            Histogram drawn{};
            for (std::size_t t = 0; t < tiles.size(); ++t)
                if ((subset >> t & 1u) != 0)
                    ++drawn[tiles[t] == '?' ? 25 : tiles[t] - 'A'];
            ++draws[static_cast<std::size_t>(std::popcount(subset))][drawn];
        }
        return draws;
    }

    // The draws that spell the word: as many tiles, none a letter the word has fewer of.
    static long drawsSpelling(const Draws& draws, const std::string& word)
    {
        const Histogram needed = histogram(word);
        long ways = 0;
        if (word.size() < draws.size())
            for (const auto& [drawn, count] : draws[word.size()])
                ways += std::equal(needed.begin(), needed.end() - 1, drawn.begin(),
                                   [](int need, int got) { return got <= need; })
                            ? count
                            : 0;
        return ways;
    }

    Words words;
    RackSearch rackSearch{dictionary, letterSet};
};

} // namespace

namespace glyph
{
// Rows read in a failure message.
void PrintTo(const SearchResult::Row& row, std::ostream* out)
{
    *out << row.word << "/" << row.score << (row.added != 0 ? "+" + std::string(1, row.added) : "");
}
} // namespace glyph

TEST_F(WordStudyTest, FromRackAndPlusOneAgreeWithAPlainScanWithNoneOneAndTwoJokers)
{
    for (int k = 0; k < 27; ++k)
        letterSet.entryAt(k).count = static_cast<std::int16_t>(glyph::test::kEnglishCounts[k]);
    int plusOneRows = 0;
    for (int round = 0; round < 150; ++round) {
        const std::string rack = someRack(round % 3);
        const auto found = rackSearch.fromRack(rack, "1000");
        ASSERT_TRUE(found.has_value()) << rack;
        EXPECT_EQ(found->rows, scan(rack, false)) << rack;
        EXPECT_EQ(found->matchCount, found->rows.size());
        const auto plus = rackSearch.plusOne(rack, "1000");
        ASSERT_TRUE(plus.has_value()) << rack;
        EXPECT_EQ(plus->rows, scan(rack, true)) << rack;
        plusOneRows += static_cast<int>(plus->rows.size());

        // Most likely first, then alphabetical; the limit keeps the first rows.
        const WordProbability probability(letterSet);
        std::vector<SearchResult::Row> likely = scan(rack, false);
        std::sort(likely.begin(), likely.end(), [&](const auto& a, const auto& b) {
            return std::make_pair(-probability.chance(a.word), glyph::letters::upperCased(a.word)) <
                   std::make_pair(-probability.chance(b.word), glyph::letters::upperCased(b.word));
        });
        likely.resize(std::min<std::size_t>(likely.size(), 5));
        const auto limited = rackSearch.fromRack(rack, "5", SearchOrder::Probability);
        EXPECT_EQ(limited->rows, likely) << rack;
        EXPECT_EQ(limited->matchCount, found->matchCount);
    }
    EXPECT_GT(plusOneRows, 100) << "the racks must exercise plus one";
    // Letters and at most two jokers, with room for one more letter in the longest word.
    for (const std::string& text : Words{"", "AB???", "A B", "CAT!", std::string(39, 'A')})
        EXPECT_FALSE(rackSearch.fromRack(text, "10").has_value()) << text;
    EXPECT_TRUE(rackSearch.plusOne(std::string(38, 'A'), "10").has_value());
}

TEST_F(WordStudyTest, ChancesAndRanksAgreeWithEveryDrawFromASmallBag)
{
    for (int jokers = 0; jokers <= 2; ++jokers) {
        const std::string tiles = kBagTiles + std::string(static_cast<std::size_t>(jokers), '?');
        for (char c = 'A'; c <= 'Z'; ++c)
            letterSet.entryAt(c - 'A').count =
                static_cast<std::int16_t>(std::count(tiles.begin(), tiles.end(), c));
        letterSet.entryAt(26).count = static_cast<std::int16_t>(jokers);
        const auto draws = drawsOf(tiles);
        const WordProbability probability(letterSet);
        glyph::ProbabilityRanking ranking;
        ranking.build(dictionary, probability);

        std::map<std::string, long> waysOf;
        std::map<std::size_t, std::vector<long>> waysByLength;
        for (const std::string& word : words)
            waysByLength[word.size()].push_back(waysOf[word] = drawsSpelling(draws, word));
        int possible = 0;
        for (const std::string& word : words) {
            const long ways = waysOf[word];
            possible += ways > 0 ? 1 : 0;
            ASSERT_EQ(probability.ways(word), ways) << word << " with " << jokers << " jokers";
            const std::vector<long>& same = waysByLength[word.size()];
            const auto rank =
                1 + std::count_if(same.begin(), same.end(), [ways](long w) { return w > ways; });
            EXPECT_EQ(ranking.rank(word, probability), rank) << word;
        }
        EXPECT_GT(possible, 50);
        // The chance divides by every draw of that many tiles, C(16, 2) = 120 with two jokers.
        EXPECT_DOUBLE_EQ(probability.chance("NO"),
                         static_cast<double>(probability.ways("NO")) / (jokers == 2   ? 120
                                                                        : jokers == 1 ? 105
                                                                                      : 91));
    }
    EXPECT_EQ(WordProbability(letterSet).ways("CAT'S"), 0.0L);
    EXPECT_EQ(WordProbability(letterSet).ways("can"), WordProbability(letterSet).ways("CAN"));
}

TEST_F(WordStudyTest, HooksAndTheProbabilityOrderAgreeWithAPlainScan)
{
    const std::set<std::string> list(words.begin(), words.end());
    const HookFinder finder(dictionary);
    for (int round = 0; round < 400; ++round) {
        const std::string word =
            round % 2 == 0 ? words[random() % words.size()] : someLetters(1, 6, kLetters);
        HookFinder::Hooks expected;
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (list.count(c + word) != 0)
                expected.front += c;
            if (list.count(word + c) != 0)
                expected.back += c;
        }
        expected.frontInner = list.count(word.substr(1)) != 0;
        expected.backInner = list.count(word.substr(0, word.size() - 1)) != 0;
        EXPECT_EQ(finder.find(word), expected) << word;
    }
    EXPECT_EQ(finder.find("CAT'S"), HookFinder::Hooks{});
    EXPECT_EQ((HookFinder::Hooks{"", "S", true, false}.markedWord("ALE")), ".ALE");

    // The searches keep the most likely matches up to the limit, most likely first.
    for (char c = 'A'; c <= 'Z'; ++c)
        letterSet.entryAt(c - 'A').count = static_cast<std::int16_t>(1 + (c * 7) % 5);
    letterSet.entryAt(26).count = 2;
    const WordProbability probability(letterSet);
    Words likely = words;
    std::stable_sort(likely.begin(), likely.end(),
                     [&probability](const std::string& a, const std::string& b) {
                         return probability.chance(a) > probability.chance(b);
                     });
    glyph::SearchState search(dictionary, letterSet);
    search.setOrder(SearchOrder::Probability);
    for (const std::size_t limit : {0, 1, 37, 1000}) {
        const SearchResult result =
            search.runAdvanced("*", std::to_string(limit), {"0", "15", "0", "100", "", "", "", false});
        EXPECT_EQ(result.words(), Words(likely.begin(), likely.begin() + std::min(limit, likely.size())))
            << limit;
        EXPECT_EQ(result.matchCount, words.size());
    }
}

TEST_F(WordStudyTest, StudyListsRoundTripAndQuizzesMarkAnswersAsAPlainScanDoes)
{
    // Saved with or without hooks (joker letters in lower case), read back upper-cased.
    Words list(words.begin(), words.begin() + 40);
    list[0][0] = static_cast<char>(std::tolower(list[0][0]));
    Words upper = list;
    upper[0][0] = static_cast<char>(std::toupper(upper[0][0]));
    const HookFinder finder(dictionary);
    const std::string file = folder.file("study.txt");
    for (const HookFinder* hooks : {static_cast<const HookFinder*>(nullptr), &finder}) {
        ASSERT_TRUE(glyph::StudyList::save(file, list, hooks, view));
        Words read;
        ASSERT_TRUE(glyph::StudyList::load(file, read, view));
        EXPECT_EQ(read, upper);
    }
    EXPECT_EQ(glyph::StudyList::text({"able"}, nullptr), "ABLE\n");
    EXPECT_EQ(glyph::StudyList::wordOfLine("CT\t.AT.\tES"), "AT");
    // As other editors save it: a byte-order mark, Windows line ends, blanks around the lines.
    const std::string edited = folder.write("edited.txt", "\xEF\xBB\xBF"
                                                          "cat \r\n  Tea\r\n \r\n\tART\t \r\nAT\r\n");
    Words read;
    ASSERT_TRUE(glyph::StudyList::load(edited, read, view));
    EXPECT_EQ(read, (Words{"CAT", "TEA", "ART", "AT"}));
    // A line that is no word, or a folder, changes nothing and says why once.
    Words kept = {"KEPT"};
    for (const std::string& text : {std::string("CAT\nCAT'S\n"), std::string("a\tCAT\tS\n"),
                                    std::string(40, 'A'), std::string("CA T\n")}) {
        const std::string bad = folder.write("bad.txt", text);
        EXPECT_FALSE(glyph::StudyList::load(bad, kept, view)) << text;
    }
    EXPECT_FALSE(glyph::StudyList::load(folder.path().string(), kept, view));
    EXPECT_EQ(kept, Words{"KEPT"});
    EXPECT_EQ(view.warnings.size(), 5u);
    EXPECT_FALSE(glyph::StudyList::save(folder.file("none/study.txt"), list, nullptr, view));

    // One question per alphagram of the list, in list order; the answers are every word of the
    // dictionary with those letters, whether on the list or not.
    Words asked;
    for (int n = 0; n < 60; ++n)
        asked.push_back(words[random() % words.size()]);
    glyph::Quiz quiz(dictionary, asked);
    std::set<std::string> seen;
    std::size_t score = 0, possible = 0;
    for (const std::string& word : asked) {
        const std::string letters = glyph::Quiz::alphagram(word);
        if (!seen.insert(letters).second)
            continue;
        ASSERT_EQ(quiz.question(), letters);
        Words anagrams, typed = {"QQQ"};
        for (const std::string& other : words)
            if (glyph::Quiz::alphagram(other) == letters)
                anagrams.push_back(other);
        ASSERT_EQ(quiz.answerCount(), anagrams.size());
        Words found, missed;
        for (const std::string& anagram : anagrams)
            (random() % 2 == 0 ? found : missed).push_back(anagram);
        std::string text = "qqq, ";
        for (const std::string& anagram : found)
            text += anagram + " " + anagram + "\n";
        const glyph::Quiz::Marking marking = quiz.answer(text);
        EXPECT_EQ(marking.found, found);
        EXPECT_EQ(marking.missed, missed);
        EXPECT_EQ(marking.wrong, typed);
        score += found.size();
        possible += anagrams.size();
    }
    EXPECT_TRUE(quiz.finished());
    EXPECT_EQ(quiz.questionCount(), seen.size());
    EXPECT_EQ(quiz.score(), score);
    EXPECT_EQ(quiz.possible(), possible);
}

TEST_F(WordStudyTest, ACopyHoldsTheOriginalsWordsAndAStopFlagEndsWalksAtOnce)
{
    glyph::test::RecordingView otherView;
    glyph::Dictionary copy(otherView);
    copy.copyFrom(dictionary);
    EXPECT_NE(copy.generation(), 0u);
    EXPECT_EQ(copy.wordCount(), dictionary.wordCount());
    EXPECT_EQ(copy.fileName(), dictionary.fileName());
    EXPECT_EQ(glyph::test::allWords(copy), words);
    // The copy stays whole when the original is emptied by a damaged file.
    folder.write("bad.dic", "Glyphmosaic");
    EXPECT_FALSE(dictionary.load(folder.file("bad.dic")));
    EXPECT_EQ(dictionary.nodes(), nullptr);
    EXPECT_TRUE(copy.contains(words.front().c_str()));

    // A walk stops before the word after the flag is set, whichever word that is.
    for (std::size_t stopAfter : {std::size_t{1}, std::size_t{7}, words.size() - 1}) {
        struct {
            std::atomic<bool> stop{false};
            std::size_t stopAfter;
            Words seen;
        } walk{false, stopAfter, {}};
        copy.forEachWord(
            [](const char* word, void* context) {
                auto* state = static_cast<decltype(&walk)>(context);
                state->seen.emplace_back(word);
                if (state->seen.size() == state->stopAfter)
                    state->stop.store(true);
            },
            &walk, &walk.stop);
        EXPECT_EQ(walk.seen, Words(words.begin(), words.begin() + static_cast<long>(stopAfter)));
    }
    // A search or a ranking stopped before it starts walks nothing and says so.
    std::atomic<bool> stopped{true};
    glyph::SearchState search(copy, letterSet);
    search.setStopFlag(&stopped);
    EXPECT_EQ(search.runSimpleOrAnagram("*", "1000", false)->matchCount, 0u);
    glyph::ProbabilityRanking ranking;
    EXPECT_FALSE(ranking.build(copy, WordProbability(letterSet), &stopped));
    stopped.store(false);
    EXPECT_EQ(search.runSimpleOrAnagram("*", "1000", false)->matchCount, words.size());
    EXPECT_TRUE(ranking.build(copy, WordProbability(letterSet), &stopped));
}

TEST_F(WordStudyTest, StudyListLinesMayEndAsOnAnySystem)
{
    // A list saved with or without hooks reads back the same whatever ends its lines: Unix,
    // Windows or old Mac line ends, and all three mixed in one file.
    const Words list(words.begin(), words.begin() + 40);
    const HookFinder finder(dictionary);
    const std::vector<std::string> ends = {"\n", "\r\n", "\r"};
    for (const HookFinder* hooks : {static_cast<const HookFinder*>(nullptr), &finder}) {
        const std::string saved = glyph::StudyList::text(list, hooks);
        for (std::size_t kind = 0; kind <= ends.size(); ++kind) {
            std::string text;
            std::size_t line = 0;
            for (char c : saved)
                text +=
                    c != '\n' ? std::string(1, c) : ends[kind < ends.size() ? kind : line++ % ends.size()];
            Words read;
            ASSERT_TRUE(glyph::StudyList::load(folder.write("ends.txt", text), read, view)) << kind;
            EXPECT_EQ(read, list) << kind;
        }
    }
}

TEST_F(WordStudyTest, AStudyListOfMoreWordsThanAListHoldsIsRefusedWhole)
{
    // As many words as a list holds load; one more is refused with one translated message and
    // changes nothing.
    std::string full;
    full.reserve(2 * glyph::StudyList::kMaxWords + 2);
    for (std::size_t n = 0; n < glyph::StudyList::kMaxWords; ++n)
        full += "A\n";
    Words read;
    ASSERT_TRUE(glyph::StudyList::load(folder.write("full.txt", full), read, view));
    EXPECT_EQ(read.size(), glyph::StudyList::kMaxWords);
    view.marks = true;
    Words kept = {"KEPT"};
    const std::string over = folder.write("over.txt", full + "B");
    EXPECT_FALSE(glyph::StudyList::load(over, kept, view));
    EXPECT_EQ(kept, Words{"KEPT"});
    EXPECT_EQ(view.warnings,
              Words{"<" + over + " holds more than 2,000,000 words: too many for a study list>"});
}
