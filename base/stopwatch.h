#pragma once

#include <chrono>
#include <cstdint>

namespace glyph
{

/// Whole milliseconds elapsed on the steady clock since `start`.
inline std::int64_t millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

} // namespace glyph
