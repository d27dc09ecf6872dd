#include "common/Cancellation.h"

namespace {
thread_local const std::atomic<bool> *t_flag = nullptr;
}

CancellationScope::CancellationScope(const std::atomic<bool> *flag) : m_previous(t_flag)
{
    t_flag = flag;
}

CancellationScope::~CancellationScope()
{
    t_flag = m_previous;
}

bool cancellationRequested()
{
    return t_flag && t_flag->load();
}
