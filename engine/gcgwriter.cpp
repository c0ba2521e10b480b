#include "engine/gcgwriter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/moveplacement.h"
#include "engine/textencoding.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph
{

namespace
{

constexpr int kLettersInAlphabet = 26;

std::string nameOf(const Player& player)
{
    // A record is UTF-8; a name that is not (a saved game of older days, in Latin-1) is read
    // as Latin-1.
    const std::string name(player.name, strnlen(player.name, sizeof player.name));
    return textencoding::isUtf8(name) ? name : textencoding::latin1ToUtf8(name);
}

/// A running total after adding points: it stops at the score bound, as a player's score does.
long long added(long long total, long long points)
{
    return std::clamp<long long>(total + points, -Player::kMaxScore, Player::kMaxScore);
}

std::string signedText(long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%+lld", value);
    return text;
}

/// ">nick: RACK middle +score total", the rack left out when empty.
std::string eventText(const std::string& nick, const std::string& rack, const std::string& middle,
                      long long score, long long total)
{
    std::string line = ">" + nick + ": ";
    if (!rack.empty())
        line += letters::toUserText(rack) + " ";
    return line + middle + " " + signedText(score) + " " + std::to_string(total) + "\n";
}

/// "(TILES)", blanks as '?'. Built by appending: GCC 12 warns falsely about "(" + string.
std::string inParentheses(const std::string& rack)
{
    std::string text = "(";
    return text.append(letters::toUserText(rack)).append(")");
}

/// A note as one line: line breaks and other control characters become blanks.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return text;
}

} // namespace

std::string GcgWriter::columnName(int column)
{
    std::string name;
    for (int n = column; n > 0; n = (n - 1) / kLettersInAlphabet)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % kLettersInAlphabet));
    return name;
}

std::string GcgWriter::coordinates(const Move& move)
{
    const std::string row = std::to_string(move.lin);
    const std::string column = columnName(move.col);
    return move.horiz ? row + column : column + row;
}

std::vector<std::string> GcgWriter::nicknames(const std::vector<Player>& players)
{
    std::vector<std::string> nicks;
    for (std::size_t i = 0; i < players.size(); ++i) {
        std::string nick = nameOf(players[i]);
        for (char& c : nick)
            if (std::isspace(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) < 0x20 ||
                c == 0x7f || c == ':')
                c = '_';
        if (nick.empty())
            nick = "player" + std::to_string(i + 1);
        // A number after a nickname already given, the next one while that is taken too.
        const std::string given = nick;
        for (std::size_t k = i + 1; std::find(nicks.begin(), nicks.end(), nick) != nicks.end(); ++k)
            nick = given + "_" + std::to_string(k);
        nicks.push_back(nick);
    }
    return nicks;
}

bool GcgWriter::isExchange(const HistoryEntry& entry)
{
    return entry.move.isPass() && entry.passCount == 0;
}

std::string GcgWriter::exchangedLetters(const HistoryEntry& before, const HistoryEntry& after, int player)
{
    if (!after.exchanged.empty())
        return after.exchanged;
    const std::string rack = before.players[player].rack;
    const std::string refilled = after.players[player].rack;
    // The rules draw the new tiles from the front of the bag and put them before the kept
    // ones. The most tiles at the front of the rack after that are the bag's next ones, with
    // the rest held before, are what was drawn: a drawn tile that matches a letter given up
    // would make a shorter split fit as well.
    const std::string nextInBag = upcomingTiles(before.bag, static_cast<int>(refilled.size()));
    for (std::size_t drawn = std::min(refilled.size(), nextInBag.size()); drawn > 0; --drawn) {
        std::string given = rack;
        if (refilled.compare(0, drawn, nextInBag, 0, drawn) == 0 &&
            letters::takeLetters(given, refilled.substr(drawn)) && !given.empty())
            return given;
    }
    // A rack set otherwise (a record's racks keep the record's order): the letters of the rack
    // before that the rack after lacks.
    std::string given = rack;
    letters::takeLetters(given, refilled);
    if (!given.empty())
        return given;
    // The same letters came back: at least one tile went, and a drawn one stands first.
    return refilled.empty() ? rack : refilled.substr(0, 1);
}

