#pragma once

namespace glyph
{

/// The order in which a search lists what it found: its own order (alphabetical for the
/// pattern searches, longest and best-scoring first from a rack), or the most likely racks first.
enum class SearchOrder {
    Natural,
    Probability,
};

} // namespace glyph
