#include "MachineId.h"

#include "util/Sha256.h"

#include <unistd.h>

#include <array>
#include <fstream>
#include <iterator>

std::string machineIdentifier() {
    std::ifstream file("/etc/machine-id");
    std::string id(std::istreambuf_iterator<char>(file), {});
    while (!id.empty() && (id.back() == '\n' || id.back() == ' '))
        id.pop_back();
    if (id.empty()) {
        std::array<char, 256> host{};
        if (gethostname(host.data(), host.size() - 1) == 0)
            id = host.data();
    }
    return util::sha256Hex(id);
}
