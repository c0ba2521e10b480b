#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dicfilewriter.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "englishset.h"
#include "preferences/preferences.h"
#include "recordingview.h"
#include "tempdir.h"

namespace glyph::test
{

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
                          const std::array<int, 27>& counts = kEnglishCounts)
    {
        DicFileWriter::write(dir.file("test.dic"), words);
        dir.write("test.set", letterSetText(counts));
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

    /// Gives the players these racks, the bag keeping the rest of the set's tiles less those on
    /// the board, so that the position is a possible one.
    void giveRacks(const std::vector<std::string>& racks)
    {
        for (std::size_t seat = 0; seat < racks.size(); ++seat)
            rules->players()[seat].setRack(racks[seat]);
        game->reloadRackSlots();
        rules->bag().recomputeFromBoard(game->letterSet(), rules->players(), game->board(), game->rows(),
                                        game->columns());
    }

    /// Scores the move on the game's board and plays it, as a turn does.
    bool play(Move move)
    {
        game->computeScore(move, game->board());
        return rules->playMove(move);
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

/// A game in progress to load or import over: Old has played CAT, so that a refused file can be
/// seen to leave the game as it was.
struct GameInProgress : RulesFixture {
    GameInProgress()
    {
        start({"Old", "Game"});
        setRack(0, "CATSXYZ");
        play(makeMove(true, 8, 7, "CAT"));
    }

    /// Everything a load or an import may change: the saved bytes (every snapshot and setting),
    /// the position shown, its board, which rules play and the letter set's values.
    std::string state()
    {
        EXPECT_TRUE(game->rules()->save(dir.file("state.tc")));
        std::string text = dir.read("state.tc") + std::to_string(game->rules()->historyPosition());
        for (const auto& row : game->board())
            for (const Square& square : row)
                text += {square.letter, static_cast<char>(square.joker)};
        return text + (game->rules() == rules ? "same" : "other") +
               std::to_string(game->letterSet().entry('Q').value);
    }
};

} // namespace glyph::test
