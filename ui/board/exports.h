#pragma once

#include <QImage>
#include <QString>

#include <string>

class QPrinter;
class QWidget;

namespace glyph
{

class Game;
class Prompter;
class TableWidget;

/// The board and the move list taken out of the program: the move list as a plain-text table,
/// the board as a bitmap file and on a printer page. None of them changes the game.
namespace exports
{

/// The chosen name, with "." + extension appended unless it already holds that text anywhere
/// (compared without regard to case).
QString withExtension(const QString& chosen, const QString& extension);

/// The move list as Latin-1 text: the players' names, a rule, then one line per round up to
/// the shown history position. Empty when no move has been made or no player is seated.
std::string movesText(const Game& game);
/// Replaces the file with `movesText` through the atomic writer; false when it cannot be
/// written, and also when the text is empty (the file is then left empty).
bool writeMovesText(const Game& game, const QString& fileName);

/// The board as the widget paints it in full, at the widget's size: the tiles placed in the
/// current turn are not in it.
QImage boardImage(TableWidget& table);
/// Writes `boardImage` as a Windows bitmap through the atomic writer; false on failure.
bool saveBoardBitmap(TableWidget& table, const QString& fileName);
/// Paints the board over the printer's whole page.
void printBoard(TableWidget& table, QPrinter& printer);
/// Asks for a printer (a landscape page; printing to a file offers board.pdf in `gamesFolder`)
/// and prints the board on it.
void printWithDialog(TableWidget& table, Prompter& prompter, QWidget* parent, const QString& gamesFolder);

} // namespace exports
} // namespace glyph
