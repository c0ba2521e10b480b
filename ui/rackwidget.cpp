#include "ui/rackwidget.h"
#include "ai/aiplayers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QScopeGuard>

#include "ai/luahost.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "ui/mainwindow.h"
#include "ui/paschangedialog.h"
#include "ui/uitext.h"

namespace glyph
{

namespace
{
constexpr int kComputerDelay = 150;
constexpr int kComputerMoveDisplay = 2000;
} // namespace

RackWidget::RackWidget(Game& game, MainWindow& window, QWidget* parent)
    : QWidget(parent), m_game(game), m_window(window)
{
    setupUi(this);
    auto* strip = new QGridLayout(playerRack);
    strip->setContentsMargins(0, 0, 0, 0);
    m_pieces = new PiecesWidget(m_game, m_window, playerRack);
    strip->addWidget(m_pieces, 0, 0);

    m_computerTimer.setSingleShot(true);
    connect(&m_computerTimer, &QTimer::timeout, this, &RackWidget::moveClicked);
    connect(Ui::UIRackWidget::move, &QPushButton::clicked, this, &RackWidget::moveClicked);
    connect(pas, &QPushButton::clicked, this, &RackWidget::pasChangeClicked);
}

void RackWidget::refresh()
{
    Ui::UIRackWidget::move->setEnabled(true);
    pas->setEnabled(true);
    const GameRules* rules = m_game.rules();
    const bool inProgress = rules != nullptr && rules->inProgress();
    const Player* player = inProgress ? &rules->currentPlayer() : nullptr;
    playerName->setText((player != nullptr ? uitext::name(*player) : QString()) + tr(" rack"));
    if (player != nullptr && player->isComputer())
        pas->setEnabled(false);
    if (!inProgress || rules->isGameOver()) {
        Ui::UIRackWidget::move->setEnabled(false);
        pas->setEnabled(false);
    }
    m_pieces->update();
}

void RackWidget::chainComputerTurn()
{
    const GameRules* rules = m_game.rules();
    if (rules != nullptr && rules->inProgress() && !rules->isGameOver() &&
        rules->currentPlayer().isComputer())
        m_computerTimer.start(kComputerDelay);
}

void RackWidget::moveClicked()
{
    GameRules* rules = m_game.rules();
    if (m_moving || rules == nullptr || !rules->inProgress() || rules->isGameOver())
        return;
    // A computer turn processes events while it waits: a second turn must not start inside it.
    m_moving = true;
    const auto done = qScopeGuard([this] { m_moving = false; });
    Move chosen;
    if (rules->currentPlayer().isComputer()) {
        // Commands that start, load, change or end a game wait until the turn is played.
        m_computerTurn = true;
        m_window.updateCommands();
        const auto turnDone = qScopeGuard([this] {
            m_computerTurn = false;
            m_window.updateCommands();
        });
        LuaHost& host = scriptHost(m_game);
        chosen = host.computerTurn(rules->currentPlayer());
        m_game.showMoveInRackSlots(chosen);
        m_window.refresh(false);
        if (!chosen.isPass())
            m_window.wait(kComputerMoveDisplay);
        // The host plays the exchange a profile asked for, and otherwise the move.
        host.playSolution(chosen);
    } else if (m_game.buildHumanMove(chosen)) {
        rules->playMove(chosen);
    } else {
        m_window.message(this, QMessageBox::Warning, tr("Please make a valid move first"), {tr("OK")});
        return;
    }
    m_window.refresh(false);
    chainComputerTurn();
}

void RackWidget::pasChangeClicked()
{
    GameRules* rules = m_game.rules();
    if (rules == nullptr || !rules->inProgress())
        return;
    PasChangeDialog dialog(m_game, this);
    if (m_window.runDialog(dialog) == QDialog::Accepted) {
        const std::string rack = uitext::rack(rules->currentPlayer());
        std::string exchange;
        std::string kept;
        if (!rules->canExchange()) {
            kept = rack;
        } else {
            const auto& toggles = dialog.toggles();
            for (std::size_t i = 0; i < rack.size(); ++i) {
                const bool marked = static_cast<qsizetype>(i) < toggles.size() && toggles[i]->isChecked();
                (marked ? exchange : kept) += rack[i];
            }
        }
        rules->passOrExchange(exchange, kept);
        m_window.refreshWithoutBoard();
    }
    chainComputerTurn();
}

} // namespace glyph
