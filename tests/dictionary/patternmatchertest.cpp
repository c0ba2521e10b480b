#include <chrono>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/patternmatcher.h"
#include "support/searchfixture.h"

using glyph::LetterSet;
using glyph::PatternElement;
using glyph::PatternMatcher;

namespace
{

/// A matcher compiled from a user pattern, whose '&' accepts the given words.
class Matcher
{
public:
    explicit Matcher(const std::string& userPattern, std::set<std::string> words = {},
                     const LetterSet& set = glyph::test::englishValues())
        : m_words(std::move(words))
    {
        m_matcher.setWordTest([this](const char* word) { return m_words.count(word) != 0; });
        m_matcher.compile(PatternMatcher::translatePattern(userPattern, set));
    }
    bool operator()(const std::string& word) { return m_matcher.match(word); }
    PatternMatcher& matcher() { return m_matcher; }

private:
    std::set<std::string> m_words;
    PatternMatcher m_matcher;
};

/// A straightforward reading of the matching rules, without any shortcut, to check the
/// matcher's shortcuts against on small cases.
bool reference(const std::vector<PatternElement>& elements, const std::set<std::string>& words, std::string s,
               std::size_t k)
{
    while (!s.empty()) {
        const PatternElement& e = elements[k];
        switch (e.kind) {
        case PatternElement::Literal:
            if (e.isLast && s.size() != e.text.size())
                return false;
            if (s.compare(0, e.text.size(), e.text) != 0)
                return false;
            if (e.isLast)
                return true;
            s.erase(0, e.text.size());
            break;
        case PatternElement::AnyRun:
            if (e.isLast)
                return true;
            for (std::size_t i = 0; i < s.size(); ++i) {
                if (reference(elements, words, s.substr(i), k + 1))
                    return true;
            }
            return false;
        case PatternElement::OneLetter:
            if (e.isLast)
                return s.size() == 1;
            s.erase(0, 1);
            break;
        case PatternElement::LetterSet:
            if (e.isLast && s.size() > 1)
                return false;
            if (e.text.find(s[0]) == std::string::npos)
                return false;
            if (e.isLast)
                return true;
            s.erase(0, 1);
            break;
        default:
            if (e.isLast)
                return words.count(s) != 0;
            for (std::size_t n = 1; n <= s.size(); ++n) {
                if (words.count(s.substr(0, n)) != 0 && reference(elements, words, s.substr(n), k + 1))
                    return true;
            }
            return false;
        }
        ++k;
    }
    return elements[k].isLast && elements[k].kind == PatternElement::AnyRun;
}

} // namespace

TEST(PatternTranslation, KeepsLettersAndWildcardsUpperCasedAndDropsOtherCharacters)
{
    const LetterSet set = glyph::test::englishValues();
    EXPECT_EQ(PatternMatcher::translatePattern("c?t*&", set), "C?T*&");
    EXPECT_EQ(PatternMatcher::translatePattern("{x}-y .z!", set), "XYZ");
    EXPECT_EQ(PatternMatcher::translatePattern("", set), "");
}

TEST(PatternTranslation, WritesShorthandsAsAlphabeticalSetsOfTheLetterSet)
{
    const LetterSet set = glyph::test::englishValues();
    EXPECT_EQ(PatternMatcher::translatePattern("/", set), "{AEIOU}");
    EXPECT_EQ(PatternMatcher::translatePattern("\\", set), "{BCDFGHJKLMNPQRSTVWXYZ}");
    EXPECT_EQ(PatternMatcher::translatePattern("$", set), "{FHJKQVWXYZ}");
    EXPECT_EQ(PatternMatcher::translatePattern(">", set), "{JQXZ}");
    EXPECT_EQ(PatternMatcher::translatePattern("3", set), "{BCMP}");
    EXPECT_EQ(PatternMatcher::translatePattern("0", set), "{QZ}");
    EXPECT_EQ(PatternMatcher::translatePattern("a2", set), "A{DG}");
}

