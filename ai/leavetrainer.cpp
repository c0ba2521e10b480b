#include "ai/leavetrainer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <unordered_map>

#include "ai/movegenerator.h"
#include "base/letterset.h"
#include "engine/game.h"
#include "engine/gameview.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph
{

namespace
{

/// Scoreless turns in a row after which a training game ends.
constexpr int kMaxScorelessTurns = 6;
/// Turns after which a training game ends whatever happens.
constexpr int kMaxTurns = 200;
/// Features: a constant, the tiles of each letter, the extra copies of each letter, one per
/// count of vowels and consonants held (the empty leave has none), and one per pair of
/// different letters held together.
constexpr int kTileFeatures = kLetterCount;
constexpr int kBalanceSide = LeaveValues::kMaxBalance + 1;
constexpr int kBalanceFeatures = kBalanceSide * kBalanceSide;
constexpr int kPairFeatures = kLetterCount * (kLetterCount - 1) / 2;
constexpr int kFirstPair = 1 + 2 * kTileFeatures + kBalanceFeatures;
constexpr int kFeatureCount = kFirstPair + kPairFeatures;
/// Weight of the ridge term: small beside hundreds of thousands of samples, enough to give
/// features that never vary (letters the set lacks) a value of 0.
constexpr double kRidge = 1.0;
/// Fits per round: each takes the next turns' leaves at the values the one before found.
constexpr int kFitPasses = 3;
/// Samples a leave needs for a correction of its own...
constexpr int kMinCorrectionSamples = 20;
/// ...and the samples at the model's value its mean is weighed with.
constexpr double kCorrectionPrior = 30.0;

/// One game's board, bag and racks, played by a generator of its own.
class TrainingTable
{
public:
    // No settings file: the training plays on the standard board with the standard bonus,
    // whatever a Preferences.ini in the working folder says.
    TrainingTable(const LeaveTrainer::Options& options)
        : m_preferences(std::string(), &m_view), m_game(m_preferences, m_view), m_generator(m_game)
    {
        m_preferences.setString(keys::kGameSet, options.set);
        m_preferences.setString(keys::kGameDictionary, options.dictionary);
        m_loaded = m_game.loadSettings() && m_game.dictionary().nodeCount() > 0;
    }
    bool loaded() const { return m_loaded; }
    const LetterSet& letterSet() const { return m_game.letterSet(); }

    /// Plays game `number` of the run and appends its samples.
    void play(std::uint32_t seed, int number, const LeaveValues& leaves,
              std::vector<LeaveTrainer::Sample>& samples);

private:
    std::string draw(std::string rack)
    {
        while (rack.size() < static_cast<std::size_t>(kRackSize) && !m_bag.empty()) {
            rack += m_bag.back();
            m_bag.pop_back();
        }
        return rack;
    }

    NullView m_view;
    Preferences m_preferences;
    Game m_game;
    MoveGenerator m_generator;
    std::vector<char> m_bag;
    bool m_loaded = false;
};

void TrainingTable::play(std::uint32_t seed, int number, const LeaveValues& leaves,
                         std::vector<LeaveTrainer::Sample>& samples)
{
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(number)};
    std::mt19937 random(sequence);
    m_bag.clear();
    for (int code = 0; code < kLetterCount; ++code)
        for (int k = 0; k < m_game.letterSet().entryAt(code).count; ++k)
            m_bag.push_back(static_cast<char>('A' + code));
    std::shuffle(m_bag.begin(), m_bag.end(), random);
    m_game.board() = Board{};
    std::string racks[2] = {draw({}), draw({})};
    std::vector<LeaveTrainer::Turn> turns;
    int scoreless = 0;
    for (int turn = 0; turn < kMaxTurns && scoreless < kMaxScorelessTurns; ++turn) {
        std::string& rack = racks[turn % 2];
        const Move move = m_generator.bestMove(rack, leaves);
        LeaveTrainer::Turn played;
        played.bagBefore = static_cast<int>(m_bag.size());
        played.laidTiles = !move.isPass();
        played.score = move.score;
        std::string kept;
        if (move.isPass()) {
            // Nothing scores: exchange everything while the bag allows, else pass.
            if (played.bagBefore >= kRackSize) {
                m_bag.insert(m_bag.begin(), rack.begin(), rack.end());
                rack.clear();
            }
            kept = rack;
            ++scoreless;
        } else {
            kept = m_game.keptLetters(rack, move);
            m_game.layMove(move, m_game.board());
            scoreless = 0;
        }
        LeaveValues::countsOf(kept, played.kept);
        turns.push_back(played);
        rack = draw(kept);
        if (rack.empty())
            break;
    }
    const std::vector<LeaveTrainer::Sample> gameSamples = LeaveTrainer::samplesOf(turns);
    samples.insert(samples.end(), gameSamples.begin(), gameSamples.end());
}

/// The feature of the pair of letter codes first < second.
int pairFeature(int first, int second)
{
    // Pairs are numbered row by row: (0,1), (0,2), ..., (1,2), ...
    return kFirstPair + first * (2 * kLetterCount - first - 1) / 2 + (second - first - 1);
}

/// The features of a leave, written into `row` (kFeatureCount entries).
void featuresOf(const LeaveValues::Counts& leave, const LeaveValues& flags, double* row)
{
    std::fill(row, row + kFeatureCount, 0.0);
    row[0] = 1.0;
    int vowels = 0;
    int consonants = 0;
    int held[kLetterCount];
    int heldCount = 0;
    for (int code = 0; code < kLetterCount; ++code) {
        const int count = leave[static_cast<std::size_t>(code)];
        if (count == 0)
            continue;
        row[1 + code] = count;
        row[1 + kTileFeatures + code] = count - 1;
        for (int k = 0; k < heldCount; ++k)
            row[pairFeature(held[k], code)] = 1.0;
        held[heldCount++] = code;
        if (code != kJokerIndex)
            (flags.isVowel(code) ? vowels : consonants) += count;
    }
    vowels = std::min(vowels, LeaveValues::kMaxBalance);
    consonants = std::min(consonants, LeaveValues::kMaxBalance);
    if (vowels + consonants > 0)
        row[1 + 2 * kTileFeatures + vowels * kBalanceSide + consonants] = 1.0;
}

/// Solves the symmetric system in place by Gaussian elimination with partial pivoting.
bool solve(std::vector<double>& matrix, std::vector<double>& vector, int size)
{
    for (int column = 0; column < size; ++column) {
        int pivot = column;
        for (int row = column + 1; row < size; ++row)
            if (std::fabs(matrix[row * size + column]) > std::fabs(matrix[pivot * size + column]))
                pivot = row;
        if (std::fabs(matrix[pivot * size + column]) < 1e-12)
            return false;
        if (pivot != column) {
            for (int k = 0; k < size; ++k)
                std::swap(matrix[column * size + k], matrix[pivot * size + k]);
            std::swap(vector[column], vector[pivot]);
        }
        for (int row = column + 1; row < size; ++row) {
            const double factor = matrix[row * size + column] / matrix[column * size + column];
            for (int k = column; k < size; ++k)
                matrix[row * size + k] -= factor * matrix[column * size + k];
            vector[row] -= factor * vector[column];
        }
    }
    for (int row = size - 1; row >= 0; --row) {
        double sum = vector[row];
        for (int k = row + 1; k < size; ++k)
            sum -= matrix[row * size + k] * vector[k];
        vector[row] = sum / matrix[row * size + row];
    }
    return true;
}

double bounded(double value)
{
    return std::clamp(value, -LeaveValues::kMaxEntry, LeaveValues::kMaxEntry);
}

} // namespace

