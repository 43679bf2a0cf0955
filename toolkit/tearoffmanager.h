#pragma once

#include "toolkit/toolkitglobal.h"

namespace toolkit {

// The range of command ids that name tear-off menus. A menu given an id of
// the range can be torn off into a window of its own; ids are handed out in
// order until the range is used up.
class TOOLKIT_EXPORT TearOffManager
{
public:
    TearOffManager(int firstId, int lastId);

    [[nodiscard]] int firstId() const { return m_firstId; }
    [[nodiscard]] int lastId() const { return m_lastId; }
    [[nodiscard]] bool isTearOffId(int id) const { return id >= m_firstId && id <= m_lastId; }
    // The next unused id of the range, or 0 when every id is taken.
    [[nodiscard]] int takeNextId();

private:
    int m_firstId;
    int m_lastId;
    int m_nextId;
};

} // namespace toolkit
