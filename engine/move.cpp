#include "engine/move.h"

#include <algorithm>
#include <cstring>

#include "base/board.h"
#include "base/byteio.h"
#include "engine/player.h"

namespace glyph
{

namespace
{

constexpr int kTextSize = 30;
constexpr int kHorizOffset = 0;
constexpr int kColOffset = 1;
constexpr int kLinOffset = 2;
constexpr int kReservedOffset = 3;
constexpr int kScoreOffset = 4;
constexpr int kWordOffset = 8;
constexpr int kJokersOffset = kWordOffset + kTextSize;
static_assert(kJokersOffset + kTextSize == Move::kImageSize);

/// Length of a NUL-terminated text field, or -1 when the field holds no terminator.
int terminatedLength(const std::uint8_t* field)
{
    const void* end = std::memchr(field, 0, kTextSize);
    return end ? static_cast<int>(static_cast<const std::uint8_t*>(end) - field) : -1;
}

bool allInRange(const std::uint8_t* field, int length, char first, char last)
{
    for (int i = 0; i < length; ++i)
        if (field[i] < static_cast<std::uint8_t>(first) || field[i] > static_cast<std::uint8_t>(last))
            return false;
    return true;
}

int countJokers(const std::uint8_t* word, int length)
{
    int jokers = 0;
    for (int i = 0; i < length; ++i)
        jokers += word[i] == static_cast<std::uint8_t>(kJoker);
    return jokers;
}

/// True when a word of `length` letters from (row, column) in the direction stays on the
/// largest board; a pass (no letters) lies nowhere and always fits.
bool liesOnLargestBoard(std::uint8_t across, int row, int column, int length)
{
    if (length == 0)
        return true;
    const int lastRow = across ? row : row + length - 1;
    const int lastColumn = across ? column + length - 1 : column;
    return row >= 1 && column >= 1 && lastRow <= kMaxBoardSize && lastColumn <= kMaxBoardSize;
}

} // namespace

void Move::writeImage(std::uint8_t* out) const
{
    out[kHorizOffset] = horiz;
    out[kColOffset] = static_cast<std::uint8_t>(col);
    out[kLinOffset] = static_cast<std::uint8_t>(lin);
    out[kReservedOffset] = 0;
    byteio::putInt32(out + kScoreOffset, score);
    std::memcpy(out + kWordOffset, word, kTextSize);
    std::memcpy(out + kJokersOffset, jokers, kTextSize);
}

bool Move::readImage(const std::uint8_t* in)
{
    const std::uint8_t* wordField = in + kWordOffset;
    const std::uint8_t* jokersField = in + kJokersOffset;
    const int wordLength = terminatedLength(wordField);
    const int jokersLength = terminatedLength(jokersField);
    if (wordLength < 0 || jokersLength < 0)
        return false;
    if (!allInRange(wordField, wordLength, 'A', kJoker) || !allInRange(jokersField, jokersLength, 'A', 'Z'))
        return false;
    if (countJokers(wordField, wordLength) != jokersLength)
        return false;
    if (!liesOnLargestBoard(in[kHorizOffset], static_cast<std::int8_t>(in[kLinOffset]),
                            static_cast<std::int8_t>(in[kColOffset]), wordLength))
        return false;

    horiz = in[kHorizOffset];
    col = static_cast<std::int8_t>(in[kColOffset]);
    lin = static_cast<std::int8_t>(in[kLinOffset]);
    score = std::clamp(byteio::getInt32(in + kScoreOffset), -Player::kMaxScore, Player::kMaxScore);
    // Bytes after the terminators carry nothing; keep them zero so images compare equal.
    std::memset(word, 0, sizeof word);
    std::memset(jokers, 0, sizeof jokers);
    std::memcpy(word, wordField, wordLength);
    std::memcpy(jokers, jokersField, jokersLength);
    return true;
}

} // namespace glyph