std::vector<LeaveTrainer::Sample> LeaveTrainer::samplesOf(const std::vector<Turn>& turns)
{
    std::vector<Sample> samples;
    // The sample each player left at its last turn, waiting for that player's next turn.
    bool waiting[2] = {false, false};
    Sample pending[2]{};
    for (std::size_t turn = 0; turn < turns.size(); ++turn) {
        const Turn& played = turns[turn];
        const std::size_t player = turn % 2;
        if (waiting[player]) {
            pending[player].nextScore = played.score;
            pending[player].nextLeave = played.kept;
            samples.push_back(pending[player]);
        }
        waiting[player] = played.laidTiles && played.bagBefore >= kRackSize;
        pending[player].leave = played.kept;
    }
    return samples;
}

bool LeaveTrainer::fit(const std::vector<Sample>& samples, const LeaveValues& start, LeaveValues& out)
{
    if (samples.empty())
        return false;
    std::vector<double> normal(kFeatureCount * kFeatureCount, 0.0);
    std::vector<double> right(kFeatureCount, 0.0);
    double row[kFeatureCount];
    int used[kFeatureCount];
    for (const Sample& sample : samples) {
        featuresOf(sample.leave, start, row);
        const double outcome = sample.nextScore + start.value(sample.nextLeave);
        int count = 0;
        for (int i = 0; i < kFeatureCount; ++i)
            if (row[i] != 0)
                used[count++] = i;
        for (int a = 0; a < count; ++a) {
            const int i = used[a];
            right[i] += row[i] * outcome;
            for (int b = 0; b < count; ++b)
                normal[i * kFeatureCount + used[b]] += row[i] * row[used[b]];
        }
    }
    // The constant is left free; every other weight is drawn toward 0.
    for (int i = 1; i < kFeatureCount; ++i)
        normal[i * kFeatureCount + i] += kRidge;
    if (!solve(normal, right, kFeatureCount))
        return false;
    // The constant is what any turn brings; the rest is what the leave adds to it.
    out = start;
    for (int code = 0; code < kLetterCount; ++code) {
        out.setTileValue(code, bounded(right[1 + code]));
        out.setDuplicateValue(code, bounded(right[1 + kTileFeatures + code]));
    }
    for (int vowels = 0; vowels < kBalanceSide; ++vowels)
        for (int consonants = 0; consonants < kBalanceSide; ++consonants)
            out.setBalanceValue(
                vowels, consonants,
                vowels + consonants == 0
                    ? 0.0
                    : bounded(right[1 + 2 * kTileFeatures + vowels * kBalanceSide + consonants]));
    for (int first = 0; first < kLetterCount; ++first)
        for (int second = first + 1; second < kLetterCount; ++second)
            out.setPairValue(first, second,
                             bounded(right[static_cast<std::size_t>(pairFeature(first, second))]));
    return true;
}

