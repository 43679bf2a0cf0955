#pragma once

#include <QtGlobal>

#include <memory>
#include <string_view>
#include <typeinfo>

namespace model {

class Persistent;

// A class the archive can create by name while reading.
struct ClassInfo
{
    const char *name;
    std::unique_ptr<Persistent> (*create)();
    const std::type_info *type;
    // Reading an object of the class sets every field it has, so an object
    // no longer in use can be read into again (see ObjectRecycler).
    bool reusable;
};

inline constexpr int classCount = 8;

// Every class the plan archive knows, all with schema 0.
inline constexpr quint16 archiveSchema = 0;

// The class of that name, or nullptr for a name the program does not know.
[[nodiscard]] const ClassInfo *findClass(std::string_view name);
// The position of a class in the registry, 0 to classCount - 1.
[[nodiscard]] int classIndex(const ClassInfo &cls);

} // namespace model
