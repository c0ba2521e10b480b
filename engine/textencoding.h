#pragma once

#include <string>

/// Text of game records: UTF-8 checked, and Latin-1 (the older files' encoding) turned into it.
namespace glyph::textencoding
{

/// True when the text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(const std::string& text);
/// The same characters in UTF-8, each byte taken as a Latin-1 character.
std::string latin1ToUtf8(const std::string& text);
/// The length of the longest start of the text of at most `bytes` bytes that does not end
/// inside a UTF-8 character.
std::size_t wholeCharacters(const std::string& text, std::size_t bytes);

} // namespace glyph::textencoding
