#include "io/ConfinedName.h"

#include "io/PathName.h"

#include <algorithm>

namespace io {

bool isConfined(std::string_view name) {
    // The joins drop one leading separator and keep the rest, which count for nothing when ".."
    // climbs: "//../x" under "data" is "x" beside "data". So the name counts from its first segment.
    name.remove_prefix(std::min(name.find_first_not_of("/\\"), name.size()));
    const PathName normalised(name);
    const std::string_view path = normalised.toString();
    return path != ".." && !path.starts_with("../");
}

} // namespace io
