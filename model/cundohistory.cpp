#include "cundohistory.h"

#include <numeric>

namespace {

void pushHead(std::deque<QByteArray> &list, QByteArray snapshot)
{
    if (list.size() > static_cast<size_t>(CUndoHistory::levels))
        list.pop_back();
    list.push_front(std::move(snapshot));
}

} // namespace

void CUndoHistory::CheckPoint()
{
    if (m_checkpointCounter >= 1)
        return;
    QByteArray snapshot = serializeSnapshot();
    if (m_undo.empty() || m_undo.front() != snapshot)
        pushHead(m_undo, std::move(snapshot));
    m_redo.clear();
}

bool CUndoHistory::movedOnFromHead(QByteArray *current) const
{
    if (m_undo.empty())
        return false;
    QByteArray now = serializeSnapshot();
    const bool moved = now != m_undo.front();
    if (current)
        *current = std::move(now);
    return moved;
}

bool CUndoHistory::CanUndo() const
{
    return m_undo.size() >= 2 || movedOnFromHead();
}

bool CUndoHistory::Undo()
{
    QByteArray current;
    if (movedOnFromHead(&current)) {
        // The changes since the last snapshot are the step to undo.
        if (!restoreSnapshot(m_undo.front()))
            return false;
        pushHead(m_redo, std::move(current));
        return true;
    }
    if (m_undo.size() <= 1)
        return false;
    if (!restoreSnapshot(m_undo[1]))
        return false;
    m_redo.push_front(std::move(m_undo.front()));
    m_undo.pop_front();
    return true;
}

bool CUndoHistory::Redo()
{
    if (m_redo.empty())
        return false;
    QByteArray current;
    const bool moved = movedOnFromHead(&current);
    if (!restoreSnapshot(m_redo.front()))
        return false;
    // Changes made since the head stay one undo step away.
    if (moved)
        pushHead(m_undo, std::move(current));
    pushHead(m_undo, std::move(m_redo.front()));
    m_redo.pop_front();
    return true;
}

void CUndoHistory::ClearHistory()
{
    m_undo.clear();
    m_redo.clear();
}

qsizetype CUndoHistory::historyBytes() const
{
    const auto add = [](qsizetype sum, const QByteArray &s) { return sum + s.size(); };
    return std::accumulate(m_redo.begin(), m_redo.end(),
                           std::accumulate(m_undo.begin(), m_undo.end(), qsizetype{0}, add), add);
}
