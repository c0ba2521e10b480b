#include "ui/game/bagviewdialog.h"

#include <algorithm>

#include "base/board.h"
#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/unseentiles.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

BagViewDialog::BagViewDialog(Game& game, QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    int vowels = 0;
    int consonants = 0;
    int all = 0;
    QString text;
    if (game.rules() != nullptr) {
        const Bag& bag = game.rules()->bag();
        for (int index = 0; index < kLetterCount; ++index) {
            const char code = static_cast<char>('A' + index);
            const int count = std::max(0, bag.count(index));
            for (int tile = 0; tile < count; ++tile)
                text += code == kJoker ? QString("? ") : QString(QChar::fromLatin1(code)) + " ";
            all += count;
            if (code == kJoker)
                continue;
            if (glyph::letters::isVowel(game.letterSet(), code))
                vowels += count;
            else
                consonants += count;
        }
    }
    letters->setPlainText(text);
    information->setText(tr("Vowels(%1) Consons(%2) Total(%3)").arg(vowels).arg(consonants).arg(all));
    showUnseen(game);
}

void BagViewDialog::showUnseen(const Game& game)
{
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress()) {
        unseenInformation->setText(tr("No game in progress."));
        return;
    }
    const auto counts = unseentiles::counts(*rules, rules->currentPlayerIndex());
    QStringList tiles;
    int total = 0;
    for (int index = 0; index < kLetterCount; ++index) {
        if (counts[index] <= 0)
            continue;
        const char code = static_cast<char>('A' + index);
        tiles
            << QString("%1 %2").arg(code == kJoker ? QChar('?') : QChar::fromLatin1(code)).arg(counts[index]);
        total += counts[index];
    }
    unseen->setPlainText(tiles.join(QStringLiteral(", ")));
    unseenInformation->setText(tr("Unseen by %1: %2 tiles (the bag and the other racks)")
                                   .arg(uitext::name(rules->currentPlayer()))
                                   .arg(total));
}

BagViewDialog::~BagViewDialog() {}

} // namespace glyph
