#include "ui/game/gameconfigurationwidget.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>

#include "base/letters.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/positionedit.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

constexpr int kNameLength = 49;
constexpr int kBoardCellSize = 28;
enum ConfigColumn { ConfigNameColumn, ConfigLettersColumn, ConfigScoreColumn, ConfigTimeColumn, ConfigTypeColumn };

long long readNumber(const QString& text)
{
    // Read wide, so that a number too large for the game is clamped rather than taken as 0.
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

GameConfigurationWidget::GameConfigurationWidget(GameSession& session, QWidget* parent)
    : QWidget(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    setObjectName("gameConfiguration");
    players->setHorizontalHeaderLabels(
        {tr("Name"), tr("Letters"), tr("Score"), tr("Time(sec)"), tr("Player Type")});
    players->horizontalHeader()->setStretchLastSection(true);
    // Board cells wide and high enough to click and type into comfortably.
    table->horizontalHeader()->setMinimumSectionSize(kBoardCellSize);
    table->verticalHeader()->setMinimumSectionSize(kBoardCellSize);
    connect(clearTable, &QPushButton::clicked, this, &GameConfigurationWidget::clearTableClicked);
    connect(restoreTable, &QPushButton::clicked, this, &GameConfigurationWidget::restoreTableClicked);
    connect(apply, &QPushButton::clicked, this, &GameConfigurationWidget::applyClicked);
    connect(&m_session, &GameSession::positionChanged, this, &GameConfigurationWidget::refresh);
    connect(&m_session, &GameSession::lockChanged, this, [this](bool locked) { setEnabled(!locked); });
}

void GameConfigurationWidget::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void GameConfigurationWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        players->setHorizontalHeaderLabels(
            {tr("Name"), tr("Letters"), tr("Score"), tr("Time(sec)"), tr("Player Type")});
    }
    QWidget::changeEvent(event);
}

void GameConfigurationWidget::refresh()
{
    const GameRules* rules = m_game.rules();
    const int count = rules != nullptr ? static_cast<int>(rules->players().size()) : 0;
    players->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const Player& player = rules->players()[i];
        players->setItem(i, ConfigNameColumn, new QTableWidgetItem(uitext::name(player)));
        players->setItem(
            i, ConfigLettersColumn,
            new QTableWidgetItem(QString::fromStdString(letters::toUserText(uitext::rack(player)))));
        players->setItem(i, ConfigScoreColumn, new QTableWidgetItem(QString::number(player.score)));
        players->setItem(i, ConfigTimeColumn, new QTableWidgetItem(QString::number(player.timeLeft)));
        players->setCellWidget(
            i, ConfigTypeColumn, new QLabel(player.isComputer() ? uitext::profile(player) : tr("Human"), players));
    }
    players->resizeColumnsToContents();

    restoreTableClicked();

    Preferences& preferences = m_game.preferences();
    set->setText(QString::fromStdString(preferences.string(keys::kGameSet)));
    dictionary->setText(QString::fromStdString(preferences.string(keys::kGameDictionary)));
    bonus->setText(QString::asprintf(qPrintable(tr("Bonus: %dp")), m_game.bonus()));
}

void GameConfigurationWidget::restoreTableClicked()
{
    const int rows = m_game.rows();
    const int columns = m_game.columns();
    table->clear();
    table->setRowCount(rows);
    table->setColumnCount(columns);
    // Letters label the column sections and numbers the row sections, as many as the board
    // has lines, respectively columns.
    QStringList columnLabels;
    for (int i = 0; i < rows; ++i)
        columnLabels << QString(QChar::fromLatin1(static_cast<char>('A' + i)));
    QStringList rowLabels;
    for (int i = 0; i < columns; ++i)
        rowLabels << QString::number(i + 1);
    table->setHorizontalHeaderLabels(columnLabels);
    table->setVerticalHeaderLabels(rowLabels);

    const Board& board = m_game.board();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const Square& square = board[r + 1][c + 1];
            QString text;
            if (square.letter != 0) {
                const QChar letter = QChar::fromLatin1(square.letter);
                text = square.joker ? letter.toLower() : letter;
            }
            table->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    table->resizeRowsToContents();
    table->resizeColumnsToContents();
}

void GameConfigurationWidget::clearTableClicked()
{
    if (m_session.prompter().message(this, QMessageBox::Information, tr("Do you want to clear the table?"),
                                     {tr("OK"), tr("Cancel")}) != 0)
        return;
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (QTableWidgetItem* item = table->item(r, c))
                item->setText(QString());
}

QString GameConfigurationWidget::cellText(const QTableWidget& source, int row, int column) const
{
    const QTableWidgetItem* item = source.item(row, column);
    return item != nullptr ? item->text() : QString();
}

void GameConfigurationWidget::readPlayers(PositionEdit& edit) const
{
    std::vector<PositionEdit::Seat>& seats = edit.seats();
    for (int i = 0; i < static_cast<int>(seats.size()) && i < players->rowCount(); ++i) {
        PositionEdit::Seat& seat = seats[i];
        seat.name = cellText(*players, i, ConfigNameColumn).left(kNameLength).toStdString();
        seat.rack = letters::fromUserText(cellText(*players, i, ConfigLettersColumn).toStdString());
        seat.score = readNumber(cellText(*players, i, ConfigScoreColumn));
        seat.timeLeft = readNumber(cellText(*players, i, ConfigTimeColumn));
    }
}

void GameConfigurationWidget::readBoard(PositionEdit& edit) const
{
    Board& board = edit.board();
    for (int line = 1; line <= m_game.rows(); ++line) {
        for (int column = 1; column <= m_game.columns(); ++column) {
            const QString text = cellText(*table, line - 1, column - 1);
            const char first = text.isEmpty() ? 0 : text.at(0).toLatin1();
            Square& square = board[line][column];
            square = Square{};
            if (first >= 'a' && first <= 'z')
                square = Square{static_cast<char>(first - 'a' + 'A'), 1};
            else if (first >= 'A' && first <= 'Z')
                square = Square{first, 0};
        }
    }
}

QString GameConfigurationWidget::refusal(PositionEdit::Problem problem, const PositionEdit& edit) const
{
    switch (problem) {
    case PositionEdit::Problem::NoGame:
        return tr("No game is in progress.");
    case PositionEdit::Problem::GameOver:
        return tr("This game has ended: its position cannot be changed any more.");
    case PositionEdit::Problem::RackTooLong:
        return tr("The rack of %1 holds more than %2 tiles.")
            .arg(QString::fromStdString(edit.seats()[edit.problemSeat()].name))
            .arg(kRackSize);
    case PositionEdit::Problem::TooManyTiles:
        return tr("The board and the racks hold more %1 tiles than the set has (%2).")
            .arg(QString::fromStdString(letters::toUserText(std::string(1, edit.problemLetter()))))
            .arg(edit.problemAvailable());
    case PositionEdit::Problem::None:
        break;
    }
    return QString();
}

void GameConfigurationWidget::applyClicked()
{
    PositionEdit edit(m_game);
    readPlayers(edit);
    readBoard(edit);
    const PositionEdit::Problem problem = edit.check(m_game);
    if (problem != PositionEdit::Problem::None) {
        m_session.prompter().warn(this, refusal(problem, edit));
        return;
    }
    if (m_session.prompter().message(this, QMessageBox::Information, tr("Are you sure?"),
                                     {tr("OK"), tr("Cancel")}) != 0)
        return;
    edit.apply(m_game);
    // The tables show the clamped numbers the game took.
    m_session.notifySettingsChanged();
}

} // namespace glyph
