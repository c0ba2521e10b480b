#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dicfilewriter.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "preferences/preferences.h"
#include "recordingview.h"
#include "tempdir.h"

namespace glyph::test
{

/// Letter values of the test set, 'A'..'Z' then the joker.
inline constexpr std::array<int, 27> kTestValues = {1, 3, 3,  2, 1, 4, 2, 4, 1, 8, 5, 1,  3, 1,
                                                    1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};

/// Writes a ".set" file with the test values and these counts per letter (joker last).
inline void writeLetterSet(const std::string& path, const std::array<int, 27>& counts)
{
    std::ofstream out(path, std::ios::trunc);
    const std::string vowels = "AEIOU";
    for (int k = 0; k < 27; ++k) {
        const bool vowel = k < 26 && vowels.find(static_cast<char>('A' + k)) != std::string::npos;
        out << counts[k] << ' ' << kTestValues[k] << ' ' << (vowel ? 1 : 0) << '\n';
    }
}

/// Counts of a 100-tile bag.
inline constexpr std::array<int, 27> kFullCounts = {9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6,
                                                    8, 2, 1, 6, 4,  6, 4, 2, 2, 1, 2, 1, 2};

/// The words the rules tests play with.
inline const std::vector<std::string> kTestWords = {"AT",  "AX",   "CAT",  "CATS", "TO",  "DOG",  "GO",
                                                    "ATE", "TEA",  "EAT",  "OX",   "TA",  "CATE", "SO",
                                                    "OD",  "DOGS", "TOGA", "COAT", "ACT", "TAT"};

/// A game on a 15 x 15 board with a few premium squares, a small dictionary and a letter set
/// in a temporary folder, reporting to a recording view, with classic rules.
///   word x2 at (8,8), word x3 at (9,11), letter x2 at (8,9), letter x3 at (7,10)
class RulesFixture
{
public:
    explicit RulesFixture(const std::vector<std::string>& words = kTestWords,
                          const std::array<int, 27>& counts = kFullCounts)
    {
        DicFileWriter::write(dir.file("test.dic"), words);
        writeLetterSet(dir.file("test.set"), counts);
        preferences = std::make_unique<Preferences>(dir.file("Preferences.ini"), &view);
        preferences->setInteger("TableRowsKey", 15);
        preferences->setInteger("TableColumnsKey", 15);
        preferences->setInteger("GameBonusKey", 50);
        preferences->setInteger("GameClassicTimeKey", 25);
        preferences->setString("GameSetKey", dir.file("test.set"));
        preferences->setString("GameDictionaryKey", dir.file("test.dic"));
        preferences->setString("MultiWordsX2Key", "8 8 |");
        preferences->setString("MultiWordsX3Key", "9 11 |");
        preferences->setString("MultiLettersX2Key", "8 9 |");
        preferences->setString("MultiLettersX3Key", "7 10 |");
        game = std::make_unique<Game>(*preferences, view);
        auto classic = std::make_unique<GameClassic>(*game);
        rules = classic.get();
        game->setRules(std::move(classic));
    }

    /// Seats players with these names (all human) and starts the game.
    void start(const std::vector<std::string>& names)
    {
        std::vector<Player> players(names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            players[i].setName(names[i]);
        rules->start(players);
    }

    /// Gives the player to move this rack and refills the rack slots from it.
    void setRack(int player, const std::string& rack)
    {
        rules->players()[player].setRack(rack);
        game->reloadRackSlots();
    }

    TempDir dir;
    RecordingView view;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<Game> game;
    GameClassic* rules = nullptr;
};

/// A move record.
inline Move makeMove(bool horiz, int lin, int col, const std::string& word, const std::string& jokers = {},
                     int score = 0)
{
    Move move;
    move.horiz = horiz ? 1 : 0;
    move.lin = static_cast<std::int8_t>(lin);
    move.col = static_cast<std::int8_t>(col);
    move.score = score;
    word.copy(move.word, sizeof move.word - 1);
    jokers.copy(move.jokers, sizeof move.jokers - 1);
    return move;
}

/// Puts a word on the board, across or down, from (row, column); jokers marked with '?'
/// before a letter ("C?AT" lays a joker A).
inline void putWord(Board& board, bool horiz, int row, int column, const std::string& word)
{
    bool joker = false;
    for (char letter : word) {
        if (letter == '?') {
            joker = true;
            continue;
        }
        board[row][column] = Square{letter, static_cast<std::uint8_t>(joker ? 1 : 0)};
        joker = false;
        (horiz ? column : row) += 1;
    }
}

} // namespace glyph::test
