#include "objectrecycler.h"

#include "model/classregistry.h"

#include <numeric>
#include <typeinfo>

namespace model {

static_assert(classCount == 8, "one list of kept objects per class");

void ObjectRecycler::keep(std::unique_ptr<Persistent> object)
{
    if (!object)
        return;
    // Objects of one class often come in runs.
    const ClassInfo *cls = m_lastClass;
    if (!cls || typeid(*object) != *cls->type) {
        cls = findClass(object->className());
        m_lastClass = cls;
    }
    // Exactly the registered class: a derived one would read differently.
    if (cls && cls->reusable && typeid(*object) == *cls->type)
        m_kept[static_cast<size_t>(classIndex(*cls))].objects.push_back(std::move(object));
}

std::unique_ptr<Persistent> ObjectRecycler::take(const ClassInfo &cls)
{
    Kept &kept = m_kept[static_cast<size_t>(classIndex(cls))];
    if (kept.next == kept.objects.size())
        return nullptr;
    return std::move(kept.objects[kept.next++]);
}

void ObjectRecycler::clear()
{
    for (Kept &kept : m_kept) {
        kept.objects.clear();
        kept.next = 0;
    }
}

size_t ObjectRecycler::size() const
{
    return std::accumulate(m_kept.begin(), m_kept.end(), size_t{0}, [](size_t sum, const Kept &k) {
        return sum + (k.objects.size() - k.next);
    });
}

} // namespace model
