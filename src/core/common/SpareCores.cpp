#include "common/SpareCores.h"

namespace {
thread_local SpareCores *t_cores = nullptr;
}

bool SpareCores::take()
{
    int count = m_count.load();
    while (count > 0)
        if (m_count.compare_exchange_weak(count, count - 1))
            return true;
    return false;
}

SpareCores *SpareCores::ofThisThread()
{
    return t_cores;
}

SpareCoresScope::SpareCoresScope(SpareCores *cores) : m_previous(t_cores)
{
    t_cores = cores;
}

SpareCoresScope::~SpareCoresScope()
{
    t_cores = m_previous;
}

BorrowedCore::BorrowedCore()
{
    SpareCores *cores = SpareCores::ofThisThread();
    if (cores && cores->take())
        m_from = cores;
}

BorrowedCore::~BorrowedCore()
{
    if (m_from)
        m_from->giveBack();
}
