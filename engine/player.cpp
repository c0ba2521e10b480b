#include "engine/player.h"

#include <algorithm>
#include <cstring>

#include "base/board.h"
#include "base/byteio.h"
#include "engine/textencoding.h"

namespace glyph
{

namespace
{

constexpr int kNameOffset = 0;
constexpr int kProfileOffset = kNameOffset + 50;
constexpr int kPlayerScoreOffset = kProfileOffset + 50;
constexpr int kTimeOffset = kPlayerScoreOffset + 4;
constexpr int kRackOffset = kTimeOffset + 4;
static_assert(kRackOffset + 32 == Player::kImageSize);

/// Copies text into a fixed field, cut to leave room for the terminator (between two UTF-8
/// characters, not inside one), NUL-padded.
template <std::size_t N> void copyField(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), textencoding::wholeCharacters(text, N - 1));
}

/// True when the field holds a terminator.
bool isTerminated(const std::uint8_t* field, std::size_t size)
{
    return std::memchr(field, 0, size) != nullptr;
}

bool isRackText(const std::uint8_t* field)
{
    for (const std::uint8_t* p = field; *p != 0; ++p) {
        if (*p < 'A' || *p > static_cast<std::uint8_t>(kJoker))
            return false;
    }
    return true;
}

} // namespace

bool Player::isProfileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

void Player::setName(const std::string& text)
{
    copyField(name, text);
}

void Player::setProfile(const std::string& text)
{
    copyField(profile, text);
}

void Player::setRack(const std::string& text)
{
    copyField(rack, text);
}

void Player::addScore(int points)
{
    const long long sum = static_cast<long long>(score) + points;
    score = static_cast<std::int32_t>(std::clamp<long long>(sum, -kMaxScore, kMaxScore));
}

void Player::writeImage(std::uint8_t* out) const
{
    std::memcpy(out + kNameOffset, name, sizeof name);
    std::memcpy(out + kProfileOffset, profile, sizeof profile);
    byteio::putInt32(out + kPlayerScoreOffset, score);
    byteio::putInt32(out + kTimeOffset, timeLeft);
    std::memcpy(out + kRackOffset, rack, sizeof rack);
}

bool Player::readImage(const std::uint8_t* in)
{
    if (!isTerminated(in + kNameOffset, sizeof name) || !isTerminated(in + kProfileOffset, sizeof profile) ||
        !isTerminated(in + kRackOffset, sizeof rack) || !isRackText(in + kRackOffset))
        return false;
    const char* profileText = reinterpret_cast<const char*>(in + kProfileOffset);
    if (profileText[0] != 0 && !isProfileName(profileText))
        return false;
    std::memcpy(name, in + kNameOffset, sizeof name);
    std::memcpy(profile, in + kProfileOffset, sizeof profile);
    score = std::clamp(byteio::getInt32(in + kPlayerScoreOffset), -kMaxScore, kMaxScore);
    timeLeft = std::clamp(byteio::getInt32(in + kTimeOffset), -kMaxSeconds, kMaxSeconds);
    std::memcpy(rack, in + kRackOffset, sizeof rack);
    return true;
}

} // namespace glyph
