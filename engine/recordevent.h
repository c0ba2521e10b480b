#pragma once

#include <string>

#include "engine/move.h"

namespace glyph
{

/// What a game record adds to a turn beyond the rules' own state: a note, a challenge bonus
/// or time penalty given to a player, or a move that was laid and withdrawn (the turn itself
/// then counts as a pass). Kept with the snapshot of the turn, so that the record can be
/// written out again as it was read.
struct RecordEvent {
    enum class Kind {
        Note,
        ChallengeBonus,
        TimePenalty,
        WithdrawnMove,
    };

    Kind kind = Kind::Note;
    /// Seat of the player concerned (not used by notes).
    int player = 0;
    /// Points added to that player's score (a penalty is negative; 0 for notes and withdrawn moves).
    int points = 0;
    /// The note's text, UTF-8.
    std::string text;
    /// The withdrawn move with the score it would have made.
    Move move;
};

} // namespace glyph
