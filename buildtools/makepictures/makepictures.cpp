// Build step: writes the toolbar pictures as XPM files, converted from the desktop's Adwaita
// action icons, and draws the program's logo as a BMP file.
//
// Usage: makepictures ICON_THEME_FOLDER OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace
{

struct Picture {
    const char* output;
    const char* icon;
};

// Each toolbar picture and the Adwaita icon it is made from.
const Picture kPictures[] = {
    {"newgame.xpm", "document-new"},
    {"open.xpm", "document-open"},
    {"save.xpm", "document-save"},
    {"print.xpm", "document-print"},
    {"movelist.xpm", "format-justify-left"},
    {"firstmove.xpm", "go-first"},
    {"lastmove.xpm", "go-last"},
    {"previousmove.xpm", "go-previous"},
    {"nextmove.xpm", "go-next"},
    {"dictionary.xpm", "accessories-dictionary"},
    {"topmoves.xpm", "trophy-gold"},
    {"about.xpm", "help-about"},
};

const char* const kIconSize = "24x24";
const char* const kIconFolders[] = {"legacy", "actions", "apps", "status"};
constexpr int kLogoWidth = 300;
constexpr int kLogoHeight = 82;
constexpr int kTileGap = 3;

QString findIcon(const QString& theme, const char* name)
{
    for (const char* folder : kIconFolders) {
        const QString path = QString("%1/%2/%3/%4.png").arg(theme, kIconSize, folder, name);
        if (QFile::exists(path))
            return path;
    }
    return {};
}

bool convertIcons(const QString& theme, const QString& output)
{
    bool ok = true;
    for (const Picture& picture : kPictures) {
        const QString source = findIcon(theme, picture.icon);
        QImage image(source);
        if (source.isEmpty() || image.isNull()) {
            std::fprintf(stderr, "makepictures: icon %s not found under %s\n", picture.icon,
                         qPrintable(theme));
            ok = false;
            continue;
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        if (!image.save(output + "/" + picture.output, "XPM")) {
            std::fprintf(stderr, "makepictures: cannot write %s\n", picture.output);
            ok = false;
        }
    }
    return ok;
}

void drawTile(QPainter& painter, const QRect& tile, QChar letter, int value)
{
    painter.setPen(QColor(120, 90, 40));
    painter.setBrush(QColor(250, 236, 200));
    painter.drawRoundedRect(tile, 18, 18, Qt::RelativeSize);
    QFont letterFont("DejaVu Serif");
    letterFont.setPixelSize(tile.height() * 3 / 5);
    letterFont.setBold(true);
    painter.setFont(letterFont);
    painter.setPen(QColor(40, 30, 20));
    painter.drawText(tile.adjusted(0, 0, -tile.width() / 6, 0), Qt::AlignCenter, QString(letter));
    QFont valueFont("DejaVu Sans");
    valueFont.setPixelSize(tile.height() / 4);
    painter.setFont(valueFont);
    painter.drawText(tile.adjusted(0, 0, -3, -2), Qt::AlignRight | Qt::AlignBottom, QString::number(value));
}

bool drawLogo(const QString& output)
{
    QImage logo(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, kLogoHeight);
    background.setColorAt(0, QColor(150, 214, 40));
    background.setColorAt(1, QColor(92, 150, 0));
    painter.fillRect(logo.rect(), background);

    const QString word = "GLYPH";
    const int values[] = {2, 1, 4, 3, 4};
    const int tile = 42;
    const int left = (kLogoWidth - static_cast<int>(word.size()) * (tile + kTileGap)) / 2;
    for (int i = 0; i < word.size(); ++i)
        drawTile(painter, QRect(left + i * (tile + kTileGap), 6, tile, tile), word.at(i), values[i]);

    QFont caption("DejaVu Sans");
    caption.setPixelSize(20);
    caption.setBold(true);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    painter.setFont(caption);
    painter.setPen(QColor(255, 255, 200));
    painter.drawText(QRect(0, 50, kLogoWidth, 30), Qt::AlignCenter, "MOSAIC");
    painter.end();
    return logo.save(output + "/logo.bmp", "BMP");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makepictures ICON_THEME_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output);
    const bool icons = convertIcons(theme, output);
    const bool logo = drawLogo(output);
    return icons && logo ? 0 : 1;
}
