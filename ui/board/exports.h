#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <string>

class QDateTime;
class QPainter;
class QPrinter;
class QRect;
class QSize;
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
/// written, and also when the text is empty (the file is then left as it was).
bool writeMovesText(const Game& game, const QString& fileName);

/// The board as the widget paints it in full, at the widget's size: the tiles placed in the
/// current turn are not in it.
QImage boardImage(TableWidget& table);
/// Writes `boardImage` as a Windows bitmap through the atomic writer; false on failure.
bool saveBoardBitmap(TableWidget& table, const QString& fileName);
/// Where the printout puts the board on a page: a square at the left, within a margin, so
/// that the squares stay square on any paper.
QRect printedBoardRect(const QSize& page);
/// The text beside the printed board: the rules' name, the date, then each player's name and
/// score, the player to move marked (none once the game is over).
QStringList printoutLines(const Game& game, const QDateTime& when);
/// Paints the printout on a page of this size: the board and, at its right, `printoutLines`
/// in a font small enough for the widest line to end inside the margin.
void paintPrintout(TableWidget& table, QPainter& painter, const QSize& page, const QDateTime& when);
/// Prints `paintPrintout` on the printer's page, dated now.
void printBoard(TableWidget& table, QPrinter& printer);
/// Asks for a printer (a landscape page; printing to a file offers board.pdf in `gamesFolder`)
/// and prints the board on it. A PDF file is replaced through the atomic writer; when it cannot
/// be, a warning names it and the file is left as it was.
void printWithDialog(TableWidget& table, Prompter& prompter, QWidget* parent, const QString& gamesFolder);

} // namespace exports
} // namespace glyph
