#include "recording.h"

#include <QLineF>

#include <algorithm>

namespace graphics {

double Record::length() const
{
    return points.size() >= 2 ? QLineF(points[0], points[1]).length() : 0.0;
}

std::vector<Record> Recording::ofOp(Record::Op op) const
{
    std::vector<Record> out;
    std::copy_if(m_records.begin(), m_records.end(), std::back_inserter(out),
                 [op](const Record &r) { return r.op == op; });
    return out;
}

qsizetype Recording::count(Record::Op op) const
{
    return std::count_if(m_records.begin(), m_records.end(),
                         [op](const Record &r) { return r.op == op; });
}

} // namespace graphics
