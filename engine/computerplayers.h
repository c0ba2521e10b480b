#pragma once

namespace glyph
{

/// The computer players' machinery (the move generator and the profile host). It belongs to
/// the game and lives as long as it, but it is built in the layer above the engine, so the
/// game holds it through this interface; the entry point and the tools attach it.
class ComputerPlayers
{
public:
    virtual ~ComputerPlayers() = default;
};

} // namespace glyph
