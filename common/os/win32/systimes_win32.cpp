// System times through NtQuerySystemInformation, looked up in ntdll at run time:
// class 0 (basic information) for the processor count, class 3 (time of day) for
// the current time and class 2 (performance information) for the idle time.
#include "common/os/systimes.h"

#include <windows.h>

#include <cstring>

namespace quenby::os {
namespace {

using QueryFunction = LONG(WINAPI*)(ULONG informationClass, PVOID buffer, ULONG length,
                                    PULONG returnLength);

QueryFunction queryFunction()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll");
    if (!ntdll)
        return nullptr;
    return reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
}

constexpr ULONG kBasicInformation = 0;
constexpr ULONG kPerformanceInformation = 2;
constexpr ULONG kTimeOfDayInformation = 3;

template <std::size_t Size>
struct alignas(8) Buffer {
    unsigned char bytes[Size];
};

} // namespace

int processorCount()
{
    const QueryFunction query = queryFunction();
    if (!query)
        return 0;
    Buffer<64> basic{};
    if (query(kBasicInformation, basic.bytes, sizeof basic.bytes, nullptr) != 0)
        return 0;
    // NumberOfProcessors: a signed 8-bit count at offset 56.
    return static_cast<signed char>(basic.bytes[56]);
}

bool querySystemTimes(SystemTimes& times)
{
    const QueryFunction query = queryFunction();
    if (!query)
        return false;
    Buffer<32> timeOfDay{};
    if (query(kTimeOfDayInformation, timeOfDay.bytes, sizeof timeOfDay.bytes, nullptr) != 0)
        return false;
    Buffer<312> performance{};
    if (query(kPerformanceInformation, performance.bytes, sizeof performance.bytes, nullptr) != 0)
        return false;
    std::memcpy(&times.currentTime, timeOfDay.bytes + 8, sizeof times.currentTime);
    std::memcpy(&times.idleTime, performance.bytes, sizeof times.idleTime);
    return true;
}

void sleepMilliseconds(unsigned milliseconds)
{
    Sleep(milliseconds);
}

} // namespace quenby::os
