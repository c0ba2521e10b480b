#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ai/leavevalues.h"

namespace glyph
{

/// Learns leave values from self-play: games between two players that each play the best move
/// by score plus leave value, in two rounds (the second playing with the values the first
/// learned). Each turn that leaves tiles while the bag can refill the rack gives one sample:
/// the tiles kept, and what the player's next turn brought (its score plus the value of the
/// tiles it kept in turn). A ridge regression over per-tile, duplicate, pair and vowel-consonant
/// features fits the values, a few times over as the next turns' leave values settle; then
/// each leave seen often enough gets a correction of its own (see correct). Games are seeded from
/// the seed and their number alone, so the result does not depend on how the games are shared out among the
/// threads.
class LeaveTrainer
{
public:
    struct Options {
        std::string set;
        std::string dictionary;
        std::string out;
        int games = 1000;
        std::uint32_t seed = 1;
        int threads = 2;
    };
    /// One turn's kept tiles, and the score and kept tiles of the same player's next turn.
    struct Sample {
        LeaveValues::Counts leave;
        LeaveValues::Counts nextLeave;
        int nextScore;
    };

    /// One turn of a training game; the players take turns in order, the first player first.
    struct Turn {
        LeaveValues::Counts kept{}; ///< the tiles left on the rack after the turn
        int score = 0;
        bool laidTiles = false; ///< false for a pass or an exchange
        int bagBefore = 0;      ///< the tiles in the bag when the turn began
    };

    explicit LeaveTrainer(Options options) : m_options(std::move(options)) {}
    /// Trains and writes the file; false after one line on standard error.
    bool run();

    /// Fits values to the samples: what a leave is worth is what the next turn scores plus
    /// the value, by `start`, of the tiles that turn keeps, above what an empty leave brings.
    /// Vowel flags as in `start`; false when there are no samples.
    static bool fit(const std::vector<Sample>& samples, const LeaveValues& start, LeaveValues& out);

    /// The samples a game's turns give: a turn that laid tiles while the bag could refill the
    /// rack, paired with the same player's next turn. A turn the bag cannot refill teaches
    /// nothing, as the next rack holds fewer tiles than any rack of the middle game.
    static std::vector<Sample> samplesOf(const std::vector<Turn>& turns);

    /// Gives each leave seen often enough a correction of its own: the mean of what its samples
    /// brought beyond the values' prediction (and beyond what any turn brings), drawn toward 0
    /// the fewer the samples. The model's terms are shared by many leaves and cannot tell, say,
    /// a leave that forms few words from one that forms many.
    static void correct(const std::vector<Sample>& samples, LeaveValues& leaves);

private:
    bool refit(const std::vector<Sample>& samples, LeaveValues& leaves);
    bool playRound(int firstGame, int games, const LeaveValues& leaves, std::vector<Sample>& samples);

    Options m_options;
};

} // namespace glyph
