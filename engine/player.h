#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glyph
{

/// A seat at the table: name, computer profile file (empty for a human), score, time left
/// in seconds and rack (internal letter codes, at most 7 in play).
struct Player {
    char name[50] = {};
    char profile[50] = {};
    std::int32_t score = 0;
    std::int32_t timeLeft = 0;
    char rack[32] = {};

    /// Byte size of the little-endian image stored in history snapshots and saved games.
    static constexpr int kImageSize = 140;
    /// Scores stay within -kMaxScore..kMaxScore, so that adding any two never overflows.
    static constexpr int kMaxScore = 1'000'000'000;
    /// Clocks stay within -kMaxSeconds..kMaxSeconds (100,000 minutes).
    static constexpr int kMaxSeconds = 100'000 * 60;

    /// Adds points to the score, which stops at -kMaxScore or kMaxScore.
    void addScore(int points);

    bool isComputer() const { return profile[0] != 0; }
    /// An empty rack: once the bag is empty, the player has gone out (a rack of jokers alone,
    /// worth nothing, has not).
    bool hasNoTiles() const { return rack[0] == 0; }
    /// True for a name that can only be a file inside the profile folder: not empty, no folder
    /// separator, not "." or "..". Saved games and players name profiles this way only.
    static bool isProfileName(std::string_view name);
    /// Copies text into a field, cut to leave room for the terminator.
    void setName(const std::string& text);
    void setProfile(const std::string& text);
    void setRack(const std::string& text);

    void writeImage(std::uint8_t* out) const;
    /// Reads a 140-byte image; false (and the player unchanged) when a string field is not
    /// terminated, the profile is neither empty nor a profile name, or the rack holds codes
    /// other than 'A'..'['. The score and the clock are
    /// clamped to their ranges.
    bool readImage(const std::uint8_t* in);
};

} // namespace glyph
