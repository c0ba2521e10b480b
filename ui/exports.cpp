#include "ui/exports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

#include <algorithm>
#include <cstdio>

#include "base/atomicfile.h"
#include "engine/game.h"
#include "engine/movelisttext.h"
#include "ui/tablewidget.h"

namespace glyph::exports
{

namespace
{

#ifdef Q_OS_WIN
const char* const kLineEnd = "\r\n";
#else
const char* const kLineEnd = "\n";
#endif

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

} // namespace glyph::exports
