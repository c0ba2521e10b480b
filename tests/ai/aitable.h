#pragma once

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavevalues.h"
#include "ai/luahost.h"
#include "engine/player.h"
#include "support/rulesfixture.h"

namespace glyph::test
{

/// A classic game with the computer players attached: the rules fixture's small dictionary of
/// `words` and full bag, on a board of the given size, reading profiles from its own folder.
class AiTable : public RulesFixture
{
public:
    explicit AiTable(const std::vector<std::string>& words, int rows = 15, int columns = 15)
        : RulesFixture(words)
    {
        preferences->setInteger("TableRowsKey", rows);
        preferences->setInteger("TableColumnsKey", columns);
        game->loadSettings();
        attachAiPlayers(*game);
        scriptHost(*game).setProfileFolder(dir.path().string() + "/");
    }

    /// Starts a game with these players (name, profile file), each keeping the rack it was given.
    void start(const std::vector<Player>& seats)
    {
        rules->start(seats);
        for (std::size_t i = 0; i < seats.size() && i < rules->players().size(); ++i)
            rules->players()[i].setRack(seats[i].rack);
    }
    /// Puts a tile on the board (a joker standing for the letter when `joker` is true).
    void put(int row, int column, char letter, bool joker = false)
    {
        game->board()[row][column] = Square{letter, static_cast<std::uint8_t>(joker ? 1 : 0)};
    }
    /// Writes a profile into the folder and returns its file name.
    std::string writeProfile(const std::string& name, const std::string& text)
    {
        dir.write(name, text);
        return name;
    }
};

/// A player record for tests.
inline Player makePlayer(const std::string& name, const std::string& profile, const std::string& rack)
{
    Player player;
    player.setName(name);
    player.setProfile(profile);
    player.setRack(rack);
    return player;
}

/// Random text of `n` letters drawn from `letters`, one in `jokerOneIn` a joker (none when 0).
inline std::string randomLetters(std::mt19937& random, int n, const char* letters = "AEST",
                                 unsigned jokerOneIn = 0)
{
    std::string text;
    for (; n > 0; --n)
        text +=
            jokerOneIn != 0 && random() % jokerOneIn == 0 ? '[' : letters[random() % std::strlen(letters)];
    return text;
}

/// Leave values on the set's vowels with every value drawn from [-range, range].
inline LeaveValues randomLeaveValues(std::mt19937& random, const LetterSet& set, double range)
{
    LeaveValues leaves = LeaveValues::handWritten(set);
    std::uniform_real_distribution<double> value(-range, range);
    for (int code = 0; code < kLetterCount; ++code) {
        leaves.setTileValue(code, value(random));
        leaves.setDuplicateValue(code, value(random));
    }
    for (int vowels = 0; vowels <= LeaveValues::kMaxBalance; ++vowels)
        for (int consonants = 0; consonants <= LeaveValues::kMaxBalance; ++consonants)
            leaves.setBalanceValue(vowels, consonants, value(random));
    for (int first = 0; first < kLetterCount; ++first)
        for (int second = first + 1; second < kLetterCount; ++second)
            leaves.setPairValue(first, second, value(random));
    return leaves;
}

/// Gives `count` random leaves of 1 to 6 of `letters` (a joker now and then) a correction drawn
/// from [-range, range].
inline void addRandomCorrections(std::mt19937& random, LeaveValues& leaves, const char* letters, double range,
                                 int count)
{
    std::uniform_real_distribution<double> value(-range, range);
    for (; count > 0; --count) {
        LeaveValues::Counts leave{};
        for (char letter : randomLetters(random, 1 + static_cast<int>(random() % 6), letters, 5))
            ++leave[static_cast<std::size_t>(letter - 'A')];
        leaves.setCorrection(leave, value(random));
    }
}

} // namespace glyph::test
