#include "ui/board/rackwidget.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "ui/board/paschangedialog.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

RackWidget::RackWidget(GameSession& session, QWidget* parent)
    : QWidget(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    auto* strip = new QGridLayout(playerRack);
    strip->setContentsMargins(0, 0, 0, 0);
    m_pieces = new PiecesWidget(m_session, playerRack);
    strip->addWidget(m_pieces, 0, 0);

    connect(&m_session, &GameSession::positionChanged, this, &RackWidget::refresh);
    connect(&m_session, &GameSession::placementChanged, this, &RackWidget::refresh);
    connect(&m_session, &GameSession::settingsChanged, this, &RackWidget::refresh);
    connect(&m_session, &GameSession::lockChanged, this, [this](bool locked) { setEnabled(!locked); });
    connect(Ui::UIRackWidget::move, &QPushButton::clicked, this, &RackWidget::moveClicked);
    connect(pas, &QPushButton::clicked, this, &RackWidget::pasChangeClicked);
    connect(shuffle, &QPushButton::clicked, &m_session, &GameSession::shuffleRack);
    connect(alphabetize, &QPushButton::clicked, &m_session, &GameSession::alphabetizeRack);
    refresh(); // no game yet: nothing to move or reorder
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
    shuffle->setEnabled(m_session.rackEditable());
    alphabetize->setEnabled(m_session.rackEditable());
    if (!inProgress || rules->isGameOver()) {
        Ui::UIRackWidget::move->setEnabled(false);
        pas->setEnabled(false);
    }
    m_pieces->update();
}

void RackWidget::moveClicked()
{
    m_session.move();
}

void RackWidget::pasChangeClicked()
{
    GameRules* rules = m_game.rules();
    if (rules == nullptr || !rules->inProgress() || m_session.locked())
        return;
    PasChangeDialog dialog(m_game, this);
    if (m_session.prompter().runDialog(dialog) == QDialog::Accepted) {
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
        m_session.passOrExchange(exchange, kept);
    }
}

void RackWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        refresh();
    }
    QWidget::changeEvent(event);
}

} // namespace glyph
