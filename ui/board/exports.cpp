#include "ui/board/exports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cstdio>

#include "base/atomicfile.h"
#include "engine/game.h"
#include "engine/movelisttext.h"
#include "ui/board/tablewidget.h"
#include "ui/common/prompter.h"

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
    return writeBytes(fileName, text) && !text.empty();
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

void printBoard(TableWidget& table, QPrinter& printer)
{
    table.paint(printer);
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
    if (prompter.runDialog(dialog) == QDialog::Accepted)
        printBoard(table, printer);
}

} // namespace glyph::exports
