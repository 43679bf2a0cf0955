#pragma once

#include <QtGlobal>

#include <memory>
#include <string_view>

namespace model {

class Persistent;

// A class the archive can create by name while reading.
struct ClassInfo
{
    const char *name;
    std::unique_ptr<Persistent> (*create)();
};

// Every class the plan archive knows, all with schema 0.
inline constexpr quint16 archiveSchema = 0;

// The class of that name, or nullptr for a name the program does not know.
[[nodiscard]] const ClassInfo *findClass(std::string_view name);

} // namespace model