std::string GcgWriter::upcomingTiles(const Bag& bag, int count)
{
    const int start = std::clamp(bag.next(), 0, static_cast<int>(bag.sequence().size()));
    const int available = std::min(bag.total(), static_cast<int>(bag.sequence().size()) - start);
    return std::string(bag.sequence().data() + start,
                       static_cast<std::size_t>(std::clamp(count, 0, available)));
}

std::string GcgWriter::write(const GameRules& rules, const std::string& title) const
{
    const std::vector<HistoryEntry>& history = rules.history();
    if (history.empty())
        return {};
    const std::vector<Player>& players = history.front().players;
    const std::vector<std::string> nicks = nicknames(players);

    std::string text = "#character-encoding UTF-8\n";
    std::string shownTitle = title;
    for (std::size_t i = 0; title.empty() && i < players.size(); ++i)
        shownTitle += (i == 0 ? "" : " vs ") + nameOf(players[i]);
    text += "#title " + oneLine(shownTitle) + "\n";
    const std::string dictionary = m_game.preferences().string(keys::kGameDictionary);
    text += "#lexicon " + std::filesystem::path(dictionary).filename().string() + "\n";
    for (std::size_t i = 0; i < players.size(); ++i)
        text += "#player" + std::to_string(i + 1) + " " + nicks[i] + " " + oneLine(nameOf(players[i])) + "\n";
    if (!isOver(history.back()))
        text += "#incomplete\n";

    Totals totals;
    for (const Player& player : players)
        totals.push_back(player.score);
    // A time penalty of the last snapshot follows the end-of-game lines, as records have it.
    const bool startIsLast = history.size() == 1;
    for (const RecordEvent& event : history.front().events)
        if (!(startIsLast && event.kind == RecordEvent::Kind::TimePenalty))
            text += eventLine(event, history.front(), nicks, totals);
    for (std::size_t i = 1; i < history.size(); ++i) {
        const bool last = i + 1 == history.size();
        text += turnLines(history[i - 1], history[i], last, nicks, totals);
        if (!last)
            text += scoreCorrections(history[i], nicks, totals);
    }
    text += endLines(rules, nicks, totals);
    return text + scoreCorrections(history.back(), nicks, totals) + rackLines(history.back());
}

std::string GcgWriter::scoreCorrections(const HistoryEntry& after, const std::vector<std::string>& nicks,
                                        Totals& totals) const
{
    // A saved game keeps challenge bonuses and time penalties in the scores but not the
    // events: a line of the kind the points most likely came from carries each difference,
    // in steps a record's score field holds.
    std::string text;
    for (std::size_t i = 0; i < nicks.size() && i < after.players.size(); ++i) {
        const long long score = added(after.players[i].score, 0);
        while (totals[i] != score) {
            const long long points =
                std::clamp<long long>(score - totals[i], -Player::kMaxScore, Player::kMaxScore);
            const RecordEvent::Kind kind =
                points > 0 ? RecordEvent::Kind::ChallengeBonus : RecordEvent::Kind::TimePenalty;
            text += eventLine({kind, static_cast<int>(i), static_cast<int>(points), {}, Move{}}, after, nicks,
                              totals);
        }
    }
    return text;
}

std::string GcgWriter::turnLines(const HistoryEntry& before, const HistoryEntry& after, bool last,
                                 const std::vector<std::string>& nicks, Totals& totals) const
{
    const int player = before.currentPlayer;
    const std::string rack = before.players[player].rack;
    const Move& move = after.move;
    std::string text;
    if (!move.isPass()) {
        totals[player] = added(totals[player], move.score);
        text = eventText(nicks[player], rack, playText(move, before), move.score, totals[player]);
    } else if (isExchange(after)) {
        const std::string letters = letters::toUserText(exchangedLetters(before, after, player));
        text = eventText(nicks[player], rack, "-" + letters, 0, totals[player]);
    } else {
        const auto withdrawn =
            std::find_if(after.events.begin(), after.events.end(), [](const RecordEvent& event) {
                return event.kind == RecordEvent::Kind::WithdrawnMove;
            });
        if (withdrawn == after.events.end()) {
            text = eventText(nicks[player], rack, "-", 0, totals[player]);
        } else {
            const Move& laid = withdrawn->move;
            text = eventText(nicks[player], rack, playText(laid, before), laid.score,
                             added(totals[player], laid.score));
            text += eventText(nicks[player], rack, "--", -laid.score, totals[player]);
        }
    }
    for (const RecordEvent& event : after.events)
        if (event.kind != RecordEvent::Kind::WithdrawnMove &&
            !(last && event.kind == RecordEvent::Kind::TimePenalty))
            text += eventLine(event, after, nicks, totals);
    return text;
}

