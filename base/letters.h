#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/board.h"

namespace glyph
{

class LetterSet;

/// Letter and text helpers shared by the rules, the search and the dialogs.
namespace letters
{

/// Value of a letter code 'A'..'[' in the set; 0 for any other code.
int value(const LetterSet& set, char code);
/// Sum of the values of a string of letter codes (empty string 0).
int stringValue(const LetterSet& set, const std::string& word);
/// True when the set marks the letter as a vowel.
bool isVowel(const LetterSet& set, char code);
/// The letter in upper case; any other character unchanged.
char upperCase(char c);
/// The text with its letters a-z in upper case; any other character unchanged.
std::string upperCased(std::string text);
/// User text to internal codes: lower case to upper case, '?' to the joker, other characters dropped.
std::string fromUserText(const std::string& text);
/// Internal codes for display: the joker as '?'.
std::string toUserText(const std::string& codes);
/// Counts of 'A'..'[' in a string; other characters are not counted.
std::array<int, kLetterCount> histogram(const std::string& word);
/// True when both strings hold the same letters the same number of times.
bool isAnagram(const std::string& a, const std::string& b);
/// Takes one copy of each letter of `taken` off `rack`; false when the rack lacked one (the
/// letters it held are taken all the same).
bool takeLetters(std::string& rack, const std::string& taken);
/// UTF-8 text with the marks taken off its Latin letters (ă â to a, î to i, ș ş to s, ț ţ to t,
/// é to e, ...) and combining marks (U+0300 to U+036F) dropped, as the letter sets play them,
/// so that what a user types with them finds the plain letters. Every other character (æ, ß,
/// a Greek letter), and bytes that are not UTF-8, stay as they are, for the caller to refuse.
std::string withoutDiacritics(std::string_view text);
/// A non-negative whole number with "," between groups of three digits: 12,345,678.
std::string withThousands(unsigned long long number);

} // namespace letters
} // namespace glyph