bool LeaveTrainer::playRound(int firstGame, int games, const LeaveValues& leaves,
                             std::vector<Sample>& samples)
{
    // Games are handed out one at a time; each keeps its samples apart until all are played,
    // so that they are joined in the games' order.
    std::vector<std::vector<Sample>> perGame(static_cast<std::size_t>(games));
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    auto worker = [&]() {
        TrainingTable table(m_options);
        if (!table.loaded()) {
            failed = true;
            return;
        }
        for (int game = next++; game < games && !failed; game = next++)
            table.play(m_options.seed, firstGame + game, leaves, perGame[static_cast<std::size_t>(game)]);
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < std::max(1, m_options.threads); ++k)
        threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads)
        thread.join();
    if (failed) {
        std::fprintf(stderr, "glyphplay: the set %s or the dictionary %s could not be loaded\n",
                     m_options.set.c_str(), m_options.dictionary.c_str());
        return false;
    }
    for (const std::vector<Sample>& gameSamples : perGame)
        samples.insert(samples.end(), gameSamples.begin(), gameSamples.end());
    return true;
}

bool LeaveTrainer::refit(const std::vector<Sample>& samples, LeaveValues& leaves)
{
    for (int pass = 0; pass < kFitPasses; ++pass)
        if (!fit(samples, leaves, leaves)) {
            std::fprintf(stderr, "glyphplay: the games gave no turns to learn from\n");
            return false;
        }
    return true;
}

void LeaveTrainer::correct(const std::vector<Sample>& samples, LeaveValues& leaves)
{
    // What each sample brought beyond the model's value of its leave; the mean of that is what
    // any turn brings, the rest belongs to the leave.
    std::vector<double> residuals;
    residuals.reserve(samples.size());
    double total = 0;
    for (const Sample& sample : samples) {
        residuals.push_back(sample.nextScore + leaves.value(sample.nextLeave) - leaves.value(sample.leave));
        total += residuals.back();
    }
    const double mean = samples.empty() ? 0 : total / static_cast<double>(samples.size());
    struct Tally {
        LeaveValues::Counts leave{};
        double sum = 0;
        int count = 0;
    };
    std::unordered_map<std::uint32_t, Tally> tallies;
    for (std::size_t k = 0; k < samples.size(); ++k)
        if (const std::uint32_t key = LeaveValues::keyOf(samples[k].leave); key != 0) {
            Tally& tally = tallies[key];
            tally.leave = samples[k].leave;
            tally.sum += residuals[k] - mean;
            ++tally.count;
        }
    // A leave seen a few times says little: its mean is drawn toward the model's value, as if
    // kCorrectionPrior more samples had brought exactly that.
    for (const auto& [key, tally] : tallies)
        if (tally.count >= kMinCorrectionSamples)
            leaves.setCorrection(tally.leave, bounded(tally.sum / (tally.count + kCorrectionPrior)));
}

bool LeaveTrainer::run()
{
    const auto started = std::chrono::steady_clock::now();
    NullView view;
    LetterSet set;
    if (!set.load(m_options.set, view)) {
        std::fprintf(stderr, "glyphplay: cannot read the letter set %s\n", m_options.set.c_str());
        return false;
    }
    // Round one plays with the hand-written values, round two with what round one taught;
    // the values written are fitted to both rounds' turns.
    LeaveValues leaves = LeaveValues::handWritten(set);
    std::vector<Sample> samples;
    const int firstRound = m_options.games / 2;
    if (!playRound(0, firstRound, leaves, samples) || !refit(samples, leaves))
        return false;
    if (!playRound(firstRound, m_options.games - firstRound, leaves, samples) || !refit(samples, leaves))
        return false;
    correct(samples, leaves);
    std::string error;
    if (!leaves.save(m_options.out, error)) {
        std::fprintf(stderr, "glyphplay: %s\n", error.c_str());
        return false;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    std::printf("%d games, %zu turns learned from, in %.1f s: %s\n", m_options.games, samples.size(),
                elapsed.count(), m_options.out.c_str());
    return true;
}

} // namespace glyph
