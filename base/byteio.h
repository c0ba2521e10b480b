#pragma once

#include <cstdint>

namespace glyph
{

/// The little-endian byte helpers of every byte format: dictionaries, saved games, bags,
/// players and history snapshots.
namespace byteio
{

/// Writes an unsigned 32-bit number as four little-endian bytes at out.
inline void putUint32(std::uint8_t* out, std::uint32_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
    out[2] = static_cast<std::uint8_t>(value >> 16);
    out[3] = static_cast<std::uint8_t>(value >> 24);
}

/// Reads four little-endian bytes at in as an unsigned 32-bit number.
inline std::uint32_t getUint32(const std::uint8_t* in)
{
    return std::uint32_t{in[0]} | (std::uint32_t{in[1]} << 8) | (std::uint32_t{in[2]} << 16) |
           (std::uint32_t{in[3]} << 24);
}

/// Writes a signed 32-bit number as four little-endian bytes (two's complement) at out.
inline void putInt32(std::uint8_t* out, std::int32_t value)
{
    putUint32(out, static_cast<std::uint32_t>(value));
}

/// Reads four little-endian bytes at in as a signed 32-bit number.
inline std::int32_t getInt32(const std::uint8_t* in)
{
    return static_cast<std::int32_t>(getUint32(in));
}

} // namespace byteio
} // namespace glyph
