#include "ai/gameanalysis.h"

#include <algorithm>

#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gcgwriter.h"
#include "engine/historyentry.h"
#include "engine/moveplacement.h"

namespace glyph
{

namespace
{

/// Puts the game's board back when the analysis is done with it.
class BoardKeeper
{
public:
    explicit BoardKeeper(Board& board) : m_board(board), m_saved(board) {}
    ~BoardKeeper() { m_board = m_saved; }
    BoardKeeper(const BoardKeeper&) = delete;
    BoardKeeper& operator=(const BoardKeeper&) = delete;

private:
    Board& m_board;
    Board m_saved;
};

/// What each point of the letters left costs once the bag is empty.
constexpr double kStuckFactor = -2.0;
/// What going out is worth once the bag is empty, beyond the move's score: the opponent's
/// last move and its tiles' points, which no few points of a move that keeps tiles outweigh.
constexpr double kGoingOut = 20.0;

const Move* withdrawnMove(const HistoryEntry& entry)
{
    for (const RecordEvent& event : entry.events)
        if (event.kind == RecordEvent::Kind::WithdrawnMove)
            return &event.move;
    return nullptr;
}

} // namespace

GameAnalysis::GameAnalysis(Game& game, const LeaveValues& leaves)
    : m_game(game), m_leaves(leaves), m_generator(game)
{
}

std::vector<GameAnalysis::Turn> GameAnalysis::analyse(const GameRules& rules, const Progress& progress)
{
    return analyse(rules.history(), progress);
}

std::vector<GameAnalysis::Turn> GameAnalysis::analyse(const std::vector<HistoryEntry>& history,
                                                      const Progress& progress)
{
    std::vector<Turn> turns;
    const int total = static_cast<int>(history.size()) - 1;
    for (int index = 1; index <= total; ++index) {
        turns.push_back(analyseTurn(history, index));
        if (progress && !progress(index, total))
            break;
    }
    return turns;
}

GameAnalysis::Turn GameAnalysis::analyseTurn(const GameRules& rules, int index)
{
    return analyseTurn(rules.history(), index);
}

GameAnalysis::Turn GameAnalysis::analyseTurn(const std::vector<HistoryEntry>& history, int index)
{
    const HistoryEntry& before = history[static_cast<std::size_t>(index - 1)];
    const HistoryEntry& after = history[static_cast<std::size_t>(index)];
    BoardKeeper keeper(m_game.board());
    m_game.board() = before.board;

    Turn turn;
    turn.turn = index;
    turn.player = before.currentPlayer;
    turn.rack = before.players[static_cast<std::size_t>(turn.player)].rack;
    turn.played = after.move;
    const int bag = before.bag.total();
    const Move* withdrawn = withdrawnMove(after);
    if (!after.move.isPass()) {
        turn.kind = "play";
        turn.playedEquity = equityOf(after.move, turn.rack, bag);
        turn.phonies = missingWords(after.move);
    } else if (GcgWriter::isExchange(after)) {
        turn.kind = "exchange";
        turn.exchanged = GcgWriter::exchangedLetters(before, after, turn.player);
        std::string kept = turn.rack;
        letters::takeLetters(kept, turn.exchanged);
        turn.playedEquity = leaveWorth(kept, bag);
    } else {
        turn.kind = withdrawn != nullptr ? "withdrawn" : "pass";
        turn.playedEquity = leaveWorth(turn.rack, bag);
        if (withdrawn != nullptr)
            turn.phonies = missingWords(*withdrawn);
    }

    turn.bestByScore = m_generator.generate(turn.rack);
    turn.bestByEquity = turn.bestByScore;
    turn.bestEquity = leaveWorth(turn.rack, bag);
    bool first = true;
    for (const Move& move : m_generator.moves()) {
        if (move.isPass())
            continue;
        const double equity = equityOf(move, turn.rack, bag);
        if (first || equity > turn.bestEquity) {
            turn.bestByEquity = move;
            turn.bestEquity = equity;
            first = false;
        }
        turn.missedSeven = turn.missedSeven || tilesLaid(move) == kRackSize;
    }
    turn.missedSeven = turn.missedSeven && (after.move.isPass() || tilesLaid(after.move) != kRackSize);
    turn.pointsLost = turn.bestByScore.score - (after.move.isPass() ? 0 : after.move.score);
    turn.equityLost = std::max(turn.bestEquity, turn.playedEquity) - turn.playedEquity;
    return turn;
}

std::vector<GameAnalysis::Summary> GameAnalysis::summarise(const std::vector<Turn>& turns, int players)
{
    std::vector<Summary> summaries(static_cast<std::size_t>(std::max(players, 0)));
    for (const Turn& turn : turns) {
        if (turn.player < 0 || turn.player >= players)
            continue;
        Summary& summary = summaries[static_cast<std::size_t>(turn.player)];
        ++summary.turns;
        summary.pointsLost += turn.pointsLost;
        summary.equityLost += turn.equityLost;
        summary.missedSevens += turn.missedSeven ? 1 : 0;
        summary.phonies += static_cast<int>(turn.phonies.size());
    }
    return summaries;
}

double GameAnalysis::equityOf(const Move& move, const std::string& rack, int bagTiles) const
{
    return move.score + leaveWorth(m_game.keptLetters(rack, move), bagTiles);
}

double GameAnalysis::leaveWorth(const std::string& letters, int bagTiles) const
{
    // As Profiles/Strategist.cpu weighs a leave: with the bag empty the rack no longer draws,
    // going out ends the game and what is held only costs its points; near the end the rack
    // matters less for drawing.
    if (bagTiles <= 0)
        return letters.empty() ? kGoingOut : kStuckFactor * letters::stringValue(m_game.letterSet(), letters);
    const double value = m_leaves.value(std::string_view(letters));
    return bagTiles < kRackSize ? value * bagTiles / kRackSize : value;
}

int GameAnalysis::tilesLaid(const Move& move) const
{
    int laid = 0;
    for (int i = 0; i < placement::wordLength(move); ++i)
        laid += m_game.isOccupied(placement::rowAt(move, i), placement::columnAt(move, i)) ? 0 : 1;
    return laid;
}

std::vector<std::string> GameAnalysis::missingWords(const Move& move) const
{
    std::vector<std::string> missing;
    const std::string word = placement::spelledWord(move);
    // A single tile may make a word only across the play; one letter along it is no word.
    if (word.size() >= 2 && !m_game.dictionary().contains(word.c_str()))
        missing.push_back(word);
    const placement::Extent extent{m_game.rows(), m_game.columns()};
    const int dRow = move.horiz ? 1 : 0;
    const int dColumn = move.horiz ? 0 : 1;
    for (int i = 0; i < static_cast<int>(word.size()); ++i) {
        const int row = placement::rowAt(move, i);
        const int column = placement::columnAt(move, i);
        if (m_game.isOccupied(row, column))
            continue;
        const placement::Run run = placement::runThrough(m_game.board(), extent, row, column, dRow, dColumn);
        if (run.length < 2)
            continue;
        std::string cross;
        for (int k = 0, r = run.row, c = run.column; k < run.length; ++k, r += dRow, c += dColumn)
            cross +=
                (r == row && c == column) ? word[static_cast<std::size_t>(i)] : m_game.board()[r][c].letter;
        if (!m_game.dictionary().contains(cross.c_str()))
            missing.push_back(cross);
    }
    return missing;
}

} // namespace glyph