std::string GcgWriter::eventLine(const RecordEvent& event, const HistoryEntry& after,
                                 const std::vector<std::string>& nicks, Totals& totals) const
{
    if (event.kind == RecordEvent::Kind::Note)
        return "#note " + oneLine(event.text) + "\n";
    if (event.player < 0 || event.player >= static_cast<int>(nicks.size()))
        return {};
    totals[event.player] = added(totals[event.player], event.points);
    const char* what = event.kind == RecordEvent::Kind::ChallengeBonus ? "(challenge)" : "(time)";
    return eventText(nicks[event.player], after.players[event.player].rack, what, event.points,
                     totals[event.player]);
}

std::string GcgWriter::playText(const Move& move, const HistoryEntry& before) const
{
    const placement::Extent extent{m_game.rows(), m_game.columns()};
    std::string word;
    int joker = 0;
    for (int i = 0; i < placement::wordLength(move); ++i) {
        const char letter = move.word[i];
        if (placement::isOccupied(before.board, extent, placement::rowAt(move, i),
                                  placement::columnAt(move, i)))
            word += '.';
        else if (letter == kJoker)
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(move.jokers[joker++])));
        else
            word += letter;
    }
    return coordinates(move) + " " + word;
}

bool GcgWriter::isOver(const HistoryEntry& last) const
{
    if (last.passCount >= static_cast<int>(last.players.size()) + 1)
        return true;
    if (last.bag.total() > 0)
        return false;
    return std::any_of(last.players.begin(), last.players.end(),
                       [](const Player& player) { return player.hasNoTiles(); });
}

std::string GcgWriter::endLines(const GameRules& rules, const std::vector<std::string>& nicks,
                                Totals& totals) const
{
    const HistoryEntry& last = rules.history().back();
    const int count = static_cast<int>(last.players.size());
    const bool over = isOver(last);
    std::string text;
    std::vector<int> penalties(count, 0);
    if (over) {
        int finisher = -1;
        long long total = 0;
        for (int i = 0; i < count; ++i) {
            const std::string rack = last.players[i].rack;
            penalties[i] = letters::stringValue(m_game.letterSet(), rack);
            total += penalties[i];
            if (last.players[i].hasNoTiles())
                finisher = i;
            if (penalties[i] != 0) {
                totals[i] = added(totals[i], -penalties[i]);
                text += eventText(nicks[i], rack, inParentheses(rack), -penalties[i], totals[i]);
            }
        }
        if (finisher >= 0 && total != 0) {
            std::string left;
            for (int i = 0; i < count; ++i)
                if (i != finisher)
                    left += last.players[i].rack;
            totals[finisher] = added(totals[finisher], total);
            text += eventText(nicks[finisher], last.players[finisher].rack, inParentheses(left), total,
                              totals[finisher]);
        }
    }
    for (const RecordEvent& event : last.events)
        if (event.kind == RecordEvent::Kind::TimePenalty)
            text += eventLine(event, last, nicks, totals);
    return text;
}

std::string GcgWriter::rackLines(const HistoryEntry& last) const
{
    // The racks that no end line gives, so that a reader can put every tile back: the end
    // lines give every rack with points in a game that is over.
    const bool over = isOver(last);
    std::string text;
    for (std::size_t i = 0; i < last.players.size(); ++i) {
        const std::string rack = last.players[i].rack;
        if (!last.players[i].hasNoTiles() && (!over || letters::stringValue(m_game.letterSet(), rack) == 0))
            text += "#rack" + std::to_string(i + 1) + " " + letters::toUserText(rack) + "\n";
    }
    return text;
}

} // namespace glyph
