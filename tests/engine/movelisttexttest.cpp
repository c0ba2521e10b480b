// The move list as a Latin-1 text table.
#include <gtest/gtest.h>

#include <random>

#include "engine/movelisttext.h"
#include "support/rulesfixture.h"

using glyph::movelisttext::latin1;
using glyph::movelisttext::table;

namespace
{

// The UTF-8 bytes of a code point: a lead byte with one high bit per byte, then 6 bits a byte.
std::string utf8(char32_t code)
{
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    std::string text(1, static_cast<char>((0xFF << (7 - extra) | code >> (6 * extra)) & 0xFF));
    for (int k = extra - 1; k >= 0; --k)
        text += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
    return text;
}

} // namespace

TEST(MoveListText, Latin1KeepsWhatItCanHoldAndGivesOneQuestionMarkForEachOtherCharacter)
{
    // Every Latin-1 character comes back as its byte; every later one, as one "?".
    std::mt19937 random(5);
    for (char32_t code = 1; code <= 0xFF; ++code) {
        const char32_t other = 0x100 + random() % (0x10FFFF - 0x100);
        if (other >= 0xD800 && other <= 0xDFFF)
            continue;
        EXPECT_EQ(latin1("<" + utf8(code) + utf8(other) + ">"),
                  "<" + std::string(1, static_cast<char>(code)) + "?>")
            << static_cast<unsigned>(code) << " " << static_cast<unsigned>(other);
    }
    // Broken UTF-8: a lone or cut sequence, an overlong form, bytes that start nothing.
    EXPECT_EQ(latin1("Jos\xC3"), "Jos?");
    EXPECT_EQ(latin1("\xC3("), "?(");
    EXPECT_EQ(latin1("\xE2\x82(x"), "?(x");
    EXPECT_EQ(latin1("\xC0\xAF\xE0\x80\x80\xFF\x80"), "?????");
}

TEST(MoveListText, ColumnsArePaddedByCharactersAndTheTableStopsAtTheShownMove)
{
    glyph::test::RulesFixture fixture;
    const std::string long31 = "\xC8\x98" + std::string(30, 'e'); // Ș and 30 letters: 31 characters
    fixture.start({"Jos\xC3\xA9", long31, "\xE6\x97\xA5"});
    EXPECT_EQ(table(*fixture.game, "Nr. ", "\n"), "") << "no move yet";
    for (int turn = 0; turn < 4; ++turn)
        ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    const std::string pass = "PAS / CHANGE 0p" + std::string(15, ' ');
    const std::string head = "Nr. Jos\xE9" + std::string(26, ' ') + "?" + std::string(30, 'e') + "?" +
                             std::string(29, ' ') + "\r\n" + std::string(94, '-') + "\r\n";
    EXPECT_EQ(table(*fixture.game, "Nr. ", "\r\n"),
              head + "1    " + pass + pass + pass + "\r\n2    " + pass + "\r\n");
    fixture.rules->goTo(2);
    EXPECT_EQ(table(*fixture.game, "Nr. ", "\r\n"), head + "1    " + pass + pass + "\r\n");
}
