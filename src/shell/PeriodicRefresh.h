#pragma once

namespace vorn {

// Set by every long operation for its duration; the periodic refresh waits while it is set.
// Clears itself when the operation's scope ends, also by an exception.
class BusyScope
{
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    static bool busy();

private:
    bool m_previous;
};

// Counts the clock's one-second ticks; every sixtieth tick the open lists are re-read so
// that users of one firm see each other's changes, unless an operation is running then.
class PeriodicRefresh
{
public:
    static constexpr int kTicks = 60;

    // One tick; true when the refresh is to run now.
    bool tick();
    bool refreshing() const { return m_refreshing; }

    // Marks the refresh as running for the scope's duration.
    class Running
    {
    public:
        explicit Running(PeriodicRefresh& owner) : m_owner(owner) { m_owner.m_refreshing = true; }
        ~Running() { m_owner.m_refreshing = false; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        PeriodicRefresh& m_owner;
    };

private:
    int m_count = 0;
    bool m_refreshing = false;
};

} // namespace vorn
