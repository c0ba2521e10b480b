#include "engine/gcgimporter.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>

#include "base/letters.h"
#include "base/regularfile.h"
#include "engine/bag.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gameview.h"
#include "engine/gcgwriter.h"
#include "engine/moveplacement.h"
#include "engine/textencoding.h"

namespace glyph
{

namespace
{

using Kind = GcgParser::Event::Kind;

/// An end-of-game line that takes a rack's points from its holder ("RACK (RACK) -5"), rather
/// than giving the player who went out the points of the others.
bool isPenalty(const GcgParser::Event& event)
{
    return event.kind == Kind::EndPoints &&
           (event.score < 0 || (event.rackGiven && event.rack == event.letters));
}

bool isTurn(Kind kind)
{
    return kind == Kind::Play || kind == Kind::Pass || kind == Kind::Exchange;
}

/// The name cut to the player record's field without splitting a UTF-8 character. Blanks the
/// cut leaves at the end go too: a record trims them, so a name ending in them would not read
/// back as it was written.
std::string fittedName(const std::string& name)
{
    std::size_t length = textencoding::wholeCharacters(name, sizeof(Player::name) - 1);
    while (length > 0 && std::isspace(static_cast<unsigned char>(name[length - 1])))
        --length;
    return name.substr(0, length);
}

std::string shownRack(const std::string& rack, WarningSink& language)
{
    return rack.empty() ? language.translate("(empty)") : letters::toUserText(rack);
}

} // namespace

GcgImporter::GcgImporter(Game& game) : m_game(game) {}

GcgImporter::~GcgImporter() = default;

bool GcgImporter::fail(int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_error = GcgParser::lineMessage(&m_game.view(), line, format, args);
    va_end(args);
    return false;
}

void GcgImporter::report(int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_reports.push_back(GcgParser::lineMessage(&m_game.view(), line, format, args));
    va_end(args);
}

bool GcgImporter::importFile(const std::string& fileName)
{
    std::string bytes;
    const RegularFile::Status status = RegularFile::readFile(fileName, GcgParser::kMaxFileBytes, bytes);
    if (status != RegularFile::Status::Read)
        m_error = RegularFile::describe(status, fileName, &m_game.view());
    if (status != RegularFile::Status::Read || !importText(bytes)) {
        showWarning(m_game.view(), "Can't import %s: %s", fileName.c_str(), m_error.c_str());
        return false;
    }
    return true;
}

bool GcgImporter::importText(const std::string& bytes)
{
    m_error.clear();
    m_reports.clear();
    m_turns = 0;
    GcgParser parser(&m_game.view());
    if (!parser.parse(bytes)) {
        m_error = parser.error();
        return false;
    }
    const GcgParser::Record& record = parser.record();
    m_title = record.title;
    // The replay lays its tiles on the game's board; the game in progress gets it back unless
    // the record's game replaces it.
    const Board board = m_game.board();
    m_game.board() = Board{};
    if (!plan(record) || !replay(record)) {
        m_rules.reset();
        m_game.board() = board;
        return false;
    }
    compareTotals(record);
    m_rules->setReplaying(false);
    m_game.setRules(std::move(m_rules));
    m_game.rules()->goLast();
    return true;
}

bool GcgImporter::plan(const GcgParser::Record& record)
{
    const std::vector<Event>& events = record.events;
    const std::size_t players = record.nicknames.size();
    m_rackAfter.assign(events.size(), std::nullopt);
    m_withdrawnBy.assign(events.size(), 0);
    m_firstRacks.assign(players, std::nullopt);
    m_firstRackLines.assign(players, 0);

    // The rack each player is left with: an end-of-game penalty line or a #rack line says it.
    Racks finalRacks(players);
    std::vector<int> finalLines(players, 0);
    std::vector<std::size_t> lastTurn(players, events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& event = events[i];
        const std::size_t seat = static_cast<std::size_t>(std::max(event.player, 0));
        if (event.kind == Kind::Rack || isPenalty(event)) {
            finalRacks[seat] = event.kind == Kind::EndPoints && !event.rackGiven ? event.letters : event.rack;
            finalLines[seat] = event.line;
        }
        if (event.kind == Kind::Withdrawn) {
            std::size_t play = i;
            while (play > 0 && events[play - 1].kind == Kind::Note)
                --play;
            if (play == 0 || events[play - 1].kind != Kind::Play || events[play - 1].player != event.player)
                return fail(event.line, "a withdrawal (--) that follows no play of %s",
                            record.nicknames[seat].c_str());
            m_withdrawnBy[play - 1] = i;
        }
        if (!isTurn(event.kind))
            continue;
        if (lastTurn[seat] == events.size()) {
            m_firstRacks[seat] = event.rackGiven ? std::optional<std::string>(event.rack) : std::nullopt;
            m_firstRackLines[seat] = event.line;
        } else if (event.rackGiven) {
            m_rackAfter[lastTurn[seat]] = event.rack;
        }
        lastTurn[seat] = i;
    }
    for (std::size_t seat = 0; seat < players; ++seat) {
        if (lastTurn[seat] == events.size()) {
            m_firstRacks[seat] = finalRacks[seat];
            m_firstRackLines[seat] = finalLines[seat];
        } else if (finalRacks[seat]) {
            m_rackAfter[lastTurn[seat]] = finalRacks[seat];
        }
    }
    return true;
}

bool GcgImporter::replay(const GcgParser::Record& record)
{
    if (!checkSeats(record))
        return false;
    m_rules = std::make_unique<GameClassic>(m_game);
    m_rules->setReplaying(true);
    std::vector<Player> players(record.names.size());
    for (std::size_t i = 0; i < players.size(); ++i)
        players[i].setName(fittedName(record.names[i]));
    if (!m_rules->start(players))
        return fail(0, "the game could not start");
    m_pinned.assign(players.size(), false);
    // One seat at a time, so that a rack the bag cannot give is blamed on its own line.
    for (std::size_t seat = 0; seat < players.size(); ++seat) {
        Racks wanted(players.size());
        wanted[seat] = m_firstRacks[seat];
        if (wanted[seat] && !setRacks(wanted, m_firstRackLines[seat]))
            return false;
    }
    for (std::size_t i = 0; i < record.events.size(); ++i)
        if (!replayEvent(record, i))
            return false;
    return true;
}

bool GcgImporter::checkSeats(const GcgParser::Record& record)
{
    // The rules would refuse the players too; said here, the message names the #player line
    // of the first seat the set cannot serve.
    const int served = Bag::seatsServed(m_game.letterSet());
    const int seats = static_cast<int>(record.names.size());
    if (seats <= served)
        return true;
    return fail(record.playerLines[static_cast<std::size_t>(served)],
                "the letter set has %d tiles: too few for %d players", Bag::tilesIn(m_game.letterSet()),
                seats);
}

bool GcgImporter::replayEvent(const GcgParser::Record& record, std::size_t index)
{
    const Event& event = record.events[index];
    switch (event.kind) {
    case Kind::Note:
        m_rules->addRecordEvent({RecordEvent::Kind::Note, 0, 0, event.text, Move{}});
        return true;
    case Kind::Rack:
    case Kind::Withdrawn: // replayed with its play
        return true;
    case Kind::Play:
        return startTurn(event) &&
               playEvent(event, m_withdrawnBy[index] ? &record.events[m_withdrawnBy[index]] : nullptr) &&
               finishTurn(index, event.player, event.line);
    case Kind::Pass:
        if (!startTurn(event))
            return false;
        if (event.score != 0)
            report(event.line, "the record scores a pass %lld", event.score);
        m_rules->passOrExchange("", "");
        return finishTurn(index, event.player, event.line);
    case Kind::Exchange:
        return startTurn(event) && exchangeEvent(event, index) && finishTurn(index, event.player, event.line);
    case Kind::ChallengeBonus:
    case Kind::TimePenalty: {
        const bool bonus = event.kind == Kind::ChallengeBonus;
        const int points = static_cast<int>(event.score);
        m_rules->players()[event.player].addScore(points);
        m_rules->amendSnapshot();
        m_rules->addRecordEvent({bonus ? RecordEvent::Kind::ChallengeBonus : RecordEvent::Kind::TimePenalty,
                                 event.player,
                                 points,
                                 {},
                                 Move{}});
        return true;
    }
    case Kind::EndPoints:
        return endPointsEvent(event);
    }
    return true;
}

bool GcgImporter::startTurn(const Event& event)
{
    if (++m_turns > kMaxTurns)
        return fail(event.line, "the record holds more than 2,000 turns");
    if (m_rules->isGameOver())
        return fail(event.line,
                    "the game is already over by the rules (no tiles left to play, or too many passes)");
    const Player& player = m_rules->currentPlayer();
    if (event.player != m_rules->currentPlayerIndex())
        return fail(event.line, "it is the turn of %s, not of %s", player.name,
                    m_rules->players()[event.player].name);
    if (!event.rackGiven || letters::isAnagram(event.rack, player.rack))
        return true;
    Racks wanted(m_rules->players().size());
    wanted[event.player] = event.rack;
    return setRacks(wanted, event.line);
}

bool GcgImporter::playEvent(const Event& event, const Event* withdrawal)
{
    Move move;
    if (!buildMove(event, move) || (!event.rackGiven && !giveTilesOfMove(event, move)))
        return false;
    m_game.computeScore(move, m_game.board());
    if (move.score != event.score)
        report(event.line, "the record scores %lld, the rules %d", event.score, move.score);
    if (withdrawal == nullptr) {
        MoveProblem problem;
        if (!m_rules->playRecordedMove(move, problem))
            return fail(event.line, "%s", problem.message(&m_game.view()).c_str());
        return true;
    }
    // A withdrawn move must still be one that could be laid; the turn then counts as a pass.
    const placement::Extent extent{m_game.rows(), m_game.columns()};
    const bool firstMove =
        !m_game.isOccupied(geometry::centreRow(m_game.rows()), geometry::centreColumn(m_game.columns()));
    MoveProblem problem{
        placement::placementProblem(move, m_game.board(), extent, m_rules->currentPlayer().rack, firstMove),
        m_game.moveText(move, m_game.board())};
    if (problem.ok() && firstMove) {
        Move spelled = move;
        const std::string word = placement::spelledWord(move);
        std::fill(std::begin(spelled.word), std::end(spelled.word), 0);
        word.copy(spelled.word, sizeof spelled.word - 1);
        problem = m_rules->validateFirstMove(spelled);
    }
    if (!problem.ok())
        return fail(event.line, "%s", problem.message(&m_game.view()).c_str());
    if (withdrawal->score != -move.score)
        report(withdrawal->line, "the record takes back %lld points, the move scored %d", -withdrawal->score,
               move.score);
    m_rules->passOrExchange("", "");
    m_rules->addRecordEvent({RecordEvent::Kind::WithdrawnMove, event.player, 0, {}, move});
    return true;
}

bool GcgImporter::buildMove(const Event& event, Move& move)
{
    const int length = static_cast<int>(event.word.size());
    const int lastRow = event.across ? event.row : event.row + length - 1;
    const int lastColumn = event.across ? event.column + length - 1 : event.column;
    move = Move{};
    if (event.row < 1 || event.column < 1 || lastRow > m_game.rows() || lastColumn > m_game.columns())
        return fail(event.line, "the move %s runs off the %d x %d board", event.word.c_str(), m_game.rows(),
                    m_game.columns());
    std::string word;
    std::string jokers;
    for (int i = 0; i < length; ++i) {
        const int row = event.across ? event.row : event.row + i;
        const int column = event.across ? event.column + i : event.column;
        const char written = event.word[static_cast<std::size_t>(i)];
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(written)));
        const std::string square = std::to_string(row) + GcgWriter::columnName(column);
        if (m_game.isOccupied(row, column)) {
            const char held = m_game.board()[row][column].letter;
            if (written != '.' && upper != held)
                return fail(event.line, "the move has %c on %s, where the board holds %c", written,
                            square.c_str(), held);
            word += held;
        } else if (written == '.') {
            return fail(event.line, "the move plays through %s, which is empty", square.c_str());
        } else if (written != upper) {
            word += kJoker;
            jokers += upper;
        } else {
            word += written;
        }
    }
    move.horiz = event.across ? 1 : 0;
    move.lin = static_cast<std::int8_t>(event.row);
    move.col = static_cast<std::int8_t>(event.column);
    word.copy(move.word, sizeof move.word - 1);
    jokers.copy(move.jokers, sizeof move.jokers - 1);
    return true;
}

