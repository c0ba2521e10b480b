#include "ui/game/preferencesdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidgetItem>

#include <string>
#include <utility>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/prompter.h"
#include "ui/common/startup.h"
#include "ui/common/translation.h"
#include "ui/common/uipreferences.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kLanguagesFolder = "Languages/";
constexpr int kSizeModulus = 30;
// The multipliers a premium square may carry; any other number is a plain square.
constexpr int kDouble = 2;
constexpr int kTriple = 3;
enum ChooserColumn { DescriptionColumn, ValueColumn, ChooseColumn, ChooserColumns };

struct Row {
    const char* description;
    const char* key;
};

const Row kFontRowTable[PreferencesDialog::kFontRows] = {
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "General"), keys::kFontGeneral},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Letter"), keys::kFontLetter},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Value"), keys::kFontValue},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Margin"), keys::kFontMargin},
};

const Row kColourRowTable[PreferencesDialog::kColourRows] = {
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Background"), keys::kColorBackground},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Margin"), keys::kColorMargin},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Joker"), keys::kColorJoker},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Letter"), keys::kColorLetter},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "LetterX2"), keys::kColorLetterX2},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "LetterX3"), keys::kColorLetterX3},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "WordX2"), keys::kColorWordX2},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "WordX3"), keys::kColorWordX3},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Current Move"), keys::kColorCurrentMove},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Ocupied"), keys::kColorOcupied},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Letter Background"), keys::kColorLetterBackground},
    {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Selected"), keys::kColorSelected},
};

// In the order of the stored style numbers 0 to 4.
const char* const kStyleNames[] = {QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Motif Plus"),
                                   QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Motif"),
                                   QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Windows"),
                                   QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "SGI"),
                                   QT_TRANSLATE_NOOP("glyph::PreferencesDialog", "Platinum")};
constexpr int kStyleCount = 5;

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

int cellNumber(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text().trimmed().toInt() : 0;
}

} // namespace

PreferencesDialog::PreferencesDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kPreferencesDialog);
    // Qt's own choosers, not the desktop's: they speak the language chosen here, the desktop's
    // speak the desktop's.
    m_colourChooser = [this](const QColor& start) {
        return QColorDialog::getColor(start, this, QString(), QColorDialog::DontUseNativeDialog);
    };
    m_fontChooser = [this](QFont& font) {
        bool ok = false;
        font = QFontDialog::getFont(&ok, font, this, QString(), QFontDialog::DontUseNativeDialog);
        return ok;
    };

    fillGeneral();
    fillFonts();
    fillColours();
    // The size the next game plays, so that an Apply that leaves it changes nothing.
    lines->setText(QString::number(geometry::storedBoardSize(m_game.preferences(), keys::kTableRows)));
    columns->setText(QString::number(geometry::storedBoardSize(m_game.preferences(), keys::kTableColumns)));
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({tr("Line"), tr("Column"), tr("xLetter"), tr("xWord")});
    table->verticalHeader()->hide();
    const Preferences& stored = m_game.preferences();
    m_lists = {stored.string(keys::kMultiLettersX2), stored.string(keys::kMultiLettersX3),
               stored.string(keys::kMultiWordsX2), stored.string(keys::kMultiWordsX3)};
    showLayout(typedSize(lines->text()), typedSize(columns->text()));

    connect(apply, &QPushButton::clicked, this, &PreferencesDialog::applyClicked);
    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(set, &QPushButton::clicked, this, &PreferencesDialog::setClicked);
    connect(standardLayout, &QPushButton::clicked, this, &PreferencesDialog::standardLayoutClicked);
}

PreferencesDialog::~PreferencesDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kPreferencesDialog);
}

void PreferencesDialog::fillGeneral()
{
    const Preferences& preferences = m_game.preferences();
    QStringList names = QDir(kLanguagesFolder).entryList({"*.qm"}, QDir::Files);
    names.sort(Qt::CaseInsensitive);
    languageList->addItems(names);
    const QString stored = QString::fromStdString(preferences.string(keys::kLanguage));
    for (int i = 0; i < names.size(); ++i) {
        if (stored.contains(kLanguagesFolder + names[i])) {
            languageList->setCurrentIndex(i);
            break;
        }
    }
    for (const char* name : kStyleNames)
        styleList->addItem(tr(name));
    const int styleNumber = preferences.integer(keys::kPreferencesStyle, startup::kPlatinumStyle);
    styleList->setCurrentIndex(styleNumber >= 0 && styleNumber < kStyleCount ? styleNumber
                                                                             : startup::kPlatinumStyle);
    showTableTooltip->setChecked(preferences.integer(keys::kShowTableTooltip) != 0);
    showComputerRack->setChecked(preferences.integer(keys::kShowComputerRack) != 0);
    checkBeforePlaying->setChecked(preferences.integer(keys::kCheckBeforePlaying) == 1);
}

