#pragma once

namespace glyph
{

/// Counts the reasons the players' clocks must stand still (a modal dialog, a computer turn,
/// a hidden game tab): the clocks run only while no guard is held, so one reason ending never
/// restarts them while another still holds.
class PauseCounter
{
public:
    /// One held reason; releases it when destroyed or reset. Movable, not copyable.
    class Guard
    {
    public:
        Guard() = default;
        explicit Guard(PauseCounter& counter) : m_counter(&counter) { ++counter.m_holds; }
        Guard(Guard&& other) noexcept : m_counter(other.m_counter) { other.m_counter = nullptr; }
        Guard& operator=(Guard&& other) noexcept
        {
            if (this != &other) {
                reset();
                m_counter = other.m_counter;
                other.m_counter = nullptr;
            }
            return *this;
        }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        ~Guard() { reset(); }

        /// Releases the reason now (nothing when none is held).
        void reset()
        {
            if (m_counter != nullptr)
                --m_counter->m_holds;
            m_counter = nullptr;
        }
        bool holding() const { return m_counter != nullptr; }

    private:
        PauseCounter* m_counter = nullptr;
    };

    /// Holds one more reason until the guard goes.
    Guard hold() { return Guard(*this); }
    /// True while any reason is held.
    bool paused() const { return m_holds > 0; }

private:
    int m_holds = 0;
};

} // namespace glyph
