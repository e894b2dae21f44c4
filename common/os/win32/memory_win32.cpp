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

bool queryRecoveryRoom(MemoryRoom& room)
{
    MEMORYSTATUSEX record{};
    record.dwLength = 64;
    const bool ok = GlobalMemoryStatusEx(&record) != FALSE;
    // Despite their names, these are the commit limit and the commit still
    // available, the page files and RAM together.
    room.limit = ok ? record.ullTotalPageFile : 0;
    room.available = ok ? record.ullAvailPageFile : 0;
    return ok;
}

} // namespace quenby::os
