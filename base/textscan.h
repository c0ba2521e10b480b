#pragma once

#include <string_view>

namespace glyph
{

/// Scanning of text read from files and preferences: blank-separated decimal numbers, and the
/// mark some editors put before a UTF-8 file's first line.
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
/// The text without the UTF-8 byte-order mark at its start, if it has one.
std::string_view withoutByteOrderMark(std::string_view text);

} // namespace textscan
} // namespace glyph
