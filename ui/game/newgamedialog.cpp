#include "ui/game/newgamedialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidgetItem>

#include <algorithm>

#include "base/random.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "engine/savedsettings.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kSetsFolder = "Sets/";
constexpr int kDefaultSeats = 4;
constexpr int kClose = 0;
constexpr int kHuman = 1;
constexpr int kMinimumPlayers = 2;
enum SeatColumn { SeatNameColumn, SeatProfileColumn };
// The display names of the game-type table, which the list translates in this context.
[[maybe_unused]] const char* const kGameTypeNames[] = {
    QT_TRANSLATE_NOOP("glyph::NewGameDialog", "Tabulo Classic")};

unsigned readUnsigned(const QString& text)
{
    bool ok = false;
    const unsigned value = text.trimmed().toUInt(&ok);
    return ok ? value : 0;
}

} // namespace

NewGameDialog::NewGameDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kNewGameDialog);

    for (int i = 0; kGameTypes[i].code != kGameTypeEnd; ++i)
        gameType->addItem(tr(kGameTypes[i].displayName));

    Preferences& preferences = m_game.preferences();
    set->addItems(datachoices::names(m_game.folders(), kSetsFolder, ".set"));
    selectStored(*set, QString::fromStdString(preferences.string(keys::kGameSet)), kSetsFolder);
    dictionary->addItems(datachoices::names(m_game.folders(), appnames::kDictionariesFolder, ".dic"));
    selectStored(*dictionary, QString::fromStdString(preferences.string(keys::kGameDictionary)),
                 appnames::kDictionariesFolder);

    players->setColumnCount(2);
    players->setHorizontalHeaderLabels({tr("Name"), tr("Profile")});
    players->horizontalHeader()->setStretchLastSection(true);
    // The names are shown whole; the profile choice takes the rest of the width.
    players->horizontalHeader()->setSectionResizeMode(SeatNameColumn, QHeaderView::ResizeToContents);
    players->setRowCount(0);
    const GameRules* rules = m_game.rules();
    const bool seated = rules != nullptr && !rules->players().empty();
    playersNumber->setText(
        QString::number(seated ? static_cast<int>(rules->players().size()) : kDefaultSeats));
    recreateButtons();
    if (seated) {
        for (int i = 0; i < static_cast<int>(rules->players().size()) && i < players->rowCount(); ++i) {
            const Player& player = rules->players()[i];
            players->item(i, SeatNameColumn)->setText(uitext::name(player));
            QComboBox* choice = seatChoice(i);
            if (player.isComputer())
                selectStored(*choice, uitext::profile(player), appnames::kProfilesFolder);
            else
                choice->setCurrentIndex(kHuman);
        }
    }
    bonus->setText(QString::number(preferences.integer(keys::kGameBonus)));
    time->setText(QString::number(preferences.integer(keys::kGameClassicTime)));

    connect(apply, &QPushButton::clicked, this, &NewGameDialog::recreateButtons);
    connect(ok, &QPushButton::clicked, this, &NewGameDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

NewGameDialog::~NewGameDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kNewGameDialog);
}

bool NewGameDialog::selectStored(QComboBox& list, const QString& value, const QString& prefix)
{
    for (int i = 0; i < list.count(); ++i) {
        if ((prefix + list.itemText(i)).contains(value, Qt::CaseInsensitive)) {
            list.setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

QComboBox* NewGameDialog::seatChoice(int row) const
{
    return qobject_cast<QComboBox*>(players->cellWidget(row, SeatProfileColumn));
}

void NewGameDialog::rebuildProfileChoices()
{
    m_profileChoices = QStringList{tr("Close"), tr("Human")} +
                       datachoices::names(m_game.folders(), appnames::kProfilesFolder, ".cpu");
}

void NewGameDialog::recreateButtons()
{
    QList<int> remembered;
    for (int i = 0; i < players->rowCount(); ++i)
        remembered.append(seatChoice(i) != nullptr ? seatChoice(i)->currentIndex() : kClose);
    players->setRowCount(0);
    // No more seats than a game may hold, so that every game started can be saved and loaded.
    const unsigned typed = readUnsigned(playersNumber->text());
    const int seats = static_cast<int>(std::min(typed, static_cast<unsigned>(glyph::kMaxPlayers)));
    if (typed > static_cast<unsigned>(seats))
        playersNumber->setText(QString::number(seats));
    if (seats == 0)
        return;

    rebuildProfileChoices();
    players->setRowCount(seats);
    for (int i = 0; i < seats; ++i) {
        auto* choice = new QComboBox(players);
        choice->setEditable(false);
        choice->addItems(m_profileChoices);
        const int preset = i < kDefaultSeats ? i + 1 : kClose;
        choice->setCurrentIndex(preset < choice->count() ? preset : kClose);
        if (i < remembered.size() && remembered[i] < choice->count())
            choice->setCurrentIndex(remembered[i]);
        players->setCellWidget(i, SeatProfileColumn, choice);
        players->setItem(i, SeatNameColumn,
                         new QTableWidgetItem(QString::asprintf(qPrintable(tr("Player%d")), i + 1)));
    }
}

void NewGameDialog::okClicked()
{
    std::vector<Player> seated;
    for (int i = 0; i < players->rowCount(); ++i) {
        const QComboBox* choice = seatChoice(i);
        if (choice == nullptr || choice->currentIndex() == kClose)
            continue;
        Player player;
        if (choice->currentIndex() != kHuman)
            player.setProfile(choice->currentText().toStdString());
        const QTableWidgetItem* name = players->item(i, SeatNameColumn);
        player.setName(name != nullptr ? name->text().toStdString() : std::string());
        seated.push_back(player);
    }
    if (static_cast<int>(seated.size()) < kMinimumPlayers) {
        m_session.prompter().warn(this, tr("Choose 2 or more players"));
        return;
    }
    if (randomStart->isChecked()) {
        std::shuffle(seated.begin(), seated.end(), random::generator());
        std::shuffle(seated.begin(), seated.end(), random::generator());
    }

    Preferences& preferences = m_game.preferences();
    const SavedSettings previous = SavedSettings::read(preferences);
    preferences.setInteger(
        keys::kGameBonus, static_cast<int>(std::min(readUnsigned(bonus->text()), unsigned{Game::kMaxBonus})));
    preferences.setInteger(keys::kGameClassicTime, static_cast<int>(std::min(readUnsigned(time->text()),
                                                                             unsigned{Game::kMaxMinutes})));
    preferences.setString(keys::kGameSet, (kSetsFolder + set->currentText()).toStdString());
    preferences.setString(keys::kGameDictionary,
                          (appnames::kDictionariesFolder + dictionary->currentText()).toStdString());
    const unsigned char code = kGameTypes[std::max(0, gameType->currentIndex())].code;
    if (m_session.startNewGame(seated, code))
        accept();
    else
        previous.write(preferences); // the game in progress goes on with its own choices
}

} // namespace glyph
