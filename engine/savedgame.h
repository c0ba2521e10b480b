#pragma once

#include <iosfwd>
#include <string>

#include "base/board.h"
#include "engine/bag.h"
#include "engine/historyentry.h"

namespace glyph
{

/// The pieces of a saved game file: its text lines and the byte images of a history entry.
/// Readers treat the input as hostile and check every field before they report success.
namespace savedgame
{

/// Longest text line a saved game holds, terminator excluded.
constexpr int kMaxLineLength = 1024;
/// Largest saved game read: thousands of history entries of a full table fit many times.
constexpr long long kMaxFileBytes = 256LL * 1024 * 1024;
/// Smallest entry line, "1 0 0" and its line feed.
constexpr int kMinEntryLine = 6;

/// Bytes of one history entry for this many players, counting its shortest possible line.
constexpr long long minEntrySize(int players)
{
    return kMinEntryLine + Move::kImageSize + kBoardImageSize + Bag::kImageSize +
           static_cast<long long>(players) * Player::kImageSize;
}

/// Reads one line ended by a line feed, without line feeds, carriage returns and backspaces;
/// false at the end of the input or when the line is longer than kMaxLineLength.
bool readLine(std::istream& in, std::string& line);
/// Scans the decimal integer at `pos` (after blanks) and moves `pos` past it; false when
/// there is none or it does not fit in an int.
bool scanInteger(const std::string& text, std::size_t& pos, int& out);

/// Writes an entry: its "round player passes" line, then the move, board, bag and player images.
bool writeEntry(std::ostream& out, const HistoryEntry& entry);
/// Reads an entry for entry.players.size() players; false (entry partly filled) on any
/// damage: a short record, an invalid image, or a round, player index or pass count out of range.
bool readEntry(std::istream& in, HistoryEntry& entry);

} // namespace savedgame
} // namespace glyph
