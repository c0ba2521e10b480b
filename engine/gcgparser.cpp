#include "engine/gcgparser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdarg>

#include "base/board.h"
#include "base/textscan.h"
#include "base/warningsink.h"
#include "engine/gamerules.h"
#include "engine/textencoding.h"

namespace glyph
{

namespace
{

/// Pragmata that records carry and that the game has no use for: read and left alone.
const char* const kIgnoredPragmata[] = {"description", "id",        "date",     "tournament",
                                        "round",       "game-type", "tile-set", "tile-distribution",
                                        "board-layout"};
/// Longest nickname or full name read, in bytes.
constexpr std::size_t kMaxNameLength = 200;
/// Longest coordinate: two letters and two digits.
constexpr std::size_t kMaxCoordinateLength = 4;

std::vector<std::string> tokens(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t')
            ++pos;
        if (pos > start)
            out.push_back(text.substr(start, pos - start));
    }
    return out;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// The line that starts at `pos`, without its end (CR, LF or CR LF); moves `pos` past the end.
std::string nextLine(const std::string& bytes, std::size_t& pos)
{
    const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    std::string line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r')
        ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n')
        ++pos;
    return line;
}

bool isDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int GcgParser::columnNumber(const std::string& text)
{
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        return 0;
    int number = 0;
    for (char c : text)
        number = number * 26 + (c - 'A' + 1);
    return number;
}

GcgParser::GcgParser(WarningSink* language) : m_language(language) {}

std::string GcgParser::lineMessage(WarningSink* language, int line, const char* format, va_list args)
{
    const std::string what = translatedTextV(language, format, args);
    return line > 0 ? translatedText(language, "Line %d: %s", line, what.c_str()) : what;
}

bool GcgParser::fail(int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_error = lineMessage(m_language, line, format, args);
    va_end(args);
    return false;
}

bool GcgParser::parse(const std::string& bytes)
{
    m_record = Record{};
    m_error.clear();
    if (static_cast<long long>(bytes.size()) > kMaxFileBytes)
        return fail(0, "the record is larger than 4 MB");
    std::string text(textscan::withoutByteOrderMark(bytes));
    const bool bom = text.size() != bytes.size();
    std::size_t pos = 0;
    const std::string first = nextLine(text, pos);
    m_utf8 = bom || trimmed(first) == "#character-encoding UTF-8";
    pos = 0;
    int filled = 0;
    for (int number = 1; pos < text.size(); ++number) {
        std::string line = nextLine(text, pos);
        if (!trimmed(line).empty() && ++filled > kMaxLines)
            return fail(number, "the record holds more than 20,000 lines");
        if (!checkText(number, line) || !parseLine(number, trimmed(line)))
            return false;
    }
    if (m_record.nicknames.empty())
        return fail(0, "the record names no player (no #player1 line)");
    return true;
}

bool GcgParser::checkText(int line, std::string& text)
{
    if (text.size() > static_cast<std::size_t>(kMaxLineLength))
        return fail(line, "the line is longer than 65,536 characters");
    for (unsigned char c : text)
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return fail(line, "the line holds binary data");
    if (m_utf8 && !textencoding::isUtf8(text))
        return fail(line, "the line is not UTF-8 text");
    if (!m_utf8)
        text = textencoding::latin1ToUtf8(text);
    return true;
}

bool GcgParser::parseLine(int line, const std::string& text)
{
    if (text.empty())
        return true;
    if (text[0] == '#')
        return parsePragma(line, text);
    if (text[0] == '>')
        return parseEvent(line, text);
    return fail(line, "the line is neither a #pragma nor a >player line");
}

bool GcgParser::parsePragma(int line, const std::string& text)
{
    const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
    const std::string name = text.substr(1, end - 1);
    const std::string rest = trimmed(text.substr(end));
    if (name == "character-encoding") {
        if (line != 1)
            return fail(line, "#character-encoding must be the first line");
        if (rest != "UTF-8" && rest != "ISO-8859-1")
            return fail(line, "the encoding %s is neither UTF-8 nor ISO-8859-1", rest.c_str());
        return true;
    }
    if (name.rfind("player", 0) == 0 && isDigits(name.substr(6))) {
        int seat = 0;
        return parseSeat(line, name.substr(6), seat, false) && parsePlayer(line, seat, rest);
    }
    if (name.rfind("rack", 0) == 0 && isDigits(name.substr(4))) {
        Event event;
        event.kind = Event::Kind::Rack;
        event.line = line;
        event.rackGiven = true;
        if (!parseSeat(line, name.substr(4), event.player, true) || !parseRack(line, rest, event.rack))
            return false;
        // A #rack line without tiles says nothing: no rack is empty while the game goes on, and
        // an empty rack at its end is never written, so it could not be written back.
        if (!event.rack.empty())
            m_record.events.push_back(event);
        return true;
    }
    if (name == "note") {
        Event event;
        event.line = line;
        event.text = rest;
        m_record.events.push_back(event);
        return true;
    }
    if (name == "title" || name == "lexicon") {
        (name == "title" ? m_record.title : m_record.lexicon) = rest;
        return true;
    }
    if (name == "incomplete") {
        m_record.incomplete = true;
        return true;
    }
    if (std::find(std::begin(kIgnoredPragmata), std::end(kIgnoredPragmata), name) !=
        std::end(kIgnoredPragmata))
        return true;
    return fail(line, "unknown pragma #%s", name.substr(0, 40).c_str());
}

bool GcgParser::parseSeat(int line, const std::string& digits, int& seat, bool existing)
{
    int number = 0;
    const auto [next, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || next != digits.data() + digits.size() || number < 1 || number > kMaxPlayers)
        return fail(line, "player %s is not a seat from 1 to %d", digits.substr(0, 12).c_str(), kMaxPlayers);
    const int players = static_cast<int>(m_record.nicknames.size());
    if (existing && number > players)
        return fail(line, "player %s is not named by a #player line", digits.c_str());
    seat = number - 1;
    return true;
}

bool GcgParser::parsePlayer(int line, int seat, const std::string& rest)
{
    if (seat != static_cast<int>(m_record.nicknames.size()))
        return fail(line, "the #player lines must number the players 1, 2, 3 ... in order");
    const bool played = std::any_of(m_record.events.begin(), m_record.events.end(),
                                    [](const Event& event) { return event.kind != Event::Kind::Note; });
    if (played)
        return fail(line, "a #player line after the first move");
    const std::vector<std::string> words = tokens(rest);
    if (words.empty())
        return fail(line, "the #player line gives no nickname");
    const std::string nick = words[0];
    std::string name = trimmed(rest.substr(rest.find(nick) + nick.size()));
    if (name.empty())
        name = nick;
    if (nick.size() > kMaxNameLength || name.size() > kMaxNameLength)
        return fail(line, "the player's name is longer than 200 characters");
    if (nick.find(':') != std::string::npos)
        return fail(line, "the nickname %s holds a colon", nick.c_str());
    if (std::find(m_record.nicknames.begin(), m_record.nicknames.end(), nick) != m_record.nicknames.end())
        return fail(line, "two players have the nickname %s", nick.c_str());
    m_record.nicknames.push_back(nick);
    m_record.names.push_back(name);
    m_record.playerLines.push_back(line);
    return true;
}

bool GcgParser::parseEvent(int line, const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return fail(line, "the >player line has no colon after the nickname");
    if (m_record.nicknames.empty())
        return fail(line, "a move before any #player line");
    const std::string nick = text.substr(1, colon - 1);
    const auto found = std::find(m_record.nicknames.begin(), m_record.nicknames.end(), nick);
    if (found == m_record.nicknames.end())
        return fail(line, "no #player line names %s", nick.substr(0, kMaxNameLength).c_str());
    Event event;
    event.line = line;
    event.player = static_cast<int>(found - m_record.nicknames.begin());
    const std::vector<std::string> words = tokens(text.substr(colon + 1));
    if (words.size() < 3 || words.size() > 5)
        return fail(line, "a >player line holds a rack, a move, a score and a total");
    if (!parsePoints(line, words[words.size() - 2], event.score) ||
        !parsePoints(line, words[words.size() - 1], event.total))
        return false;
    if (!parseMiddle(event, std::vector<std::string>(words.begin(), words.end() - 2)))
        return false;
    m_record.events.push_back(event);
    return true;
}

bool GcgParser::parseMiddle(Event& event, const std::vector<std::string>& middle)
{
    const auto special = [](const std::string& token) { return token[0] == '-' || token[0] == '('; };
    if (middle.size() == 3 || (middle.size() == 2 && !special(middle[1]))) {
        if (middle.size() == 3) {
            event.rackGiven = true;
            if (!parseRack(event.line, middle[0], event.rack))
                return false;
        }
        return parsePlay(event, middle[middle.size() - 2], middle.back());
    }
    if (middle.size() == 2) {
        event.rackGiven = true;
        if (!parseRack(event.line, middle[0], event.rack))
            return false;
    }
    return parseSpecial(event, middle.back());
}

bool GcgParser::parseSpecial(Event& event, const std::string& token)
{
    using Kind = Event::Kind;
    if (token == "-") {
        event.kind = Kind::Pass;
    } else if (token == "--") {
        event.kind = Kind::Withdrawn;
    } else if (token[0] == '-' && isDigits(token.substr(1))) {
        event.kind = Kind::Exchange;
        if (token.size() > 2 || token[1] < '1' || token[1] > '7')
            return fail(event.line, "an exchange of %s tiles", token.substr(1, 12).c_str());
        event.count = token[1] - '0';
    } else if (token[0] == '-') {
        event.kind = Kind::Exchange;
        if (!parseRack(event.line, token.substr(1), event.letters))
            return false;
    } else if (token == "(challenge)") {
        event.kind = Kind::ChallengeBonus;
    } else if (token == "(time)") {
        event.kind = Kind::TimePenalty;
    } else if (token.size() >= 2 && token.front() == '(' && token.back() == ')') {
        event.kind = Kind::EndPoints;
        const std::string tiles = token.substr(1, token.size() - 2);
        if (tiles.size() > static_cast<std::size_t>(kRackSize * kMaxPlayers))
            return fail(event.line, "the tiles in parentheses are more than the racks hold");
        for (char c : tiles) {
            if (c == '?')
                event.letters += kJoker;
            else if (c >= 'A' && c <= 'Z')
                event.letters += c;
            else
                return fail(event.line, "the tiles (%s) are not letters and ?", tiles.substr(0, 40).c_str());
        }
    } else {
        return fail(event.line,
                    "a move reads neither as a play, -, --, -LETTERS, (challenge), (time) nor (TILES)");
    }
    return true;
}

bool GcgParser::parsePlay(Event& event, const std::string& position, const std::string& word)
{
    event.kind = Event::Kind::Play;
    const auto firstLetter =
        std::find_if(position.begin(), position.end(), [](char c) { return c < '0' || c > '9'; });
    const std::string head(position.begin(), firstLetter);
    const std::string tail(firstLetter, position.end());
    std::string letters;
    std::string digits;
    if (!head.empty()) {
        event.across = true;
        digits = head;
        letters = tail;
    } else {
        event.across = false;
        const auto firstDigit =
            std::find_if(position.begin(), position.end(), [](char c) { return c >= '0' && c <= '9'; });
        letters.assign(position.begin(), firstDigit);
        digits.assign(firstDigit, position.end());
    }
    event.column = columnNumber(letters);
    if (position.size() > kMaxCoordinateLength || event.column == 0 || !isDigits(digits) || digits.size() > 2)
        return fail(event.line, "the square %s is neither 8D (across) nor D8 (down)",
                    position.substr(0, 12).c_str());
    event.row = std::stoi(digits);
    if (word.size() > static_cast<std::size_t>(kMaxBoardSize))
        return fail(event.line, "the word is longer than 29 letters");
    for (char c : word)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.'))
            return fail(event.line, "the word %s holds other characters than letters and .", word.c_str());
    event.word = word;
    return true;
}

bool GcgParser::parseRack(int line, const std::string& token, std::string& rack)
{
    if (token.size() > static_cast<std::size_t>(kRackSize))
        return fail(line, "the rack %s holds more than 7 tiles", token.substr(0, 40).c_str());
    rack.clear();
    for (char c : token) {
        if (c == '?')
            rack += kJoker;
        else if (c >= 'A' && c <= 'Z')
            rack += c;
        else
            return fail(line, "the rack %s holds other characters than capitals and ?", token.c_str());
    }
    return true;
}

bool GcgParser::parsePoints(int line, const std::string& token, long long& value)
{
    const char* begin = token.data();
    const char* end = token.data() + token.size();
    if (begin != end && *begin == '+')
        ++begin;
    if (token.size() > 12)
        return fail(line, "the score %s... is out of range", token.substr(0, 14).c_str());
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || next != end || begin == end)
        return fail(line, "the score %s is not a whole number", token.c_str());
    if (value < -kMaxPoints || value > kMaxPoints)
        return fail(line, "the score %s is out of range", token.c_str());
    return true;
}

} // namespace glyph
