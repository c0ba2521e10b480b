#include "ui/board/paschangedialog.h"

#include <QCheckBox>
#include <QHBoxLayout>

#include <cstring>

#include "base/board.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "ui/common/windowsizekeeper.h"

namespace glyph
{

PasChangeDialog::PasChangeDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(game)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kPasDialog);
    auto* row = new QHBoxLayout(group);
    if (m_game.rules() != nullptr) {
        const Player& player = m_game.rules()->currentPlayer();
        const std::size_t length = strnlen(player.rack, sizeof player.rack);
        for (std::size_t i = 0; i < length; ++i) {
            const char letter = player.rack[i];
            auto* toggle =
                new QCheckBox(letter == kJoker ? QString("?") : QString(QChar::fromLatin1(letter)), group);
            row->addWidget(toggle);
            m_toggles.append(toggle);
        }
    }
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PasChangeDialog::~PasChangeDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kPasDialog);
}

} // namespace glyph
