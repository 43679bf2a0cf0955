#include "cundohistory.h"

#include <numeric>

void CUndoHistory::CheckPoint()
{
    if (m_checkpointCounter >= 1)
        return;
    QByteArray snapshot = serializeSnapshot();
    if (m_undo.size() > static_cast<size_t>(levels))
        m_undo.pop_back();
    m_undo.push_front(std::move(snapshot));
    m_redo.clear();
}

bool CUndoHistory::Undo()
{
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
    if (!restoreSnapshot(m_redo.front()))
        return false;
    QByteArray snapshot = std::move(m_redo.front());
    m_redo.pop_front();
    if (m_undo.size() > static_cast<size_t>(levels))
        m_undo.pop_back();
    m_undo.push_front(std::move(snapshot));
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
