// Build step: writes the toolbar pictures as XPM files, converted from the desktop's Adwaita
// action icons, and draws the program's logo as a BMP file; or draws the program's icon for
// the desktop's menus, as an SVG file and PNG files of the usual sizes.
//
// Usage: makepictures ICON_THEME_FOLDER OUTPUT_FOLDER
//        makepictures --app-icon NAME OUTPUT_FOLDER   (NAME.svg and SIZExSIZE/NAME.png)

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QString>

#include <cstdio>
#include <fstream>

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

// The program's icon, one letter tile on a green square, in the units of a 256 x 256 canvas
// so that the SVG file and the PNG files show the same picture.
constexpr int kIconCanvas = 256;
const QRect kIconBackground(8, 8, 240, 240);
constexpr int kIconBackgroundRadius = 40;
const QRect kIconTile(40, 40, 176, 176);
constexpr int kIconTileRadius = 28;
constexpr int kIconTileBorder = 6;
const QRect kIconLetter(40, 48, 150, 168);
constexpr int kIconLetterSize = 130;
const QRect kIconValue(40, 40, 164, 164);
constexpr int kIconValueSize = 40;
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const QColor kIconTop(150, 214, 40);
const QColor kIconBottom(92, 150, 0);
const QColor kTileFace(250, 236, 200);
const QColor kTileEdge(120, 90, 40);
const QColor kTileInk(40, 30, 20);

QImage drawAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(double(size) / kIconCanvas, double(size) / kIconCanvas);
    QLinearGradient background(0, kIconBackground.top(), 0, kIconBackground.bottom());
    background.setColorAt(0, kIconTop);
    background.setColorAt(1, kIconBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(kIconBackground, kIconBackgroundRadius, kIconBackgroundRadius);
    painter.setPen(QPen(kTileEdge, kIconTileBorder));
    painter.setBrush(kTileFace);
    painter.drawRoundedRect(kIconTile, kIconTileRadius, kIconTileRadius);
    QFont letterFont("DejaVu Serif");
    letterFont.setPixelSize(kIconLetterSize);
    letterFont.setBold(true);
    painter.setFont(letterFont);
    painter.setPen(kTileInk);
    painter.drawText(kIconLetter, Qt::AlignCenter, "G");
    QFont valueFont("DejaVu Sans");
    valueFont.setPixelSize(kIconValueSize);
    painter.setFont(valueFont);
    painter.drawText(kIconValue, Qt::AlignRight | Qt::AlignBottom, "2");
    return icon;
}

QString svgRect(const QRect& rect, int radius, const QString& paint)
{
    return QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .arg(radius)
        .arg(paint);
}

QString appIconSvg()
{
    QString svg = QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconCanvas);
    svg += QString("<defs><linearGradient id=\"background\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                   "<stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" stop-color=\"%2\"/>"
                   "</linearGradient></defs>\n")
               .arg(kIconTop.name(), kIconBottom.name());
    svg += svgRect(kIconBackground, kIconBackgroundRadius, "fill=\"url(#background)\"");
    svg += svgRect(kIconTile, kIconTileRadius,
                   QString("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                       .arg(kTileFace.name(), kTileEdge.name())
                       .arg(kIconTileBorder));
    // Text baselines: the letter centred in its box, the value in the tile's corner.
    svg += QString("<text x=\"%1\" y=\"%2\" font-family=\"DejaVu Serif\" font-weight=\"bold\" "
                   "font-size=\"%3\" text-anchor=\"middle\" fill=\"%4\">G</text>\n")
               .arg(kIconLetter.center().x())
               .arg(kIconLetter.center().y() + kIconLetterSize * 35 / 100)
               .arg(kIconLetterSize)
               .arg(kTileInk.name());
    svg += QString("<text x=\"%1\" y=\"%2\" font-family=\"DejaVu Sans\" font-size=\"%3\" "
                   "text-anchor=\"end\" fill=\"%4\">2</text>\n")
               .arg(kIconValue.right())
               .arg(kIconValue.bottom() - kIconValueSize / 5)
               .arg(kIconValueSize)
               .arg(kTileInk.name());
    return svg + "</svg>\n";
}

bool drawAppIcons(const QString& name, const QString& output)
{
    bool ok = true;
    for (int size : kIconSizes) {
        const QString folder = QString("%1/%2x%2").arg(output).arg(size);
        QDir().mkpath(folder);
        ok = drawAppIcon(size).save(folder + "/" + name + ".png", "PNG") && ok;
    }
    std::ofstream svg((output + "/" + name + ".svg").toStdString(), std::ios::binary);
    svg << appIconSvg().toStdString();
    svg.close();
    if (!ok || !svg)
        std::fprintf(stderr, "makepictures: cannot write the icons to %s\n", qPrintable(output));
    return ok && svg;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 4 && QString(argv[1]) == "--app-icon") {
        QDir().mkpath(QString::fromLocal8Bit(argv[3]));
        return drawAppIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: makepictures ICON_THEME_FOLDER OUTPUT_FOLDER\n"
                             "       makepictures --app-icon NAME OUTPUT_FOLDER\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output);
    const bool icons = convertIcons(theme, output);
    const bool logo = drawLogo(output);
    return icons && logo ? 0 : 1;
}
