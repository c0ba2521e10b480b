#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ai/namescanner.h"

using glyph::NameScanner;
using Names = std::set<std::string>;
using List = std::vector<std::string>;

namespace
{

Names identifiersOf(std::string_view text)
{
    NameScanner scanner;
    scanner.scan(text);
    return scanner.identifiers();
}

} // namespace

TEST(NameScanner, IdentifiersAreRunsOfLettersAndDigitsOutsideKeywordsFromTheLastScanOnly)
{
    // An underscore splits a name; a keyword also matches the start of a longer word.
    EXPECT_EQ(identifiersOf("my_score = 3"), (Names{"my", "score"}));
    EXPECT_EQ(identifiersOf("endgame = 1"), (Names{"game"}));
    EXPECT_EQ(identifiersOf("local x2 = y + 10 -- note here\nif x2 then z = \"a b\" end"),
              (Names{"x2", "y", "z"}));
    // A call with arguments is one token, so its names are not collected; an empty call is
    // read as a name and two parentheses.
    EXPECT_EQ(identifiersOf("Debug(a, 1)"), Names{});
    EXPECT_EQ(identifiersOf("n = MovesNumber()"), (Names{"n", "MovesNumber"}));

    NameScanner scanner;
    scanner.scan("alpha = beta");
    EXPECT_EQ(scanner.matchToken("x", 0, 29), std::string_view::npos);
    EXPECT_EQ(scanner.message(), "Parser: Unknow token 29");
    scanner.scan("gamma");
    EXPECT_EQ(scanner.identifiers(), Names{"gamma"});
    EXPECT_EQ(scanner.message(), "");
}

TEST(NameScanner, DefinitionsAreRecognisedThroughNestedBlocksAndKeptAfterTheirTextIsGone)
{
    NameScanner scanner;
    scanner.scan("function Best(limit)\n"
                 "  local best = 0\n"
                 "  for i = 1, limit do\n"
                 "    if i > best then best = i else Debug(i) end\n"
                 "  end\n"
                 "  while best > 10 do best = best - 1 end\n"
                 "  return best\n"
                 "end\n"
                 "function NoArguments() end\nx = 1");
    EXPECT_EQ(scanner.definedFunctions(), (Names{"Best", "NoArguments"}));
    EXPECT_EQ(scanner.identifiers(), Names{"x"}) << "names inside a definition are not collected";
    scanner.scan("x = 1");
    EXPECT_EQ(scanner.definedFunctions(), (Names{"Best", "NoArguments"}));

    // No end; a block that closes but leaves the function open; a character the grammar does
    // not know. The name and its parameters then read as a call, which collects no names.
    scanner.scan("function Open(a) x = a\n");
    EXPECT_EQ(scanner.identifiers(), (Names{"a", "x"}));
    scanner.scan("function Half(a) if a then b = 1 end\n");
    EXPECT_EQ(scanner.identifiers(), (Names{"a", "b"}));
    scanner.scan("function Dotted(t) return t.size end");
    EXPECT_EQ(scanner.identifiers(), (Names{"t", "size"}));
    EXPECT_EQ(scanner.definedFunctions(), (Names{"Best", "NoArguments"}));
}

TEST(NameScanner, CompletionsOfTheWordBeforeTheCursorListEverySourceSortedWithCaseSignificant)
{
    NameScanner scanner;
    scanner.scan("function Mop(a) return a end\nMood = MovesNumber()\nmore = Mop");
    // Mop is defined and met as an identifier, MovesNumber exported and met: each is listed once.
    EXPECT_EQ(scanner.completions("Mo"), (List{"Mood", "Mop", "MoveAt", "MovesNumber"}));
    EXPECT_EQ(scanner.completions("mo"), List{"more"});
    // The word being typed is itself an identifier of the text; it completes nothing.
    EXPECT_EQ(scanner.completions("Mood"), List{});
    scanner.scan("Tabl x1a = 1 xyz = 2 x12 = 3");
    EXPECT_EQ(scanner.completions("Tabl"), List{"TableLetter"});
    EXPECT_EQ(scanner.completions("x1"), (List{"x12", "x1a"})) << "digits are part of the word";
    const List all = NameScanner().completions("");
    EXPECT_EQ(all.size(), 13u) << "an empty word lists every exported function";
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    // The word completed is the one before the cursor's column.
    EXPECT_EQ(NameScanner::wordBefore("x = MoveAt (", 12, true), "MoveAt") << "blanks before a ( are skipped";
    EXPECT_EQ(NameScanner::wordBefore("my_sco", 6, false), "sco");
    EXPECT_EQ(NameScanner::wordBefore("ab", 99, false), "ab") << "a column past the end";
}

TEST(NameScanner, DeeplyNestedBlocksAreReadWithoutExhaustingTheStack)
{
    std::string nested = "function Deep(a)\n";
    for (int level = 0; level < 50; ++level)
        nested += "if a then while a do\n";
    for (int level = 0; level < 100; ++level)
        nested += "end\n";
    nested += "end\n";
    NameScanner scanner;
    scanner.scan(nested);
    EXPECT_EQ(scanner.definedFunctions(), Names{"Deep"});

    std::string hostile = "function Hostile(a)\n";
    for (int level = 0; level < 200000; ++level)
        hostile += "if a then ";
    scanner.scan(hostile + "x = 1");
    EXPECT_EQ(scanner.definedFunctions(), Names{"Deep"});
    EXPECT_EQ(scanner.identifiers(), (Names{"a", "x"}));
}

TEST(NameScanner, AnyBytesScanSafelyIntoNamesFoundInTheText)
{
    std::mt19937 random(7);
    // Bytes weighted toward the characters the grammar cares about.
    const std::string alphabet = "function end if then else for do while return local ( ) , \" -- = + "
                                 "\n\t_.[]{}~#abcXYZ019\x80\xe9\xff";
    for (int round = 0; round < 300; ++round) {
        std::string text(static_cast<std::size_t>(random() % 400), '\0');
        for (char& c : text)
            c = random() % 8 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        NameScanner scanner;
        scanner.scan(text);
        Names all = scanner.identifiers();
        all.insert(scanner.definedFunctions().begin(), scanner.definedFunctions().end());
        for (const std::string& name : all) {
            ASSERT_FALSE(name.empty());
            ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(name[0])) != 0) << name;
            for (char c : name)
                ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(c)) != 0) << name;
            ASSERT_NE(text.find(name), std::string::npos) << name;
        }
        EXPECT_EQ(scanner.message(), "");
    }
}
