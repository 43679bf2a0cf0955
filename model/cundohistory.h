#pragma once

#include <QByteArray>

#include <deque>

// Snapshot undo: each snapshot is a complete serialised copy of the document.
// The head of the undo list is the last state recorded; the list keeps at
// most five snapshots, the oldest dropping out at the tail. The document
// supplies the serialisation.
//
// Commands record a step before they change the document, so the document
// may have moved on from the head. Undo and redo therefore compare the
// current state with the head: changes made since the last snapshot are
// recorded first (undo brings back the head itself, redo keeps them as a
// step), so that every change is undone one at a time and can be redone. A
// snapshot equal to the head is not recorded twice.
class CUndoHistory
{
public:
    static constexpr qsizetype growthBytes = 32768; // first size of a snapshot buffer
    static constexpr int levels = 4;                // snapshots kept besides the current state

    virtual ~CUndoHistory() = default;

    // Takes a snapshot of the current state while the checkpoint counter is
    // below 1, and forgets everything that could be redone.
    void CheckPoint();
    // Undo needs a state before the current one; redo a state undone.
    [[nodiscard]] bool CanUndo() const;
    [[nodiscard]] bool CanRedo() const { return !m_redo.empty(); }
    // Steps back to the previous snapshot; false when there is none or it
    // cannot be read (the document is then unchanged).
    bool Undo();
    bool Redo();
    void ClearHistory();

    // While the counter is 1 or more, CheckPoint() takes no snapshots: a
    // command made of several steps raises it, so that it is undone in one.
    [[nodiscard]] int checkpointCounter() const { return m_checkpointCounter; }
    void setCheckpointCounter(int counter) { m_checkpointCounter = counter; }

    [[nodiscard]] size_t undoCount() const { return m_undo.size(); }
    [[nodiscard]] size_t redoCount() const { return m_redo.size(); }
    // Bytes held by all snapshots.
    [[nodiscard]] qsizetype historyBytes() const;

protected:
    CUndoHistory() = default;
    CUndoHistory(const CUndoHistory &) = delete;
    CUndoHistory &operator=(const CUndoHistory &) = delete;

    // The current state. `buffer` is the memory of a snapshot no longer
    // needed (or empty); the serialisation writes into it when it can, which
    // spares a large plan the cost of fresh pages for every snapshot. With
    // `head` given, `*sameAsHead` tells whether the snapshot equals it.
    [[nodiscard]] virtual QByteArray serializeSnapshot(QByteArray buffer, const QByteArray *head,
                                                       bool *sameAsHead) const = 0;
    // Replaces the document's contents; false leaves them as they were.
    virtual bool restoreSnapshot(const QByteArray &snapshot) = 0;

private:
    // Whether the document has changed since the head was recorded.
    [[nodiscard]] bool movedOnFromHead(QByteArray *current = nullptr) const;
    // The current state, and whether it equals the head of the undo list.
    [[nodiscard]] QByteArray takeSnapshot(bool *sameAsHead) const;
    void pushHead(std::deque<QByteArray> &list, QByteArray snapshot);
    // After a restore: reading settles some fields (a picture read back is
    // picked before other objects), so the state left is taken again as
    // the head; else the next undo would see a change nobody made and
    // spend itself restoring the same state.
    void retakeHead();
    // Keeps the memory of a dropped snapshot for the next one.
    void recycle(QByteArray &&snapshot) const;

    std::deque<QByteArray> m_undo; // front: head, the current state
    std::deque<QByteArray> m_redo; // front: head, the last state undone
    int m_checkpointCounter = 0;
    mutable QByteArray m_spare;
};
