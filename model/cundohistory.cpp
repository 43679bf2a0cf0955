#include "cundohistory.h"

#include <numeric>
#include <utility>

void CUndoHistory::pushHead(std::deque<QByteArray> &list, QByteArray snapshot)
{
    if (list.size() > static_cast<size_t>(CUndoHistory::levels)) {
        recycle(std::move(list.back()));
        list.pop_back();
    }
    list.push_front(std::move(snapshot));
}

void CUndoHistory::recycle(QByteArray &&snapshot) const
{
    // Only memory nobody else shares, and the larger of two.
    if (snapshot.isDetached() && snapshot.capacity() > m_spare.capacity())
        m_spare = std::move(snapshot);
}

QByteArray CUndoHistory::takeSnapshot(bool *sameAsHead) const
{
    *sameAsHead = false;
    return serializeSnapshot(std::exchange(m_spare, QByteArray()),
                             m_undo.empty() ? nullptr : &m_undo.front(), sameAsHead);
}

void CUndoHistory::CheckPoint()
{
    if (m_checkpointCounter >= 1)
        return;
    bool sameAsHead = false;
    QByteArray snapshot = takeSnapshot(&sameAsHead);
    if (sameAsHead)
        recycle(std::move(snapshot));
    else
        pushHead(m_undo, std::move(snapshot));
    for (QByteArray &undone : m_redo)
        recycle(std::move(undone));
    m_redo.clear();
}

bool CUndoHistory::movedOnFromHead(QByteArray *current) const
{
    if (m_undo.empty())
        return false;
    bool sameAsHead = false;
    QByteArray now = takeSnapshot(&sameAsHead);
    const bool moved = !sameAsHead;
    if (current)
        *current = std::move(now);
    else
        recycle(std::move(now));
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
        retakeHead();
        return true;
    }
    if (m_undo.size() <= 1)
        return false;
    if (!restoreSnapshot(m_undo[1]))
        return false;
    m_redo.push_front(std::move(m_undo.front()));
    m_undo.pop_front();
    retakeHead();
    return true;
}

void CUndoHistory::retakeHead()
{
    bool sameAsHead = false;
    QByteArray now = takeSnapshot(&sameAsHead);
    if (sameAsHead) {
        recycle(std::move(now));
        return;
    }
    std::swap(m_undo.front(), now);
    recycle(std::move(now));
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
    retakeHead();
    return true;
}

void CUndoHistory::ClearHistory()
{
    m_undo.clear();
    m_redo.clear();
    m_spare = QByteArray();
}

qsizetype CUndoHistory::historyBytes() const
{
    const auto add = [](qsizetype sum, const QByteArray &s) { return sum + s.size(); };
    return std::accumulate(m_redo.begin(), m_redo.end(),
                           std::accumulate(m_undo.begin(), m_undo.end(), qsizetype{0}, add), add);
}
