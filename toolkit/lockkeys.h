#pragma once

#include <optional>

namespace toolkit {

struct LockKeys
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The state of the lock keys as the window system reports it; nothing where
// it cannot be read (no X display, the offscreen platform). Internal.
[[nodiscard]] std::optional<LockKeys> readLockKeys();

} // namespace toolkit
