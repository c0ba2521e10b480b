#pragma once

namespace glyph
{

/// Names the window shares: the product's name in captions and message boxes, and the
/// subfolders and files it looks for in the data and user folders.
namespace appnames
{

inline constexpr const char* kProductName = "Glyphmosaic";
inline constexpr const char* kLogoFile = "Images/logo.bmp";
inline constexpr const char* kGamesFolder = "Games/";
inline constexpr const char* kDictionariesFolder = "Dictionaries/";
inline constexpr const char* kProfilesFolder = "Profiles/";

} // namespace appnames
} // namespace glyph
