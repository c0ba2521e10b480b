#include "ui/board/exports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "base/atomicfile.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/movelisttext.h"
#include "ui/board/tablewidget.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"

namespace glyph::exports
{

namespace
{

#ifdef Q_OS_WIN
const char* const kLineEnd = "\r\n";
#else
const char* const kLineEnd = "\n";
#endif
const char* const kPrintFileName = "board.pdf";
/// The printout's margin is this part of the page's shorter side.
constexpr int kPrintMarginDivisor = 20;
/// The board takes at most this many of so many shares of the page's width.
constexpr int kBoardWidthShare = 2;
constexpr int kWidthShares = 3;
/// The text beside the board is sized so that this many lines fill the page's height.
constexpr int kTextLinesPerPage = 30;

bool writeBytes(const QString& fileName, const std::string& bytes)
{
    return writeFileAtomically(QFile::encodeName(fileName).toStdString(), bytes) == WriteResult::Written;
}

} // namespace

QString withExtension(const QString& chosen, const QString& extension)
{
    const QString suffix = "." + extension;
    if (chosen.contains(suffix, Qt::CaseInsensitive))
        return chosen;
    return chosen + suffix;
}

std::string movesText(const Game& game)
{
    return movelisttext::table(game, QCoreApplication::translate("MovesListDialog", "No. ").toStdString(),
                               kLineEnd);
}

bool writeMovesText(const Game& game, const QString& fileName)
{
    const std::string text = movesText(game);
    return !text.empty() && writeBytes(fileName, text);
}

QImage boardImage(TableWidget& table)
{
    QImage image(table.size(), QImage::Format_RGB32);
    if (!image.isNull())
        table.paint(image);
    return image;
}

bool saveBoardBitmap(TableWidget& table, const QString& fileName)
{
    const QImage image = boardImage(table);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        return false;
    return writeBytes(fileName, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QRect printedBoardRect(const QSize& page)
{
    const int margin = std::min(page.width(), page.height()) / kPrintMarginDivisor;
    // At most two thirds of the width, so that the players' column keeps room beside it.
    const int side = std::max(
        0, std::min(page.height() - 2 * margin, page.width() * kBoardWidthShare / kWidthShares - margin));
    return {margin, margin, side, side};
}

QStringList printoutLines(const Game& game, const QDateTime& when)
{
    QStringList lines;
    const GameRules* rules = game.rules();
    lines << (rules != nullptr ? QString::fromStdString(rules->name()) : QString());
    lines << when.toString("yyyy-MM-dd HH:mm");
    if (rules == nullptr || !rules->inProgress())
        return lines;
    lines << QString();
    for (std::size_t i = 0; i < rules->players().size(); ++i) {
        const Player& player = rules->players()[i];
        const bool toMove = !rules->isGameOver() && static_cast<int>(i) == rules->currentPlayerIndex();
        const QString marker = toMove ? "> " : "  ";
        lines << marker + QCoreApplication::translate("glyph::exports", "%1: %2 points")
                              .arg(uitext::name(player))
                              .arg(player.score);
    }
    return lines;
}

void paintPrintout(TableWidget& table, QPainter& painter, const QSize& page, const QDateTime& when)
{
    painter.fillRect(QRect(QPoint(0, 0), page), Qt::white);
    const QRect board = printedBoardRect(page);
    painter.save();
    painter.translate(board.topLeft());
    table.paintBoard(painter, board.size());
    painter.restore();

    const QStringList lines = printoutLines(table.game(), when);
    const int left = board.right() + board.left();
    const int width = page.width() - left - board.left();
    // As large as the page's height allows, smaller when the widest line would pass the margin.
    QFont font = painter.font();
    for (int size = std::max(1, page.height() / kTextLinesPerPage);; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font, painter.device());
        const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= width; };
        if (size == 1 || std::all_of(lines.begin(), lines.end(), fits))
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int lineHeight = QFontMetrics(font, painter.device()).lineSpacing();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(left, board.top() + i * lineHeight, width, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines[i]);
}

void printBoard(TableWidget& table, QPrinter& printer)
{
    QPainter painter(&printer);
    paintPrintout(table, painter, QSize(printer.width(), printer.height()), QDateTime::currentDateTime());
}

void printWithDialog(TableWidget& table, Prompter& prompter, QWidget* parent, const QString& gamesFolder)
{
    // Screen resolution keeps the fonts, whose point sizes follow the cell height, in
    // proportion to the cells as on the screen.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(QDir(gamesFolder).absoluteFilePath(kPrintFileName));
    QPrintDialog dialog(&printer, parent);
    if (prompter.runDialog(dialog) != QDialog::Accepted)
        return;
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        printBoard(table, printer);
        return;
    }
    // The printer empties its file before it writes: it prints to a scratch file, whose bytes
    // then replace the chosen file through the atomic writer.
    const QTemporaryDir scratch;
    const QString printed = scratch.filePath(kPrintFileName);
    printer.setOutputFileName(printed);
    if (scratch.isValid())
        printBoard(table, printer);
    QFile file(printed);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.isEmpty() ||
        !writeBytes(target, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        prompter.warn(parent, QCoreApplication::translate("glyph::exports", "Can't print to %1").arg(target));
}

} // namespace glyph::exports