bool GcgImporter::giveTilesOfMove(const Event& event, const Move& move)
{
    // A line without a rack: the player is given the tiles the move lays, with as many of the
    // tiles held before as still fit in a rack of the size held.
    std::string laid;
    for (int i = 0; i < placement::wordLength(move); ++i)
        if (!m_game.isOccupied(placement::rowAt(move, i), placement::columnAt(move, i)))
            laid += move.word[i];
    return giveTiles(event, laid);
}

bool GcgImporter::giveTiles(const Event& event, const std::string& tiles)
{
    const std::string held = m_rules->currentPlayer().rack;
    std::string kept = held;
    if (letters::takeLetters(kept, tiles))
        return true;
    // The rack keeps its size (fewer than seven tiles once the bag is empty): the tiles given take the places
    // of the last ones held that are not among them.
    std::string rack = tiles + kept;
    rack.resize(std::min(rack.size(), std::max(held.size(), tiles.size())));
    Racks wanted(m_rules->players().size());
    wanted[event.player] = rack.substr(0, kRackSize);
    return setRacks(wanted, event.line);
}

bool GcgImporter::exchangeEvent(const Event& event, std::size_t index)
{
    std::string rack = m_rules->currentPlayer().rack;
    std::string letters = event.letters;
    std::string kept;
    if (event.count > 0) {
        // Only the count is known: keep what the rack after the exchange still holds.
        if (event.count > static_cast<int>(rack.size()))
            return fail(event.line, "the exchange gives up more tiles than the rack holds");
        std::string after = m_rackAfter[index].value_or("");
        letters.clear();
        for (char letter : rack) {
            const auto found = after.find(letter);
            if (found != std::string::npos &&
                static_cast<int>(kept.size()) < static_cast<int>(rack.size()) - event.count) {
                kept += letter;
                after.erase(found, 1);
            } else if (static_cast<int>(letters.size()) < event.count) {
                letters += letter;
            } else {
                kept += letter;
            }
        }
    } else {
        // Without a rack on the line, the player is given the letters exchanged, as for a play.
        if (!event.rackGiven && !giveTiles(event, letters))
            return false;
        rack = m_rules->currentPlayer().rack;
        if (kept = rack; !letters::takeLetters(kept, letters))
            return fail(event.line, "the exchange gives up %s, which the rack %s does not hold",
                        shownRack(letters, m_game.view()).c_str(), shownRack(rack, m_game.view()).c_str());
    }
    if (!m_rules->canExchange())
        return fail(event.line, "the bag holds fewer than 7 tiles, so no exchange is allowed");
    if (event.score != 0)
        report(event.line, "the record scores an exchange %lld", event.score);
    if (!m_rules->passOrExchange(letters, kept))
        return fail(event.line, "the exchange is refused by the rules");
    return true;
}

