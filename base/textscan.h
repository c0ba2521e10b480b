#pragma once

#include <string_view>

namespace glyph
{

/// Scanning of blank-separated decimal numbers in text read from files and preferences.
namespace textscan
{

/// Skips leading white space, then reads an optionally signed decimal number that fits in an
/// int; on success stores it, moves `text` past it and returns true. On failure (no digits,
/// or a number too large) leaves both unchanged and returns false.
bool readInt(std::string_view& text, int& out);
/// Drops leading white space from `text`.
void skipSpace(std::string_view& text);
/// True when `text` is one number with nothing but white space around it; stores it in out.
bool parseWholeInt(std::string_view text, int& out);

} // namespace textscan
} // namespace glyph
