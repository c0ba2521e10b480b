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

// A packed node: letter code (bits 31-27, 0 = 'A'), last-of-list flag (26), end-of-word flag
// (25) and the index of its child list (24-0; 0 = no children).
constexpr int kLetterShift = 27;
constexpr std::uint32_t kLastFlag = 1u << 26;
constexpr std::uint32_t kEndOfWordFlag = 1u << 25;
constexpr std::uint32_t kChildMask = (1u << 25) - 1u;

/// Where the root entry lies in the node array, and where the list of first letters starts.
constexpr std::uint32_t kRootIndex = 0;
constexpr std::uint32_t kFirstLetterListIndex = 1;
/// The packed value of the root entry: letter code 0, last flag, child = the first-letter list.
constexpr std::uint32_t kRootNode = kLastFlag | kFirstLetterListIndex;

} // namespace dicformat
} // namespace glyph
