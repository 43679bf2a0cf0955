#pragma once

#include "model/persistent.h"

#include <array>
#include <memory>
#include <vector>

namespace model {

struct ClassInfo;

// Objects no longer in use, kept to be read into again: restoring an undo
// snapshot of a large plan would otherwise free thousands of objects and
// allocate as many again. Only classes whose reading sets every field are
// kept (ClassInfo::reusable); the others are destroyed at once.
class ObjectRecycler
{
public:
    // Keeps these objects in place of those kept before.
    template <class T> void replace(std::vector<std::unique_ptr<T>> objects)
    {
        clear();
        for (auto &object : objects)
            keep(std::move(object));
    }
    // A kept object of the class, or nullptr when there is none. They come
    // in the order they were kept, which is the order of their memory.
    [[nodiscard]] std::unique_ptr<Persistent> take(const ClassInfo &cls);
    void clear();
    [[nodiscard]] size_t size() const;

private:
    void keep(std::unique_ptr<Persistent> object);

    struct Kept
    {
        std::vector<std::unique_ptr<Persistent>> objects;
        size_t next = 0; // objects before it were taken
    };
    std::array<Kept, 8> m_kept; // by class index
    const ClassInfo *m_lastClass = nullptr;
};

} // namespace model
