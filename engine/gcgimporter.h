#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/gcgparser.h"
#include "engine/move.h"

namespace glyph
{

class Game;
class GameClassic;

/// Replays a GCG game record through the rules, on the board, letter set and bonus of the
/// game's current settings, and makes it the game in progress with its whole history. Each
/// move is laid and scored by the rules (words missing from the dictionary are kept: records
/// hold phonies); the racks are the record's, the tiles of racks it does not give are drawn.
/// A move that cannot be laid stops the import with its line; a score that differs from the
/// record's is reported with its line and the import goes on.
class GcgImporter
{
public:
    /// Most turns a record may hold; games have well under a hundred.
    static constexpr int kMaxTurns = 2000;

    explicit GcgImporter(Game& game);
    ~GcgImporter();
    GcgImporter(const GcgImporter&) = delete;
    GcgImporter& operator=(const GcgImporter&) = delete;

    /// Imports the record's text. True: the game holds the record's game at its last
    /// position. False: `error` says why, naming the line, and the game is as it was.
    bool importText(const std::string& bytes);
    /// Reads a regular file of at most GcgParser::kMaxFileBytes and imports it; a failure is
    /// also shown through the game's view as "Can't import FILE: ...".
    bool importFile(const std::string& fileName);

    const std::string& error() const { return m_error; }
    /// "Line N: ..." for each line whose score or total the rules see otherwise.
    const std::vector<std::string>& reports() const { return m_reports; }
    /// The record's #title.
    const std::string& title() const { return m_title; }

private:
    using Event = GcgParser::Event;
    using Racks = std::vector<std::optional<std::string>>;

    /// Sets the error, "Line N: " and the format filled in, in the language of the game's
    /// view; false.
    bool fail(int line, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 3, 4)))
#endif
        ;
    /// Adds a report like `fail`'s error.
    void report(int line, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 3, 4)))
#endif
        ;
    bool plan(const GcgParser::Record& record);
    /// False, naming the #player line, when the letter set cannot deal a tile to every seat.
    bool checkSeats(const GcgParser::Record& record);
    bool replay(const GcgParser::Record& record);
    bool replayEvent(const GcgParser::Record& record, std::size_t index);
    bool startTurn(const Event& event);
    bool playEvent(const Event& event, const Event* withdrawal);
    bool exchangeEvent(const Event& event, std::size_t index);
    bool endPointsEvent(const Event& event);
    bool buildMove(const Event& event, Move& move);
    bool giveTilesOfMove(const Event& event, const Move& move);
    /// Makes the player's rack hold these tiles, keeping its size (the tiles not among them are
    /// dealt elsewhere); false after the message when the set cannot supply them.
    bool giveTiles(const Event& event, const std::string& tiles);
    /// Gives the players the racks asked for (the others keep theirs; a rack no line gave may
    /// be drawn again when its tiles are wanted) and stores them in the current snapshot.
    bool setRacks(const Racks& wanted, int line);
    /// Puts the rack the record gives for after the turn in place of the drawn one.
    bool finishTurn(std::size_t index, int player, int line);
    void compareTotals(const GcgParser::Record& record);

    Game& m_game;
    std::unique_ptr<GameClassic> m_rules;
    std::string m_error;
    std::vector<std::string> m_reports;
    std::string m_title;
    /// Per event: the rack its player holds after that turn, when the record says it.
    Racks m_rackAfter;
    /// Per event: the index of the "--" line that withdraws this play, or 0.
    std::vector<std::size_t> m_withdrawnBy;
    Racks m_firstRacks;
    std::vector<int> m_firstRackLines;
    /// Per seat: true when the rack is the record's, false when it was drawn.
    std::vector<bool> m_pinned;
    int m_turns = 0;
};

} // namespace glyph
