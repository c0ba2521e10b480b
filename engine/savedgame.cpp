#include "engine/savedgame.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <istream>
#include <ostream>

namespace glyph::savedgame
{

namespace
{

/// Squares of the board image: letter code or 0, then the joker flag 0 or 1.
void writeBoard(std::ostream& out, const Board& board)
{
    std::array<char, kBoardImageSize> image{};
    int at = 0;
    for (const auto& row : board)
        for (const Square& square : row) {
            image[at++] = square.letter;
            image[at++] = static_cast<char>(square.joker);
        }
    out.write(image.data(), image.size());
}

bool readBoard(std::istream& in, Board& board)
{
    std::array<char, kBoardImageSize> image{};
    if (!in.read(image.data(), image.size()))
        return false;
    Board read{};
    int at = 0;
    for (auto& row : read)
        for (Square& square : row) {
            const char letter = image[at++];
            const char joker = image[at++];
            const bool validLetter = letter == 0 || (letter >= 'A' && letter <= 'Z');
            if (!validLetter || (joker != 0 && joker != 1) || (joker == 1 && letter == 0))
                return false;
            square.letter = letter;
            square.joker = static_cast<std::uint8_t>(joker);
        }
    board = read;
    return true;
}

template <int Size, typename Record> void writeImage(std::ostream& out, const Record& record)
{
    std::array<std::uint8_t, Size> image{};
    record.writeImage(image.data());
    out.write(reinterpret_cast<const char*>(image.data()), image.size());
}

template <int Size, typename Record> bool readImage(std::istream& in, Record& record)
{
    std::array<std::uint8_t, Size> image{};
    return in.read(reinterpret_cast<char*>(image.data()), image.size()) && record.readImage(image.data());
}

bool readCounters(std::istream& in, HistoryEntry& entry)
{
    std::string line;
    if (!readLine(in, line))
        return false;
    std::size_t pos = 0;
    int round = 0;
    int current = 0;
    int passes = 0;
    if (!scanInteger(line, pos, round) || !scanInteger(line, pos, current) || !scanInteger(line, pos, passes))
        return false;
    const int players = static_cast<int>(entry.players.size());
    // A game ends when the passes reach the number of players + 1, so no snapshot holds more.
    if (round < 1 || current < 0 || current >= players || passes < 0 || passes > players + 1)
        return false;
    entry.round = std::min(round, HistoryEntry::kMaxRound);
    entry.currentPlayer = current;
    entry.passCount = passes;
    return true;
}

} // namespace

bool readLine(std::istream& in, std::string& line)
{
    line.clear();
    for (int read = 0; read <= kMaxLineLength; ++read) {
        const int c = in.get();
        if (c == std::char_traits<char>::eof())
            return false;
        if (c == '\n')
            return true;
        if (c != '\r' && c != '\b')
            line += static_cast<char>(c);
    }
    return false;
}

bool scanInteger(const std::string& text, std::size_t& pos, int& out)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    int value = 0;
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc())
        return false;
    pos = static_cast<std::size_t>(next - text.data());
    out = value;
    return true;
}

bool writeEntry(std::ostream& out, const HistoryEntry& entry)
{
    char line[64];
    std::snprintf(line, sizeof line, "%d %d %d\n", entry.round, entry.currentPlayer, entry.passCount);
    out << line;
    writeImage<Move::kImageSize>(out, entry.move);
    writeBoard(out, entry.board);
    writeImage<Bag::kImageSize>(out, entry.bag);
    for (const Player& player : entry.players)
        writeImage<Player::kImageSize>(out, player);
    return static_cast<bool>(out);
}

bool readEntry(std::istream& in, HistoryEntry& entry)
{
    if (!readCounters(in, entry) || !readImage<Move::kImageSize>(in, entry.move) ||
        !readBoard(in, entry.board) || !readImage<Bag::kImageSize>(in, entry.bag))
        return false;
    for (Player& player : entry.players)
        if (!readImage<Player::kImageSize>(in, player))
            return false;
    return true;
}

} // namespace glyph::savedgame
