#include "resident_memory.h"

#include <fstream>

#include <unistd.h>

namespace cycles {

std::size_t residentBytes() {
    std::size_t pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

} // namespace cycles
