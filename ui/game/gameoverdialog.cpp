#include "ui/game/gameoverdialog.h"

#include <QHeaderView>

#include <algorithm>
#include <climits>

#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "ui/common/uitext.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/game/scorechart.h"

namespace glyph
{

namespace
{
enum ResultColumn {
    ResultNameColumn,
    ResultLettersColumn,
    ResultPenaltyColumn,
    ResultScoreColumn,
    ResultColumnCount
};
} // namespace

GameOverDialog::GameOverDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(game)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kGameOverDialog);
    table->setColumnCount(ResultColumnCount);
    table->setHorizontalHeaderLabels({tr("Player"), tr("Letters"), tr("Penalty"), tr("Final Score")});
    fill();
    if (m_game.rules() != nullptr)
        scoreChart->showScores(*m_game.rules());
    table->setSortingEnabled(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    fitToTable();
}

void GameOverDialog::fitToTable()
{
    // The table shows every row and column without scrolling and the dialog wraps it closely.
    table->verticalHeader()->hide();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * table->frameWidth();
    int width = frame;
    for (int column = 0; column < table->columnCount(); ++column)
        width += table->columnWidth(column);
    int height = frame + table->horizontalHeader()->height();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedSize(width, height);
    uitext::fitCaption(*this);
    // Only the size changes: a stored position stays, and without one the dialog is centred.
    resize(std::max(sizeHint().width(), minimumWidth()), sizeHint().height());
}

GameOverDialog::~GameOverDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kGameOverDialog);
}

void GameOverDialog::fill()
{
    if (m_game.rules() == nullptr)
        return;
    const std::vector<Player>& players = m_game.rules()->players();
    int best = INT_MIN;
    int leftOver = 0;
    for (const Player& player : players) {
        best = std::max(best, static_cast<int>(player.score));
        leftOver += letters::stringValue(m_game.letterSet(), uitext::rack(player));
    }
    table->setRowCount(static_cast<int>(players.size()));
    for (int i = 0; i < static_cast<int>(players.size()); ++i) {
        const Player& player = players[i];
        const std::string rack = uitext::rack(player);
        const int rackValue = letters::stringValue(m_game.letterSet(), rack);
        const QString penalty =
            rack.empty() ? QString::asprintf("+%d", leftOver) : QString::asprintf("-%d", rackValue);
        auto* score = new QTableWidgetItem;
        score->setData(Qt::DisplayRole, static_cast<int>(player.score));
        table->setItem(i, ResultNameColumn, new QTableWidgetItem(uitext::name(player)));
        table->setItem(i, ResultLettersColumn,
                       new QTableWidgetItem(QString::fromStdString(letters::toUserText(rack))));
        table->setItem(i, ResultPenaltyColumn, new QTableWidgetItem(penalty));
        table->setItem(i, ResultScoreColumn, score);
        if (player.score == best)
            winner->setText(uitext::withText(tr("The winner is: %s"), uitext::name(player)));
    }
    table->resizeColumnsToContents();
}

} // namespace glyph
