#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/board.h"
#include "engine/move.h"

namespace glyph
{

class Game;
class ToolView;

/// Plays whole games between computer profiles without a window and sums up the results;
/// optionally checks the move list, the scores and the tiles on every turn.
class SelfPlay
{
public:
    struct Options {
        int games = 1;
        std::vector<std::string> profiles;
        bool seeded = false;
        std::uint32_t seed = 0;
        bool check = false;
        std::string saveFile;
        /// Board size; 0 keeps the one in the preferences.
        int rows = 0;
        int columns = 0;
    };

    SelfPlay(Game& game, ToolView& view, Options options);
    /// Plays the games and prints the summary; false at the first failed check.
    bool run();

private:
    struct Tally {
        double wins = 0;
        long long score = 0;
        long long points = 0;
        long long turns = 0;
    };

    bool playGame(int number);
    bool checkTurn();
    bool checkPlayedScore(const Board& before);
    bool checkTiles();
    void printPosition(const std::string& reason, const Move* move);
    void printSummary(double seconds) const;

    Game& m_game;
    ToolView& m_view;
    Options m_options;
    std::vector<Tally> m_tallies;
};

} // namespace glyph