void PreferencesDialog::fillFonts()
{
    fonts->setColumnCount(ChooserColumns);
    fonts->setHorizontalHeaderLabels({tr("Description"), tr("Font"), tr("Choose")});
    fonts->setRowCount(kFontRows);
    fonts->verticalHeader()->hide();
    fonts->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    // The names are shown whole, however long their translation.
    fonts->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::ResizeToContents);
    fonts->horizontalHeader()->setSectionResizeMode(ChooseColumn, QHeaderView::ResizeToContents);
    for (int row = 0; row < kFontRows; ++row) {
        m_fonts[row] = QApplication::font();
        uiprefs::getFont(m_game.preferences(), kFontRowTable[row].key, m_fonts[row]);
        fonts->setItem(row, DescriptionColumn, fixedItem(tr(kFontRowTable[row].description)));
        fonts->setItem(row, ValueColumn, fixedItem(m_fonts[row].family()));
        auto* button = new QPushButton(QStringLiteral("..."), fonts);
        connect(button, &QPushButton::clicked, this, [this, row] { chooseFont(row); });
        fonts->setCellWidget(row, ChooseColumn, button);
    }
}

void PreferencesDialog::fillColours()
{
    colors->setColumnCount(ChooserColumns);
    colors->setHorizontalHeaderLabels({tr("Description"), tr("Color"), tr("Choose")});
    colors->setRowCount(kColourRows);
    colors->verticalHeader()->hide();
    colors->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    // The names are shown whole, however long their translation.
    colors->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::ResizeToContents);
    colors->horizontalHeader()->setSectionResizeMode(ChooseColumn, QHeaderView::ResizeToContents);
    for (int row = 0; row < kColourRows; ++row) {
        m_colours[row] = Qt::black;
        uiprefs::getColour(m_game.preferences(), kColourRowTable[row].key, m_colours[row]);
        colors->setItem(row, DescriptionColumn, fixedItem(tr(kColourRowTable[row].description)));
        colors->setItem(row, ValueColumn, fixedItem(QString()));
        showColour(row);
        auto* button = new QPushButton(QStringLiteral("..."), colors);
        connect(button, &QPushButton::clicked, this, [this, row] { chooseColour(row); });
        colors->setCellWidget(row, ChooseColumn, button);
    }
}

void PreferencesDialog::showColour(int row)
{
    colors->item(row, ValueColumn)->setBackground(m_colours[row]);
}

void PreferencesDialog::chooseFont(int row)
{
    QFont font = m_fonts[row];
    if (!m_fontChooser(font))
        return;
    m_fonts[row] = font;
    fonts->item(row, ValueColumn)->setText(font.family());
}

void PreferencesDialog::chooseColour(int row)
{
    const QColor chosen = m_colourChooser(m_colours[row]);
    if (!chosen.isValid())
        return;
    m_colours[row] = chosen;
    showColour(row);
}

int PreferencesDialog::typedSize(const QString& typed)
{
    const int number = typed.trimmed().toInt();
    return (number % kSizeModulus + kSizeModulus) % kSizeModulus;
}

int PreferencesDialog::storedSize(const QString& typed)
{
    const int size = typedSize(typed);
    return size == 0 ? geometry::kDefaultBoardSize : size;
}

void PreferencesDialog::setClicked()
{
    takeTableEdits();
    resizeLayout(typedSize(lines->text()), typedSize(columns->text()));
    showLayout(typedSize(lines->text()), typedSize(columns->text()));
}

void PreferencesDialog::standardLayoutClicked()
{
    const int rows = storedSize(lines->text());
    const int columnCount = storedSize(columns->text());
    m_lists = geometry::standardLayout(rows, columnCount);
    showLayout(rows, columnCount);
}

void PreferencesDialog::takeTableEdits()
{
    // The grids start from the lists, so that a square the table does not name keeps its value.
    MultiplierGrid letters;
    MultiplierGrid words;
    geometry::applyPremiumLists(m_lists, letters, words);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* lineItem = table->item(row, LineColumn);
        if (lineItem == nullptr || lineItem->text().size() != 1)
            continue;
        const int line = lineItem->text().at(0).unicode() - 'A' + 1;
        const int column = cellNumber(*table, row, ColumnColumn);
        if (line < 1 || line > m_shownRows || column < 1 || column > m_shownColumns)
            continue;
        const int letter = cellNumber(*table, row, LetterColumn);
        const int word = cellNumber(*table, row, WordColumn);
        letters[line][column] = letter == kDouble || letter == kTriple ? letter : 1;
        words[line][column] = word == kDouble || word == kTriple ? word : 1;
    }
    m_lists = geometry::listsKeepingOutside(letters, words, m_shownRows, m_shownColumns, m_lists);
}

