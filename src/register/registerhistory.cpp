#include "registerhistory.h"

RegisterHistory::RegisterHistory(const RegisterMonth &start)
    : m_known(start)
{}

void RegisterHistory::track(const RegisterMonth &now, StepKind kind)
{
    if (now == m_known)
        return;
    const bool typing = kind == StepKind::Typing;
    if (!(typing && m_typing && canUndo())) {
        m_undo.push_back(std::move(m_known));
        if (m_undo.size() > Depth)
            m_undo.pop_front();
    }
    m_redo.clear();
    m_known = now;
    m_typing = typing;
}

namespace {

bool step(std::deque<RegisterMonth> &from, std::deque<RegisterMonth> &to, RegisterMonth &now)
{
    if (from.empty())
        return false;
    to.push_back(now);
    now = std::move(from.back());
    from.pop_back();
    return true;
}

} // namespace

bool RegisterHistory::undo(RegisterMonth &now)
{
    if (!step(m_undo, m_redo, now))
        return false;
    m_known = now;
    m_typing = false;
    return true;
}

bool RegisterHistory::redo(RegisterMonth &now)
{
    if (!step(m_redo, m_undo, now))
        return false;
    m_known = now;
    m_typing = false;
    return true;
}
