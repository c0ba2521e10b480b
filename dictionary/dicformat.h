#pragma once

#include <cstddef>
#include <cstdint>

namespace glyph
{

/// The layout of a ".dic" file, shared by its reader and its writer: a 56-byte header (all
/// integers little-endian) followed by the packed node array.
namespace dicformat
{

constexpr char kSignature[] = "Glyphmosaic";
constexpr std::size_t kSignatureSize = 12;
constexpr std::size_t kAuthorOffset = 12;
/// The author field's bytes; the writer fills at most kAuthorLength of them with text.
constexpr std::size_t kAuthorFieldSize = 32;
constexpr std::size_t kAuthorLength = 29;
constexpr std::size_t kWordCountOffset = 44;
constexpr std::size_t kNodeCountOffset = 48;
constexpr std::size_t kDataSizeOffset = 52;
constexpr std::size_t kHeaderSize = 56;
constexpr std::size_t kNodeSize = 4;
/// Entry 0: letter code 0, last flag, child index 1 (the first-letter list).
constexpr std::uint32_t kRootNode = 0x04000001;
constexpr std::uint32_t kLastFlag = 1u << 26;
constexpr std::uint32_t kEndOfWordFlag = 1u << 25;
constexpr int kLetterShift = 27;

} // namespace dicformat
} // namespace glyph