TEST(PatternTranslation, ValueNoLetterHasGivesAnEmptySetThatMatchesNothing)
{
    LetterSet set = glyph::test::englishValues();
    for (char c : std::string("BCMP"))
        set.entryAt(c - 'A').value = 4;
    EXPECT_EQ(PatternMatcher::translatePattern("3", set), "{}");
    Matcher threeAt("3AT", {}, set);
    EXPECT_FALSE(threeAt("CAT"));
    Matcher withValues("3AT");
    EXPECT_TRUE(withValues("CAT"));
    EXPECT_FALSE(withValues("RAT"));
}

TEST(PatternCompilation, SplitsLiteralsWildcardsAndSetsAndMarksTheLastElement)
{
    PatternMatcher matcher;
    matcher.compile("CAT*?&{AE}x-Y{QZ");
    const std::vector<PatternElement> expected = {
        {PatternElement::Literal, "CAT", false},  {PatternElement::AnyRun, "*", false},
        {PatternElement::OneLetter, "?", false},  {PatternElement::WordPart, "&", false},
        {PatternElement::LetterSet, "AE", false}, {PatternElement::Literal, "x", false},
        {PatternElement::Literal, "Y", false},    {PatternElement::LetterSet, "QZ", true},
    };
    EXPECT_EQ(matcher.elements(), expected);
}

TEST(PatternCompilation, RecompilingReplacesTheListAndAnEmptyListMatchesNothing)
{
    PatternMatcher matcher;
    matcher.compile("CAT");
    ASSERT_TRUE(matcher.match("CAT"));
    matcher.compile("-+!");
    EXPECT_TRUE(matcher.isEmpty());
    EXPECT_FALSE(matcher.match("CAT"));
    EXPECT_FALSE(matcher.match(""));
}

TEST(PatternMatching, WildcardExamples)
{
    Matcher catStar("CAT*");
    EXPECT_TRUE(catStar("CAT"));
    EXPECT_TRUE(catStar("CATS"));
    EXPECT_FALSE(catStar("CA"));
    EXPECT_FALSE(catStar("SCAT"));

    Matcher starCat("*CAT");
    EXPECT_TRUE(starCat("CAT"));
    EXPECT_TRUE(starCat("SCAT"));
    EXPECT_FALSE(starCat("CATS"));

    Matcher cQuestionT("C?T");
    EXPECT_TRUE(cQuestionT("CAT"));
    EXPECT_TRUE(cQuestionT("COT"));
    EXPECT_FALSE(cQuestionT("CT"));
    EXPECT_FALSE(cQuestionT("CART"));

    Matcher cat("CAT");
    EXPECT_TRUE(cat("CAT"));
    EXPECT_FALSE(cat("CATS"));
    EXPECT_FALSE(cat("CA"));

    Matcher any("*");
    EXPECT_TRUE(any("A"));
    EXPECT_TRUE(any("ANYTHING"));

    Matcher one("?");
    EXPECT_TRUE(one("A"));
    EXPECT_FALSE(one("AN"));
}

TEST(PatternMatching, SetsAndVowelShorthand)
{
    Matcher vowel("/");
    EXPECT_TRUE(vowel("A"));
    EXPECT_TRUE(vowel("U"));
    EXPECT_FALSE(vowel("B"));
    EXPECT_FALSE(vowel("AE"));

    Matcher consonantVowelConsonant("\\/\\");
    EXPECT_TRUE(consonantVowelConsonant("CAT"));
    EXPECT_FALSE(consonantVowelConsonant("ACT"));
}

TEST(PatternMatching, TrailingElementsOtherThanAnyRunNeedALetter)
{
    Matcher catWord("CAT&", {"S"});
    EXPECT_FALSE(catWord("CAT"));
    EXPECT_TRUE(catWord("CATS"));
    Matcher catOne("CAT?");
    EXPECT_FALSE(catOne("CAT"));
    EXPECT_TRUE(catOne("CATS"));
}

