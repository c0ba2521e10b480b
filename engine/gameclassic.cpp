// Placeholder bodies so that the program links while the rules are written; every one of
// them is replaced by the real rules.
#include "engine/gameclassic.h"

namespace glyph {

GameClassic::GameClassic(Game& game) : GameRules(game) {}
bool GameClassic::start(const std::vector<Player>&) { return false; }
std::string GameClassic::name() const { return "Game Classic"; }
void GameClassic::finalScoring() {}
void GameClassic::showGameOver() {}
bool GameClassic::isGameOver() const { return false; }
bool GameClassic::canExchange() const { return false; }
void GameClassic::nextPlayer() {}
bool GameClassic::playMove(const Move&) { return false; }
bool GameClassic::passOrExchange(const std::string&, const std::string&) { return false; }
bool GameClassic::load(const std::string&) { return false; }
bool GameClassic::save(const std::string&) { return false; }
void GameClassic::goFirst() {}
void GameClassic::goLast() {}
void GameClassic::goPrevious() {}
void GameClassic::goNext() {}
void GameClassic::goTo(int) {}
bool GameClassic::validateMove(const Move&) { return false; }
bool GameClassic::validateFirstMove(const Move&) { return false; }
void GameClassic::addHistory(const Move&) {}
void GameClassic::restoreHistory() {}
bool GameClassic::writeHistoryEntry(std::ostream&, const HistoryEntry&) { return false; }
bool GameClassic::readHistoryEntry(std::istream&, HistoryEntry&) { return false; }

} // namespace glyph