bool GcgImporter::endPointsEvent(const Event& event)
{
    if (!m_rules->isGameOver())
        return fail(event.line, "end-of-game rack points while the game goes on");
    const std::vector<Player>& players = m_rules->players();
    const HistoryEntry& last = m_rules->history().back();
    int total = 0;
    int finisher = -1;
    for (std::size_t i = 0; i < last.players.size(); ++i) {
        const int value = letters::stringValue(m_game.letterSet(), last.players[i].rack);
        total += value;
        if (last.players[i].hasNoTiles())
            finisher = static_cast<int>(i);
    }
    const int own = letters::stringValue(m_game.letterSet(), players[event.player].rack);
    const long long expected = isPenalty(event) ? -own : (event.player == finisher ? total : 0);
    if (event.score != expected)
        report(event.line, "the record gives %lld points for the racks left, the rules %lld", event.score,
               expected);
    return true;
}

bool GcgImporter::finishTurn(std::size_t index, int player, int line)
{
    if (m_rackAfter[index]) {
        Racks wanted(m_rules->players().size());
        wanted[player] = m_rackAfter[index];
        return setRacks(wanted, line);
    }
    m_pinned[player] = false;
    return true;
}

bool GcgImporter::setRacks(const Racks& wanted, int line)
{
    std::vector<Player>& players = m_rules->players();
    Bag& bag = m_rules->bag();
    std::vector<std::string> before(players.size());
    for (std::size_t i = 0; i < players.size(); ++i) {
        before[i] = players[i].rack;
        if (wanted[i] || !m_pinned[i])
            for (char tile : before[i])
                bag.returnTile(tile);
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (!wanted[i])
            continue;
        for (char tile : *wanted[i])
            if (!bag.removeTile(tile))
                return fail(
                    line,
                    "the rack %s of %s holds tiles that are neither in the bag nor free to take from a rack",
                    shownRack(*wanted[i], m_game.view()).c_str(), players[i].name);
        players[i].setRack(*wanted[i]);
        m_pinned[i] = true;
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (wanted[i] || m_pinned[i])
            continue;
        std::string rack;
        for (char tile : before[i])
            if (bag.removeTile(tile))
                rack += tile;
        rack += bag.draw(static_cast<int>(before[i].size() - rack.size()));
        players[i].setRack(rack);
    }
    m_rules->amendSnapshot();
    return true;
}

void GcgImporter::compareTotals(const GcgParser::Record& record)
{
    std::vector<const Event*> last(record.nicknames.size(), nullptr);
    for (const Event& event : record.events)
        if (event.kind != Kind::Note && event.kind != Kind::Rack)
            last[static_cast<std::size_t>(event.player)] = &event;
    const std::vector<Player>& players = m_rules->players();
    for (std::size_t i = 0; i < last.size(); ++i)
        if (last[i] != nullptr && last[i]->total != players[i].score)
            report(last[i]->line, "%s ends on %lld in the record, %d by the rules", players[i].name,
                   last[i]->total, players[i].score);
}

} // namespace glyph
