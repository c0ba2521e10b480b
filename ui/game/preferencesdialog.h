#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <array>
#include <functional>

#include "engine/boardgeometry.h"
#include "ui_preferencesdialog.h"

namespace glyph
{

class Game;
class GameSession;

/// Edits language, widget style, tooltips, the computer's rack display, fonts, colours,
/// board size and premium squares. Fonts and colours are edited on working copies; nothing is
/// stored before Apply or OK.
class PreferencesDialog : public QDialog, private Ui::UIPreferencesDialog
{
    Q_OBJECT

public:
    static constexpr int kFontRows = 4;
    static constexpr int kColourRows = 12;
    /// Table columns of the premium squares.
    enum PremiumColumn { LineColumn, ColumnColumn, LetterColumn, WordColumn };
    /// Asks the user for a colour starting from the given one; invalid when cancelled.
    using ColourChooser = std::function<QColor(const QColor&)>;
    /// Asks the user for a font starting from the given one; false when cancelled.
    using FontChooser = std::function<bool(QFont&)>;

    /// Fills the four tabs from the preferences and the game's grids; pauses the clocks.
    PreferencesDialog(GameSession& session, QWidget* parent);
    /// Stores the geometry under "PreferencesDialogKey" and lets the clocks run again.
    ~PreferencesDialog() override;

    /// The board size stored for a typed number: modulo 30, with 15 in place of 0.
    static int storedSize(const QString& typed);
    /// The number typed modulo 30 (0 for no number), as the Set button lays out the table.
    static int typedSize(const QString& typed);

    const QColor& workingColour(int row) const { return m_colours[row]; }
    const QFont& workingFont(int row) const { return m_fonts[row]; }
    /// Replaces the standard colour and font dialogs (tests answer them).
    void setColourChooser(ColourChooser chooser) { m_colourChooser = std::move(chooser); }
    void setFontChooser(FontChooser chooser) { m_fontChooser = std::move(chooser); }

public slots:
    /// Stores every setting, reloads the game's settings keeping the game, redraws the window.
    void applyClicked();
    /// Applies, then closes.
    void okClicked();
    /// Lays out the premium table for the typed size. The stored layout goes with it: the
    /// standard layout of the new size when it was the standard one, else the same squares
    /// (those beyond the new size are kept for a larger board later).
    void setClicked();
    /// Lays out the table with the standard layout of the typed size (the shipped lists for
    /// 15 x 15).
    void standardLayoutClicked();
    /// Opens the font dialog on a row's working font.
    void chooseFont(int row);
    /// Opens the colour dialog on a row's working colour.
    void chooseColour(int row);

private:
    void fillGeneral();
    void fillFonts();
    void fillColours();
    void showColour(int row);
    void takeTableEdits();
    void resizeLayout(int rows, int columns);
    void showLayout(int rows, int columns);
    /// Stores the typed board size; true when it differs from the size stored before.
    bool storeBoardSize();
    void storePremiumLists();
    /// Reloads the settings keeping the game; tells the user when the game keeps its board
    /// size against a size this Apply changed.
    void reloadGame(bool sizeChanged);

    Game& m_game;
    GameSession& m_session;
    std::array<QFont, kFontRows> m_fonts;
    std::array<QColor, kColourRows> m_colours;
    ColourChooser m_colourChooser;
    FontChooser m_fontChooser;
    // The premium squares being edited, the table's own and those beyond the size it shows.
    geometry::PremiumLists m_lists;
    int m_shownRows = 0;
    int m_shownColumns = 0;
};

} // namespace glyph