void PreferencesDialog::resizeLayout(int rows, int columns)
{
    // The standard layout follows the size; a layout the user made stays as it is.
    if ((rows != m_shownRows || columns != m_shownColumns) && rows > 0 && columns > 0 && m_shownRows > 0 &&
        m_shownColumns > 0 && geometry::isStandardLayout(m_lists, m_shownRows, m_shownColumns))
        m_lists = geometry::standardLayout(rows, columns);
}

void PreferencesDialog::showLayout(int rows, int columns)
{
    MultiplierGrid letters;
    MultiplierGrid words;
    geometry::applyPremiumLists(m_lists, letters, words);
    m_shownRows = rows;
    m_shownColumns = columns;
    table->setRowCount(0);
    table->setRowCount(rows * columns);
    int row = 0;
    for (int line = 1; line <= rows; ++line) {
        for (int column = 1; column <= columns; ++column, ++row) {
            table->setItem(row, LineColumn, fixedItem(QString(QChar('A' + line - 1))));
            table->setItem(row, ColumnColumn, fixedItem(QString::number(column)));
            table->setItem(row, LetterColumn, new QTableWidgetItem(QString::number(letters[line][column])));
            table->setItem(row, WordColumn, new QTableWidgetItem(QString::number(words[line][column])));
        }
    }
}

void PreferencesDialog::storePremiumLists()
{
    // A size typed without pressing Set changes the layout as Set would; the lists keep the
    // squares beyond the size for a larger board later.
    takeTableEdits();
    resizeLayout(storedSize(lines->text()), storedSize(columns->text()));
    Preferences& preferences = m_game.preferences();
    preferences.setString(keys::kMultiWordsX3, m_lists.wordsX3);
    preferences.setString(keys::kMultiWordsX2, m_lists.wordsX2);
    preferences.setString(keys::kMultiLettersX3, m_lists.lettersX3);
    preferences.setString(keys::kMultiLettersX2, m_lists.lettersX2);
}

void PreferencesDialog::applyClicked()
{
    Preferences& preferences = m_game.preferences();
    if (languageList->currentIndex() >= 0) {
        preferences.setString(keys::kLanguage,
                              (kLanguagesFolder + languageList->currentText()).toStdString());
        startup::applyLanguage(preferences, translation::translator());
    }
    preferences.setInteger(keys::kPreferencesStyle, styleList->currentIndex());
    startup::applyStyle(preferences);
    preferences.setInteger(keys::kShowTableTooltip, showTableTooltip->isChecked() ? 1 : 0);
    preferences.setInteger(keys::kShowComputerRack, showComputerRack->isChecked() ? 1 : 0);
    preferences.setInteger(keys::kCheckBeforePlaying, checkBeforePlaying->isChecked() ? 1 : 0);
    for (int row = 0; row < kFontRows; ++row)
        uiprefs::setFont(preferences, kFontRowTable[row].key, m_fonts[row]);
    for (int row = 0; row < kColourRows; ++row)
        uiprefs::setColour(preferences, kColourRowTable[row].key, m_colours[row]);
    const bool sizeChanged = storeBoardSize();
    storePremiumLists();
    reloadGame(sizeChanged);
    startup::applyFont(preferences);
    m_session.notifySettingsChanged();
}

bool PreferencesDialog::storeBoardSize()
{
    Preferences& preferences = m_game.preferences();
    const auto stored = [&preferences] {
        return std::pair(geometry::storedBoardSize(preferences, keys::kTableRows),
                         geometry::storedBoardSize(preferences, keys::kTableColumns));
    };
    const auto before = stored();
    preferences.setInteger(keys::kTableRows, storedSize(lines->text()));
    preferences.setInteger(keys::kTableColumns, storedSize(columns->text()));
    return stored() != before;
}

void PreferencesDialog::reloadGame(bool sizeChanged)
{
    const int rows = m_game.rows();
    const int columnCount = m_game.columns();
    bool sizeKept = false;
    m_game.reloadSettingsKeepingGame(sizeKept);
    if (m_game.rules() != nullptr && m_game.rules()->inProgress())
        m_game.reloadRackSlots();
    // A size the game cannot take is told once, when asked for; it then waits for the next game.
    if (!sizeKept || !sizeChanged)
        return;
    const Preferences& preferences = m_game.preferences();
    m_session.prompter().message(
        this, QMessageBox::Information,
        tr("Tiles are already laid, so this game goes on on its board of %3 x %4. The board "
           "of %1 x %2 is used from the next game.")
            .arg(preferences.integer(keys::kTableRows))
            .arg(preferences.integer(keys::kTableColumns))
            .arg(rows)
            .arg(columnCount),
        {tr("OK")});
}

void PreferencesDialog::okClicked()
{
    applyClicked();
    accept();
}

} // namespace glyph