TEST(PatternMatching, WordElementsSplitWordsIntoDictionaryWords)
{
    const std::set<std::string> words = {"A", "CAT", "CATS", "UP", "SUP"};
    Matcher twoWords("&&", words);
    EXPECT_TRUE(twoWords("CATSUP"));
    EXPECT_TRUE(twoWords("AUP"));
    EXPECT_FALSE(twoWords("CAT"));
    EXPECT_FALSE(twoWords("CATSU"));

    Matcher wordThenAny("&*", words);
    EXPECT_TRUE(wordThenAny("CATX"));
    EXPECT_TRUE(wordThenAny("CAT"));
    EXPECT_FALSE(wordThenAny("XCAT"));
}

TEST(PatternMatching, WordElementHandlesWordsFarLongerThanAnyDictionaryWord)
{
    const std::string longWord(5000, 'A');
    Matcher twoWords("&&", {longWord.substr(0, 4000), longWord.substr(4000)});
    EXPECT_TRUE(twoWords(longWord));
    Matcher lastWord("A&", {longWord.substr(1)});
    EXPECT_TRUE(lastWord(longWord));
    EXPECT_FALSE(lastWord(longWord + "B"));
}

TEST(PatternMatching, AgreesWithAPlainReadingOfTheRulesOnRandomCases)
{
    std::mt19937 random(12345);
    const std::string pieces[] = {"A", "B", "AB", "*", "*", "?", "&", "{AB}", "{}", "BA"};
    const std::set<std::string> words = {"A", "AB", "BA", "AAB", "B"};
    std::uniform_int_distribution<int> pieceIndex(0, 9);
    std::uniform_int_distribution<int> patternLength(1, 6);
    std::uniform_int_distribution<int> wordLength(0, 7);
    std::uniform_int_distribution<int> letter(0, 1);
    int matches = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string pattern;
        for (int n = patternLength(random); n > 0; --n)
            pattern += pieces[pieceIndex(random)];
        PatternMatcher matcher;
        matcher.setWordTest([&words](const char* word) { return words.count(word) != 0; });
        matcher.compile(pattern);
        for (int w = 0; w < 10; ++w) {
            std::string word;
            for (int n = wordLength(random); n > 0; --n)
                word += static_cast<char>('A' + letter(random));
            const bool expected = reference(matcher.elements(), words, word, 0);
            ASSERT_EQ(matcher.match(word), expected) << "pattern " << pattern << " word " << word;
            matches += expected ? 1 : 0;
        }
    }
    // The random cases must exercise both outcomes to mean anything.
    EXPECT_GT(matches, 1000);
    EXPECT_LT(matches, 25000);
}

TEST(PatternMatching, ManyRunsAndWordsStayFastOnLongWords)
{
    std::set<std::string> words;
    for (std::size_t n = 1; n <= 39; ++n)
        words.insert(std::string(n, 'A'));
    const std::string word(39, 'A');
    // Plain backtracking tries billions of splits on these before failing at the final Z.
    Matcher runs("*?*?*?*?*?*?*?*?*?*?*?*?Z");
    Matcher wordParts("&&&&&&&&&&&&&&Z", words);
    Matcher mixed("*&*&*&*&*&*&*&*&*&Z", words);
    std::string manyStars(100000, '*');
    manyStars += 'Z';
    Matcher manyRuns(manyStars);

    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(runs(word));
    EXPECT_FALSE(wordParts(word));
    EXPECT_FALSE(mixed(word));
    EXPECT_FALSE(manyRuns(word));
    EXPECT_TRUE(runs(word + "Z"));
    EXPECT_TRUE(wordParts(word + "Z"));
    EXPECT_TRUE(mixed(word + "Z"));
    EXPECT_TRUE(manyRuns(word + "Z"));
    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

TEST(PatternMatching, StartsAtTheGivenElement)
{
    PatternMatcher matcher;
    matcher.compile("C?T");
    EXPECT_TRUE(matcher.match("AT", 1));
    EXPECT_FALSE(matcher.match("CAT", 1));
    EXPECT_FALSE(matcher.match("CAT", 3));
}
