#include "common/os/process_list.h"

#include "common/os/win32/handles.h"

#include <tlhelp32.h>

namespace quenby::os {

bool programRunsInSession(const std::function<bool(std::u16string_view fileName)>& wanted)
{
    // One snapshot of the process list: its file names come with it, so that
    // only a process whose name is wanted is opened to ask its session.
    const win32::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        const std::u16string_view name(reinterpret_cast<const char16_t*>(entry.szExeFile));
        DWORD processSession = 0;
        // A process that has ended since the snapshot, or one of another user
        // that we may not ask, fails the question and is skipped.
        if (wanted(name) && ProcessIdToSessionId(entry.th32ProcessID, &processSession) && processSession == session)
            return true;
    }
    return false;
}

} // namespace quenby::os
