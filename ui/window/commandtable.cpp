#include "ui/window/commandtable.h"

#include <QtGlobal>

#include "ui/window/mainwindow.h"

namespace glyph
{

namespace
{

using A = CommandRow::Available;
using W = MainWindow;

} // namespace

const std::vector<CommandRow>& commandRows()
{
    static const std::vector<CommandRow> rows = {
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), QT_TRANSLATE_NOOP("glyph::MainWindow", "Export"),
         QT_TRANSLATE_NOOP("glyph::MainWindow", "Table to BMP"), "", &W::table2BMPClicked, A::Always, false,
         0, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), QT_TRANSLATE_NOOP("glyph::MainWindow", "Export"),
         QT_TRANSLATE_NOOP("glyph::MainWindow", "Move list to TXT"), "", &W::moves2TXTClicked, A::Always,
         false, 0, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), QT_TRANSLATE_NOOP("glyph::MainWindow", "Export"),
         QT_TRANSLATE_NOOP("glyph::MainWindow", "Game to GCG"), "", &W::game2GCGClicked, A::Always, false, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Open..."), "Ctrl+O", &W::openClicked, A::Always, true, 11,
         "Images/open.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Open")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Save..."), "Ctrl+S", &W::saveClicked, A::Always, false, 12,
         "Images/save.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Save")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Print..."), "Ctrl+P", &W::printClicked, A::Always, false,
         13, "Images/print.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Print")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "P&references..."), "", &W::preferencesClicked, A::Unlocked,
         true, 0, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&File"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Exit"), "Ctrl+X", &W::exitClicked, A::Always, true, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&New Game"), "Ctrl+N", &W::newGameClicked, A::Always, false,
         10, "Images/newgame.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "New game")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Bag"), "Ctrl+B", &W::bagClicked, A::Always, true, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Move list"), "", &W::moveListClicked, A::Unlocked, false,
         20, "Images/movelist.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Move list")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Top moves"), "Ctrl+T", &W::topMovesClicked, A::Unlocked,
         false, 41, "Images/topmoves.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Top moves")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Analyse game"), "", &W::analyseGameClicked, A::Unlocked,
         false, 0, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&First Move"), "Ctrl+Home", &W::firstClicked, A::Unlocked,
         true, 30, "Images/firstmove.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "First move")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Last Move"), "Ctrl+End", &W::lastClicked, A::Unlocked,
         false, 31, "Images/lastmove.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Last move")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Previous"), "Ctrl+Left", &W::previousClicked, A::Unlocked,
         false, 32, "Images/previousmove.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Previous move")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Game"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Next"), "Ctrl+Right", &W::nextClicked, A::Unlocked, false,
         33, "Images/nextmove.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Next move")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Tools"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Dictionary"), "Ctrl+D", &W::dictionaryClicked, A::Always,
         false, 40, "Images/dictionary.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "Dictionary")},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Tools"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Conversion..."), "", &W::conversionClicked, A::Unlocked,
         false, 0, nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Tools"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "Palindrom"), "", &W::palindromClicked, A::Always, true, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Tools"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Speed Test"), "", &W::speedTestClicked, A::Always, true, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Help"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Index"), "F1", &W::indexClicked, A::Always, false, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Help"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Shortcuts"), "", &W::shortcutsClicked, A::Always, false, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Help"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&Tip of day"), "", &W::tipOfDayClicked, A::Always, false, 0,
         nullptr, nullptr},
        {QT_TRANSLATE_NOOP("glyph::MainWindow", "&Help"), nullptr,
         QT_TRANSLATE_NOOP("glyph::MainWindow", "&About"), "", &W::aboutClicked, A::Always, true, 50,
         "Images/about.xpm", QT_TRANSLATE_NOOP("glyph::MainWindow", "About")},
    };
    return rows;
}

} // namespace glyph
