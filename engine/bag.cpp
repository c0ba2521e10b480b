#include "engine/bag.h"

#include <algorithm>

#include "base/byteio.h"
#include "base/letterset.h"
#include "base/random.h"
#include "engine/player.h"

namespace glyph
{

namespace
{

constexpr int kIntSize = 4;
constexpr int kCountsOffset = kIntSize;
constexpr int kNextOffset = kCountsOffset + kLetterCount * kIntSize;
constexpr int kSequenceOffset = kNextOffset + kIntSize;
constexpr int kSequenceSize = 1000;
static_assert(kSequenceOffset + kSequenceSize == Bag::kImageSize);

bool isTileCode(char code)
{
    return code >= 'A' && code <= kJoker;
}

} // namespace

void Bag::fillFromLetterSet(const LetterSet& set)
{
    for (int k = 0; k < kLetterCount; ++k)
        m_counts[k] = std::max<std::int32_t>(0, set.entryAt(k).count);
    rebuild();
}

int Bag::tilesIn(const LetterSet& set)
{
    int tiles = 0;
    for (int k = 0; k < kLetterCount; ++k)
        tiles += std::max<int>(0, set.entryAt(k).count);
    return std::min(tiles, kMaxTiles);
}

int Bag::seatsServed(const LetterSet& set)
{
    return (tilesIn(set) + kRackSize - 1) / kRackSize;
}

void Bag::rebuild()
{
    std::array<std::int32_t, kLetterCount> scratch{};
    int remaining = 0;
    for (int k = 0; k < kLetterCount; ++k) {
        scratch[k] = std::max<std::int32_t>(0, m_counts[k]);
        remaining += scratch[k];
    }
    m_total = std::min(remaining, kMaxTiles);
    m_next = 0;
    m_sequence.fill(0);
    // Drawing the tiles one by one, each uniformly among those not yet drawn, gives a
    // uniformly shuffled sequence; when the set holds more than the bag can, the tiles left
    // out are a uniform random choice too.
    std::array<std::int32_t, kLetterCount> kept{};
    for (int i = 0; i < m_total; ++i) {
        int pick = random::uniform(0, remaining - 1);
        int k = 0;
        while (pick >= scratch[k]) {
            pick -= scratch[k];
            ++k;
        }
        --scratch[k];
        --remaining;
        ++kept[k];
        m_sequence[i] = static_cast<char>('A' + k);
    }
    // The counts describe the tiles in the sequence, also when the total was capped.
    m_counts = kept;
}

std::string Bag::draw(int n)
{
    const int wanted = std::clamp(n, 0, kMaxDraw);
    std::string out;
    while (m_total > 0 && m_next < kSequenceSize && static_cast<int>(out.size()) < wanted) {
        const char tile = m_sequence[m_next];
        ++m_next;
        --m_total;
        if (isTileCode(tile))
            --m_counts[tile - 'A'];
        out += tile;
    }
    return out;
}

void Bag::returnTile(char letter)
{
    if (!isTileCode(letter))
        return;
    ++m_total;
    ++m_counts[letter - 'A'];
    rebuild();
}

bool Bag::removeTile(char letter)
{
    if (!isTileCode(letter) || m_counts[letter - 'A'] <= 0)
        return false;
    --m_counts[letter - 'A'];
    --m_total;
    rebuild();
    return true;
}

void Bag::recomputeFromBoard(const LetterSet& set, const std::vector<Player>& players, const Board& board,
                             int rows, int columns)
{
    fillFromLetterSet(set);
    for (const Player& player : players) {
        for (int i = 0; i < static_cast<int>(sizeof player.rack) && player.rack[i] != 0; ++i)
            removeTile(player.rack[i]);
    }
    const int lastRow = std::clamp(rows, 0, kBoardCells - 1);
    const int lastColumn = std::clamp(columns, 0, kBoardCells - 1);
    for (int row = 1; row <= lastRow; ++row) {
        for (int column = 1; column <= lastColumn; ++column) {
            const Square& square = board[row][column];
            removeTile(square.joker != 0 ? kJoker : square.letter);
        }
    }
}

void Bag::writeImage(std::uint8_t* out) const
{
    byteio::putInt32(out, m_total);
    for (int k = 0; k < kLetterCount; ++k)
        byteio::putInt32(out + kCountsOffset + k * kIntSize, m_counts[k]);
    byteio::putInt32(out + kNextOffset, m_next);
    for (int i = 0; i < kSequenceSize; ++i)
        out[kSequenceOffset + i] = static_cast<std::uint8_t>(m_sequence[i]);
}

bool Bag::readImage(const std::uint8_t* in)
{
    const std::int32_t total = byteio::getInt32(in);
    const std::int32_t next = byteio::getInt32(in + kNextOffset);
    if (total < 0 || total > kMaxTiles || next < 0 || next > kMaxTiles - total)
        return false;
    std::array<std::int32_t, kLetterCount> counts{};
    for (int k = 0; k < kLetterCount; ++k)
        counts[k] = byteio::getInt32(in + kCountsOffset + k * kIntSize);
    // The undrawn part of the sequence must hold exactly the tiles that the counts say.
    std::array<std::int32_t, kLetterCount> seen{};
    for (int i = next; i < next + total; ++i) {
        const char tile = static_cast<char>(in[kSequenceOffset + i]);
        if (!isTileCode(tile))
            return false;
        ++seen[tile - 'A'];
    }
    if (seen != counts)
        return false;
    m_total = total;
    m_counts = counts;
    m_next = next;
    for (int i = 0; i < kSequenceSize; ++i)
        m_sequence[i] = static_cast<char>(in[kSequenceOffset + i]);
    return true;
}

} // namespace glyph
