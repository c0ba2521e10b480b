#include <memory>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/patternmatcher.h"
#include "support/searchfixture.h"

using glyph::PatternElement;
using glyph::PatternMatcher;

namespace
{

// A matcher of the internal pattern whose '&' accepts the given words.
std::unique_ptr<PatternMatcher> compiled(const std::string& pattern, const std::set<std::string>& words = {})
{
    auto matcher = std::make_unique<PatternMatcher>();
    matcher->setWordTest([words](const char* word) { return words.count(word) != 0; });
    matcher->compile(pattern);
    return matcher;
}

// The pattern as a regular expression, a plain reading of the rules: '?' is any letter, '*' any
// run, '&' one of the words, {...} one letter of the set; a final run of several '*' needs a letter.
std::regex asRegex(const std::string& pattern, const std::set<std::string>& words)
{
    std::string anyWord;
    for (const std::string& word : words)
        anyWord += (anyWord.empty() ? "(?:" : "|") + word;
    const std::size_t stars = pattern.size() - 1 - pattern.find_last_not_of('*');
    std::string text;
    for (std::size_t i = 0; i + stars < pattern.size(); ++i) {
        if (pattern[i] == '{') {
            const std::size_t end = pattern.find('}', i);
            text += "[" + pattern.substr(i + 1, end - i - 1) + "]";
            i = end;
        } else {
            text += pattern[i] == '?'   ? "."
                    : pattern[i] == '*' ? ".*"
                    : pattern[i] == '&' ? anyWord + ")"
                                        : pattern.substr(i, 1);
        }
    }
    return std::regex(text + (stars == 0 ? "" : stars == 1 ? ".*" : ".+"));
}

} // namespace

TEST(PatternTranslation, KeepsLettersAndWildcardsAndWritesShorthandsAsSetsOfTheLetterSet)
{
    glyph::LetterSet set = glyph::test::englishValues();
    const std::pair<const char*, const char*> cases[] = {
        {"c?t*&", "C?T*&"},    {"{x}-y .z!", "XYZ"}, {"/", "{AEIOU}"},  {"\\", "{BCDFGHJKLMNPQRSTVWXYZ}"},
        {"$", "{FHJKQVWXYZ}"}, {">", "{JQXZ}"},      {"a3", "A{BCMP}"}, {"0", "{QZ}"}};
    for (const auto& [user, internal] : cases)
        EXPECT_EQ(PatternMatcher::translatePattern(user, set), internal) << user;
    for (char c : std::string("BCMP"))
        set.entryAt(c - 'A').value = 4;
    EXPECT_EQ(PatternMatcher::translatePattern("3", set), "{}") << "a value no letter has";
}

TEST(PatternCompilation, SplitsLiteralsWildcardsAndSetsAndMarksTheLastElement)
{
    const auto matcher = compiled("CAT*?&{AE}x-Y{QZ");
    const std::vector<PatternElement> expected = {
        {PatternElement::Literal, "CAT", false},  {PatternElement::AnyRun, "*", false},
        {PatternElement::OneLetter, "?", false},  {PatternElement::WordPart, "&", false},
        {PatternElement::LetterSet, "AE", false}, {PatternElement::Literal, "x", false},
        {PatternElement::Literal, "Y", false},    {PatternElement::LetterSet, "QZ", true},
    };
    EXPECT_EQ(matcher->elements(), expected);
    EXPECT_FALSE(compiled("-+!")->match("")) << "no elements, no match";
}

TEST(PatternMatching, AgreesWithAPlainReadingOfTheRulesOnRandomCases)
{
    std::mt19937 random(12345);
    const std::string pieces[] = {"A", "B", "AB", "*", "*", "?", "&", "{AB}", "{}", "BA", "b"};
    const std::set<std::string> words = {"A", "AB", "BA", "AAB", "B"};
    int matches = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string pattern;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n)
            pattern += pieces[random() % std::size(pieces)];
        const auto matcher = compiled(pattern, words);
        const std::regex reference = asRegex(pattern, words);
        for (int w = 0; w < 10; ++w) {
            std::string word;
            for (int n = static_cast<int>(random() % 8); n > 0; --n)
                word += static_cast<char>('A' + random() % 2);
            const bool expected = std::regex_match(word, reference);
            ASSERT_EQ(matcher->match(word), expected) << pattern << " " << word;
            matches += expected ? 1 : 0;
        }
    }
    // The random cases must exercise both outcomes to mean anything.
    EXPECT_GT(matches, 1000);
    EXPECT_LT(matches, 25000);
}

TEST(PatternMatching, ManyRunsAndWordPartsFinishOnLongWords)
{
    std::set<std::string> words;
    for (std::size_t n = 1; n <= 39; ++n)
        words.insert(std::string(n, 'A'));
    const std::string word(39, 'A');
    // Plain backtracking tries billions of splits on these before failing at the final Z.
    for (const std::string& pattern :
         {std::string("*?*?*?*?*?*?*?*?*?*?*?*?Z"), std::string("&&&&&&&&&&&&&&Z"),
          std::string("*&*&*&*&*&*&*&*&*&Z"), std::string(100000, '*') + "Z"}) {
        const auto matcher = compiled(pattern, words);
        EXPECT_FALSE(matcher->match(word)) << pattern.substr(0, 30);
        EXPECT_TRUE(matcher->match(word + "Z")) << pattern.substr(0, 30);
    }
    // Words far longer than the pieces the matcher remembers.
    const std::string longWord(5000, 'A');
    EXPECT_TRUE(compiled("&&", {longWord.substr(0, 4000), longWord.substr(4000)})->match(longWord));
    EXPECT_TRUE(compiled("A&", {longWord.substr(1)})->match(longWord));
    EXPECT_FALSE(compiled("A&", {longWord.substr(1)})->match(longWord + "B"));
}
