#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/gamerules.h"

namespace glyph
{

class Preferences;

/// The classic rules: racks of seven, turns in order, pass and exchange, the end by passes
/// or an empty rack with an empty bag, rack penalties, history and saved games.
class GameClassic : public GameRules
{
public:
    explicit GameClassic(Game& game);

    bool start(const std::vector<Player>& players) override;
    std::string name() const override;
    void finalScoring() override;
    void showGameOver() override;
    bool isGameOver() const override;
    bool canExchange() const override;
    void nextPlayer() override;
    bool playMove(const Move& move) override;
    bool passOrExchange(const std::string& letters, const std::string& kept) override;
    bool load(const std::string& fileName) override;
    bool save(const std::string& fileName) override;
    void goFirst() override;
    void goLast() override;
    void goPrevious() override;
    void goNext() override;
    void goTo(int index) override;
    MoveProblem validateMove(const Move& move) override;
    MoveProblem validateFirstMove(const Move& move) override;
    void addHistory(const Move& move) override;
    void restoreHistory() override;
    bool writeHistoryEntry(std::ostream& file, const HistoryEntry& entry) override;
    bool readHistoryEntry(std::istream& file, HistoryEntry& entry) override;
    void tickClock() override;
    bool playRecordedMove(const Move& move, MoveProblem& problem) override;

    /// Loads a saved game from its bytes (`fileName` names it in the warning); like `load`.
    bool loadBytes(const std::string& bytes, const std::string& fileName);

private:
    /// What a saved game file holds, read and checked whole before any of it is used.
    struct SavedGameContents {
        int players = 0;
        std::string dictionary;
        std::string letterSet;
        int time = 0;
        int bonus = 0;
        std::vector<HistoryEntry> history;
    };

    /// Lays a checked move, scores it, refills the rack and passes the turn on.
    void layCheckedMove(const Move& move);
    /// What keeps the move from being laid from the current rack at all (nothing when `ok()`).
    MoveProblem placementProblem(const Move& move);
    /// Moves to the snapshot at `index` (clamped), restores it and refreshes the view.
    void showPosition(int index);
    void stepTo(int index);
    /// Writes the bytes to a temporary file beside `fileName` and renames it into place.
    bool writeFileAtomically(const std::string& fileName, const std::string& bytes);
    /// False when the loader would refuse what save would write: too many players, or a
    /// dictionary or letter-set name that is not one line.
    bool canBeLoadedBack(const Preferences& preferences) const;
    bool parseSavedGame(const std::string& bytes, SavedGameContents& contents);
    static bool readNumberLine(std::istream& in, int& value);
};

} // namespace glyph
