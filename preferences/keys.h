#pragma once

namespace glyph
{

/// The names of the settings in "Preferences.ini", one constant per key, so that a key is
/// spelt in one place. The names are part of the file format and never change (typos included).
namespace keys
{

// Board and game.
inline constexpr char kTableRows[] = "TableRowsKey";
inline constexpr char kTableColumns[] = "TableColumnsKey";
inline constexpr char kGameBonus[] = "GameBonusKey";
inline constexpr char kGameClassicTime[] = "GameClassicTimeKey";
inline constexpr char kGameSet[] = "GameSetKey";
inline constexpr char kGameDictionary[] = "GameDictionaryKey";
inline constexpr char kMultiWordsX3[] = "MultiWordsX3Key";
inline constexpr char kMultiWordsX2[] = "MultiWordsX2Key";
inline constexpr char kMultiLettersX3[] = "MultiLettersX3Key";
inline constexpr char kMultiLettersX2[] = "MultiLettersX2Key";
/// 1: a human move with a word not in the dictionary is refused instead of costing the turn.
inline constexpr char kCheckBeforePlaying[] = "CheckBeforePlayingKey";

// Look and language.
inline constexpr char kPreferencesStyle[] = "PreferencesStyleKey";
inline constexpr char kLanguage[] = "LanguageKey";
inline constexpr char kShowTableTooltip[] = "ShowTableTooltipKey";
inline constexpr char kShowComputerRack[] = "ShowComputerRackKey";
inline constexpr char kTipShow[] = "TipShowKey";
inline constexpr char kTipFile[] = "TipFileKey";
inline constexpr char kTopPrefered[] = "TopPreferedKey";

// Fonts: "size weight bold italic underline family".
inline constexpr char kFontGeneral[] = "FontGeneralKey";
inline constexpr char kFontLetter[] = "FontLetterKey";
inline constexpr char kFontMargin[] = "FontMarginKey";
inline constexpr char kFontValue[] = "FontValueKey";

// Colours: "red green blue".
inline constexpr char kColorBackground[] = "ColorBackgroundKey";
inline constexpr char kColorCurrentMove[] = "ColorCurrentMoveKey";
inline constexpr char kColorJoker[] = "ColorJokerKey";
inline constexpr char kColorLetterBackground[] = "ColorLetterBackgroundKey";
inline constexpr char kColorLetter[] = "ColorLetterKey";
inline constexpr char kColorLetterX2[] = "ColorLetterX2Key";
inline constexpr char kColorLetterX3[] = "ColorLetterX3Key";
inline constexpr char kColorMargin[] = "ColorMarginKey";
inline constexpr char kColorOcupied[] = "ColorOcupiedKey";
inline constexpr char kColorSelected[] = "ColorSelectedKey";
inline constexpr char kColorWordX2[] = "ColorWordX2Key";
inline constexpr char kColorWordX3[] = "ColorWordX3Key";

// Window and dialog geometries: "x y width height".
inline constexpr char kConversionDialog[] = "ConversionDialogKey";
inline constexpr char kDictionaryDialog[] = "DictionaryDialogKey";
inline constexpr char kGameOverDialog[] = "GameOverDialogKey";
inline constexpr char kMainWindow[] = "MainWindowKey";
inline constexpr char kNewGameDialog[] = "NewGameDialogKey";
inline constexpr char kPasDialog[] = "PasDialogKey";
inline constexpr char kPreferencesDialog[] = "PreferencesDialogKey";
inline constexpr char kTopDialog[] = "TopDialogKey";

} // namespace keys
} // namespace glyph
