#pragma once

#include <cstdint>

namespace glyph
{

/// Little-endian helpers for the byte images of saved games and history snapshots.
namespace byteio
{

/// Writes a signed 32-bit number as four little-endian bytes at out.
inline void putInt32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    out[0] = static_cast<std::uint8_t>(bits);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
    out[2] = static_cast<std::uint8_t>(bits >> 16);
    out[3] = static_cast<std::uint8_t>(bits >> 24);
}

/// Reads four little-endian bytes at in as a signed 32-bit number.
inline std::int32_t getInt32(const std::uint8_t* in)
{
    const std::uint32_t bits = std::uint32_t{in[0]} | (std::uint32_t{in[1]} << 8) |
                               (std::uint32_t{in[2]} << 16) | (std::uint32_t{in[3]} << 24);
    return static_cast<std::int32_t>(bits);
}

} // namespace byteio
} // namespace glyph
