#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
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
        /// Games played at once, each on a thread with a game of its own; the computer players'
        /// searches share out the cores among them.
        int threads = 1;
        /// Lua text run in each game's script state before the game (settings for profiles).
        std::string setup;
    };

    SelfPlay(Game& game, Options options);
    /// Plays the games and prints the summary; false at the first failed check.
    bool run();

private:
    struct Tally {
        double wins = 0;
        long long score = 0;
        long long points = 0;
        long long turns = 0;
    };

    /// A game of a worker thread's own, set up as the tool's.
    struct Table;

    bool prepare(Game& game, int threads);
    void playGames(Game& game, int threads);
    bool playGame(Game& game, int number, std::vector<Tally>& tallies);
    bool checkTurn(Game& game);
    bool checkPlayedScore(Game& game, const Board& before);
    bool checkTiles(Game& game);
    /// The tiles of each letter in the bag, on the racks and on the board together.
    static std::array<int, kLetterCount> heldTiles(Game& game);
    void printPosition(Game& game, const std::string& reason, const Move* move);
    void printSummary(double seconds) const;

    Game& m_game;
    Options m_options;
    std::vector<Tally> m_tallies;
    std::atomic<int> m_nextGame{0};
    std::atomic<bool> m_failed{false};
    std::mutex m_talliesLock;
};

} // namespace glyph
