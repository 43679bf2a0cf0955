#pragma once

namespace model {

class ArchiveReader;
class ArchiveWriter;

// An object that the plan archive can write and read back by class name.
// Each concrete class is listed in the class registry under the name it
// returns from className().
class Persistent
{
public:
    virtual ~Persistent() = default;

    // The name written in the archive's class tags.
    [[nodiscard]] virtual const char *className() const = 0;
    virtual void Serialize(ArchiveWriter &ar) const = 0;
    // Reads the object's data; throws ArchiveException on damaged input.
    virtual void Serialize(ArchiveReader &ar) = 0;

protected:
    Persistent() = default;
    Persistent(const Persistent &) = default;
    Persistent &operator=(const Persistent &) = default;
};

} // namespace model
