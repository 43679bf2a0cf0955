#pragma once

#include <QString>

namespace editing {

// The name of a hatch pattern in the pattern lists, by its number (0-52);
// empty for any other number.
[[nodiscard]] QString hatchStyleName(int style);

} // namespace editing
