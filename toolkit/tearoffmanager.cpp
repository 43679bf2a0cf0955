#include "tearoffmanager.h"

#include <algorithm>

namespace toolkit {

TearOffManager::TearOffManager(int firstId, int lastId)
    : m_firstId(std::min(firstId, lastId)), m_lastId(std::max(firstId, lastId)), m_nextId(m_firstId)
{
}

int TearOffManager::takeNextId()
{
    if (m_nextId > m_lastId)
        return 0;
    return m_nextId++;
}

} // namespace toolkit
