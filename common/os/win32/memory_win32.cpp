#include "common/os/memory.h"

#include <windows.h>

namespace quenby::os {

bool queryMemoryStatus(MemoryStatus& status)
{
    MEMORYSTATUSEX record{};
    record.dwLength = 64; // the record's size, which the call insists on
    const bool ok = GlobalMemoryStatusEx(&record) != FALSE;
    status.memoryLoad = record.dwMemoryLoad;
    status.totalPhys = record.ullTotalPhys;
    status.availPhys = record.ullAvailPhys;
    return ok;
}

} // namespace quenby::os
