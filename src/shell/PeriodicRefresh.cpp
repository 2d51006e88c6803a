#include "shell/PeriodicRefresh.h"

namespace vorn {

namespace {
bool g_busy = false;
}

BusyScope::BusyScope() : m_previous(g_busy)
{
    g_busy = true;
}

BusyScope::~BusyScope()
{
    g_busy = m_previous;
}

bool BusyScope::busy()
{
    return g_busy;
}

bool PeriodicRefresh::tick()
{
    if (++m_count < kTicks)
        return false;
    m_count = 0;
    // A refresh due while an operation runs is skipped, not postponed: the next one comes
    // a minute later.
    return !BusyScope::busy() && !m_refreshing;
}

} // namespace vorn
