#pragma once

#include "engine/gamerules.h"

namespace glyph {

/// The classic rules: racks of seven, turns in order, pass and exchange, the end by passes
/// or an empty rack with an empty bag, rack penalties, history and saved games.
class GameClassic : public GameRules {
public:
    explicit GameClassic(Game& game);

    bool start(const std::vector<Player>& players) override;
    std::string name() const override;
    void finalScoring() override;
    void showGameOver() override;
    bool isGameOver() const override;
    bool canExchange() const override;
    void nextPlayer() override;
    bool playMove(const Move& move) override;
    bool passOrExchange(const std::string& letters, const std::string& kept) override;
    bool load(const std::string& fileName) override;
    bool save(const std::string& fileName) override;
    void goFirst() override;
    void goLast() override;
    void goPrevious() override;
    void goNext() override;
    void goTo(int index) override;
    bool validateMove(const Move& move) override;
    bool validateFirstMove(const Move& move) override;
    void addHistory(const Move& move) override;
    void restoreHistory() override;
    bool writeHistoryEntry(std::ostream& file, const HistoryEntry& entry) override;
    bool readHistoryEntry(std::istream& file, HistoryEntry& entry) override;
};

} // namespace glyph
